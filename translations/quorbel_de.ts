<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AlarmPanel</name>
    <message>
        <source>ON</source>
        <extracomment>An alarm&apos;s switch when on, a button of 54 by 53 px</extracomment>
        <translation>AN</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>An alarm&apos;s switch when off, a button of 54 by 53 px</extracomment>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Rings only while the computer is awake</source>
        <extracomment>Tip of the alarms&apos; ON/OFF buttons where the system cannot wake the computer for them</extracomment>
        <translation>Klingelt nur, wenn der Rechner nicht im Ruhezustand ist</translation>
    </message>
</context>
<context>
    <name>AlertOptionsDialog</name>
    <message>
        <source>Alarm2.wav, which plays once, keeps its volume from the start</source>
        <translation>Alarm2.wav wird nur einmal abgespielt und erklingt von Anfang an in der eingestellten Lautstärke</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Complete</source>
        <extracomment>A sound that says something is finished</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>A sound: the one the desktop plays for an incoming message</extracomment>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Button, 68 px wide</extracomment>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Lautstärke</translation>
    </message>
    <message>
        <source>Start so&amp;ftly (rising over 15 seconds)</source>
        <translation>&amp;Sanft einblenden (über 15 Sekunden)</translation>
    </message>
    <message>
        <source> min</source>
        <extracomment>After the number of minutes in a box; keep the space if the unit is spaced</extracomment>
        <translation> min</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>In the box of minutes, for no warning</extracomment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>&amp;Warn before</source>
        <translation>&amp;Vorwarnung</translation>
    </message>
    <message>
        <source>&amp;Repeat: start again when acknowledged</source>
        <translation>&amp;Wiederholen: nach Quittieren neu starten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Alarm1.wav or Alarm2.wav</source>
        <extracomment>The program&apos;s own two sounds; the file names stay as they are</extracomment>
        <translation>Alarm1.wav oder Alarm2.wav</translation>
    </message>
    <message>
        <source>As the Sound and Recur boxes say</source>
        <translation>Wie mit „Ton“ und „Wdh.“ im Fenster gewählt</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No sound at all</extracomment>
        <translation>Kein Ton</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Eine Datei …</translation>
    </message>
    <message>
        <source>Alert options – %1</source>
        <extracomment>Dialog title; %1 names the timer or the alarm</extracomment>
        <translation>Signaleinstellungen – %1</translation>
    </message>
    <message>
        <source>A sound for the alert</source>
        <translation>Einen Ton für das Signal wählen</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.oga *.flac);;All files (*)</source>
        <extracomment>File dialog filters: keep the patterns in brackets and the ;; between them</extracomment>
        <translation>Tondateien (*.wav *.ogg *.oga *.flac);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>This sound could not be played</source>
        <translation>Dieser Ton konnte nicht abgespielt werden</translation>
    </message>
</context>
<context>
    <name>AlertTuner</name>
    <message>
        <source>Alarm %1</source>
        <translation>Alarm %1</translation>
    </message>
</context>
<context>
    <name>AutostartOption</name>
    <message>
        <source>Your own autostart entry, quorbel.desktop, is left as it is; the desktop starts the program as it says.</source>
        <translation>Der eigene Autostart-Eintrag quorbel.desktop bleibt unverändert; die Arbeitsumgebung startet das Programm so, wie er es angibt.</translation>
    </message>
    <message>
        <source>The desktop cannot start the program from this folder: its name is not UTF-8, or holds a control character, \, $ or `, or an = beside &quot;, &apos; or %. Move the program to a folder with a plain name.</source>
        <translation>Die Arbeitsumgebung kann das Programm nicht aus diesem Ordner starten: Sein Name ist kein UTF-8 oder enthält ein Steuerzeichen, \, $ oder ` oder ein = neben &quot;, &apos; oder %. Bitte das Programm in einen Ordner mit einem einfachen Namen verschieben.</translation>
    </message>
    <message>
        <source>The autostart entry could not be changed.</source>
        <translation>Der Autostart-Eintrag konnte nicht geändert werden.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Restores and raises the window.</source>
        <translation>Stellt das Fenster wieder her und holt es nach vorn.</translation>
    </message>
    <message>
        <source>Starts countdown timer N (1 to 10) from its set time.</source>
        <translation>Startet Countdown-Timer N (1 bis 10) mit seiner eingestellten Zeit.</translation>
    </message>
    <message>
        <source>Stops countdown timer N (1 to 10), or silences it. Without N, silences every ringing timer and alarm, as Enter in the window does: for a desktop shortcut.</source>
        <translation>Stoppt Countdown-Timer N (1 bis 10) oder schaltet ihn stumm. Ohne N werden alle klingelnden Timer und Alarme stummgeschaltet wie mit der Eingabetaste im Fenster; gedacht für ein globales Tastenkürzel.</translation>
    </message>
    <message>
        <source>Starts quick timer N (1 to 12, left to right).</source>
        <translation>Startet Schnelltimer N (1 bis 12, von links nach rechts).</translation>
    </message>
    <message>
        <source>Snoozes the ringing timers and alarms for %1 minutes, as their notification&apos;s &quot;Snooze %1 min&quot; does.</source>
        <extracomment>&quot;Snooze %1 min&quot; is the notification&apos;s button: as it is translated there. %1 is the snooze&apos;s length in minutes (5).</extracomment>
        <translation>Lässt die klingelnden Timer und Alarme %1 Minuten schlummern wie „%1 min schlummern“ in ihrer Benachrichtigung.</translation>
    </message>
    <message>
        <source>Starts countdown timer N (1 to 10) again from its set time, ringing or not.</source>
        <translation>Startet Countdown-Timer N (1 bis 10) erneut mit seiner eingestellten Zeit, ob er klingelt oder nicht.</translation>
    </message>
    <message>
        <source>Quits, asking first while a timer runs.</source>
        <translation>Beendet das Programm; solange ein Timer läuft, erst nach Rückfrage.</translation>
    </message>
    <message>
        <source>--set takes a countdown timer (1 to 10), a length (H:MM:SS or a sum of hours, minutes and seconds such as 25m, 90s or 1h30m15s) and, if you like, a message.</source>
        <translation>--set erwartet einen Countdown-Timer (1 bis 10), eine Dauer (H:MM:SS oder eine Summe aus Stunden, Minuten und Sekunden wie 25m, 90s oder 1h30m15s) und, falls gewünscht, eine Nachricht.</translation>
    </message>
    <message>
        <source>--alarm takes an alarm (1 or 2) and on, off or a time such as 7:30, 7:30 AM or 19:30.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>--alarm erwartet einen Alarm (1 oder 2) und on, off oder eine Uhrzeit wie 7:30, 7:30 AM oder 19:30.</translation>
    </message>
    <message>
        <source>--autostart takes on or off, not &apos;%1&apos;.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>--autostart erwartet on oder off, nicht „%1“.</translation>
    </message>
    <message>
        <source>--status and --watch go one at a time.</source>
        <translation>--status und --watch können nicht zusammen verwendet werden.</translation>
    </message>
    <message>
        <source>--%1 takes no other option but %2.</source>
        <extracomment>%1 is status or watch, %2 the option --json or --plain.</extracomment>
        <translation>--%1 erlaubt außer %2 keine weitere Option.</translation>
    </message>
    <message>
        <source>--json goes with --status.</source>
        <translation>--json ist nur zusammen mit --status möglich.</translation>
    </message>
    <message>
        <source>--plain goes with --watch.</source>
        <translation>--plain ist nur zusammen mit --watch möglich.</translation>
    </message>
    <message>
        <source>Starts in the notification area, the window hidden.</source>
        <translation>Startet im Systemabschnitt, ohne das Fenster anzuzeigen.</translation>
    </message>
    <message>
        <source>Starts the program with the desktop (on) or not (off).</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>Startet das Programm bei der Anmeldung (on) oder nicht (off).</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The value of an option in --help: a timer&apos;s or an alarm&apos;s number.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Gives idle countdown timer N (1 to 10) a LENGTH, H:MM:SS or a sum such as 25m, 90s or 1h30m15s, and a MESSAGE if one follows: --set 3 25m Pasta.</source>
        <extracomment>LENGTH and MESSAGE as in the value of --set (&quot;N LENGTH [MESSAGE]&quot;).</extracomment>
        <translation>Gibt dem nicht laufenden Countdown-Timer N (1 bis 10) eine DAUER, H:MM:SS oder eine Summe wie 25m, 90s oder 1h30m15s, und eine NACHRICHT, falls eine folgt: --set 3 25m Pasta.</translation>
    </message>
    <message>
        <source>N LENGTH [MESSAGE]</source>
        <extracomment>The value of --set in --help: N, LENGTH and MESSAGE as its help names them.</extracomment>
        <translation>N DAUER [NACHRICHT]</translation>
    </message>
    <message>
        <source>Switches alarm N (1 or 2) on or off, or sets its time: 7:30, 7:30 AM or 19:30.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>Schaltet Alarm N (1 oder 2) ein (on) oder aus (off) oder stellt seine Zeit ein: 7:30, 7:30 AM oder 19:30.</translation>
    </message>
    <message>
        <source>N on|off|TIME</source>
        <extracomment>The value of --alarm in --help: &quot;on|off&quot; is typed as it is, keep it; N and TIME as its help names them.</extracomment>
        <translation>N on|off|ZEIT</translation>
    </message>
    <message>
        <source>Prints what the running copy has: timers, the stopwatch and the alarms that are on.</source>
        <translation>Gibt aus, was in der laufenden Instanz aktiv ist: Timer, die Stoppuhr und die eingeschalteten Alarme.</translation>
    </message>
    <message>
        <source>With --status: as one JSON object (see the manual).</source>
        <translation>Mit --status: als ein JSON-Objekt (siehe Handbuchseite).</translation>
    </message>
    <message>
        <source>Prints a line for a panel bar at once and at every change, JSON as waybar reads it, until ended.</source>
        <translation>Gibt sofort und bei jeder Änderung eine Zeile für eine Leiste aus, als JSON, wie waybar es liest, bis zum Abbruch.</translation>
    </message>
    <message>
        <source>With --watch: plain text lines, as polybar and i3blocks read them.</source>
        <translation>Mit --watch: einfache Textzeilen, wie polybar und i3blocks sie lesen.</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <extracomment>%1 is an option (--start) or a D-Bus method (StartTimer).</extracomment>
        <translation>%1 erwartet eine Zahl von %2 bis %3, nicht „%4“.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no length a countdown takes: write H:MM:SS (minutes and seconds 0 to 59) or a sum such as 25m, 90s or 1h30m15s, from 1 second to 59:59:59.</source>
        <extracomment>The units h, m and s are typed as they are: keep them.</extracomment>
        <translation>„%1“ ist keine gültige Dauer für einen Countdown: H:MM:SS (Minuten und Sekunden 0 bis 59) oder eine Summe wie 25m, 90s oder 1h30m15s angeben, von 1 Sekunde bis 59:59:59.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no time of day: write 7:30, 7:30 AM or 19:30.</source>
        <translation>„%1“ ist keine Uhrzeit: 7:30, 7:30 AM oder 19:30 angeben.</translation>
    </message>
    <message>
        <source>Countdown timers with messages, one-click quick timers, a two-alarm clock with snooze, a stopwatch and a big clock, in one small window.
To set a countdown, right-click its button and choose &quot;Edit Time / Message&quot;; a click starts it.</source>
        <extracomment>&quot;Edit Time / Message&quot; is the entry of the timer&apos;s menu: as it is translated there.</extracomment>
        <translation>Countdown-Timer mit Nachrichten, Schnelltimer mit einem Klick, ein Wecker mit zwei Alarmen und Schlummerfunktion, eine Stoppuhr und eine große Uhr in einem kleinen Fenster.
Zum Einstellen eines Countdowns mit der rechten Maustaste auf seine Schaltfläche klicken und „Zeit / Nachricht bearbeiten“ wählen; ein Klick startet ihn.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>There is no countdown timer %1.</source>
        <translation>Es gibt keinen Countdown-Timer %1.</translation>
    </message>
    <message>
        <source>There is no alarm %1.</source>
        <translation>Es gibt keinen Alarm %1.</translation>
    </message>
    <message>
        <source>The running copy could not do it; its log says why.</source>
        <translation>Die laufende Instanz konnte das nicht ausführen; der Grund steht in ihrem Protokoll.</translation>
    </message>
    <message>
        <source>Timer %1 is ringing, and was not changed.</source>
        <translation>Timer %1 klingelt und wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Timer %1 is running, and was not changed.</source>
        <translation>Timer %1 läuft und wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Timer %1 is open in the editor, and was not changed.</source>
        <translation>Timer %1 ist im Editor geöffnet und wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Timer %1, %2</source>
        <extracomment>%2 is the length set (0:25:00).</extracomment>
        <translation>Timer %1, %2</translation>
    </message>
    <message>
        <source>Timer %1: %2, %3</source>
        <extracomment>%2 is the timer&apos;s message, %3 the length set (0:25:00).</extracomment>
        <translation>Timer %1: %2, %3</translation>
    </message>
    <message>
        <source>Alarm %1: %2, on</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Alarm %1: %2, an</translation>
    </message>
    <message>
        <source>Alarm %1: %2, off</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Alarm %1: %2, aus</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <extracomment>A notification&apos;s button: %1 is the snooze&apos;s length in minutes (5).</extracomment>
        <translation>%1 min schlummern</translation>
    </message>
    <message>
        <source>Again</source>
        <extracomment>A notification&apos;s button: the timer runs its time again.</extracomment>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>What a click on the notification itself does, where the desktop names it.</extracomment>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Set for %1</source>
        <extracomment>%1 is the timer&apos;s set length (0:25:00).</extracomment>
        <translation>Eingestellt auf %1</translation>
    </message>
    <message>
        <source>Set for %1, ran out at %2</source>
        <extracomment>%1 is the timer&apos;s set length (0:25:00), %2 the time of day it ran out.</extracomment>
        <translation>Eingestellt auf %1, abgelaufen um %2</translation>
    </message>
    <message>
        <source>Snoozed: rings again at %1</source>
        <extracomment>%1 is a time of day.</extracomment>
        <translation>Schlummert: klingelt wieder um %1</translation>
    </message>
    <message>
        <source>%1: 1 minute left</source>
        <extracomment>%1 is the timer&apos;s name (Timer 3, or its message).</extracomment>
        <translation>%1: noch 1 Minute</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n minutes left</source>
        <extracomment>%1 is the timer&apos;s name (Timer 3, or its message); %n, the minutes, is never 1.</extracomment>
        <translation>
            <numerusform>%1: noch %n Minute</numerusform>
            <numerusform>%1: noch %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <translation>Alarm %1</translation>
    </message>
    <message>
        <source>Alarm %1 missed</source>
        <translation>Alarm %1 verpasst</translation>
    </message>
    <message>
        <source>It was due at %1</source>
        <extracomment>%1 is a time of day.</extracomment>
        <translation>Er war auf %1 gestellt</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>Silence ringing timers and alarms</source>
        <translation>Klingelnde Timer und Alarme stummschalten</translation>
    </message>
    <message>
        <source>Snooze ringing timers and alarms for %1 minutes</source>
        <translation>Klingelnde Timer und Alarme %1 Minuten schlummern lassen</translation>
    </message>
    <message>
        <source>Show Quorbel</source>
        <translation>Quorbel anzeigen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Hide window</source>
        <translation>Fenster ausblenden</translation>
    </message>
    <message>
        <source>Brought back from the tray icon</source>
        <translation>Das Symbol im Systemabschnitt holt es zurück</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button, 49 px wide</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <extracomment>Title of the alarm clock half, 68 px wide in bold; also an entry of its menu</extracomment>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>Button 18 px wide: one letter standing for the alarm clock, which it shows or hides</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>Hide alarm clock</source>
        <translation>Wecker ausblenden</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Check box, 52 px wide with its box</extracomment>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Timers that run out ring with a sound</source>
        <translation>Abgelaufene Timer klingeln mit Ton</translation>
    </message>
    <message>
        <source>Recur</source>
        <extracomment>Check box, 50 px wide with its box: the sound repeats (also 56 px for alarm 1)</extracomment>
        <translation>Wdh.</translation>
    </message>
    <message>
        <source>The sound repeats until the timer is stopped</source>
        <translation>Der Ton wiederholt sich, bis der Timer gestoppt wird</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>A timer&apos;s button, 75 px wide, while no message is set</extracomment>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Enter stores the time and message, Escape closes</source>
        <translation>Eingabetaste speichert Zeit und Nachricht, Esc schließt</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button of the message editor, 147 px wide</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Store time and message</source>
        <translation>Zeit und Nachricht speichern</translation>
    </message>
    <message>
        <source>Hours and minutes</source>
        <translation>Stunden und Minuten</translation>
    </message>
    <message>
        <source>Hours : Minutes</source>
        <extracomment>Above the two fields of a timer&apos;s time, about 95 px wide</extracomment>
        <translation>Stunden : Minuten</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>Button 17 px wide: one letter standing for Clear (the time back to zero)</extracomment>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear the time</source>
        <translation>Zeit löschen</translation>
    </message>
    <message>
        <source>Hours, minutes and seconds back to zero</source>
        <translation>Stunden, Minuten und Sekunden auf null zurücksetzen</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>ALARM 1</source>
        <extracomment>Heading over alarm 1, 46 px wide</extracomment>
        <translation>ALARM 1</translation>
    </message>
    <message>
        <source>ALARM 2</source>
        <extracomment>Heading over alarm 2, 46 px wide</extracomment>
        <translation>ALARM 2</translation>
    </message>
    <message>
        <source>ALARM 2 - Snooze</source>
        <extracomment>Heading over the snooze lengths of alarm 2, 91 px wide</extracomment>
        <translation>Schlummerzeit</translation>
    </message>
    <message>
        <source>1 min</source>
        <extracomment>Snooze length, a radio button about 46 px wide</extracomment>
        <translation>1 min</translation>
    </message>
    <message>
        <source>3 min</source>
        <extracomment>Snooze length, a radio button about 46 px wide</extracomment>
        <translation>3 min</translation>
    </message>
    <message>
        <source>5 min</source>
        <extracomment>Snooze length, a radio button about 46 px wide</extracomment>
        <translation>5 min</translation>
    </message>
    <message>
        <source>9 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>9 min</translation>
    </message>
    <message>
        <source>15 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>15 min</translation>
    </message>
    <message>
        <source>20 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>20 min</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>An alarm&apos;s switch when off, a button of 54 by 53 px</extracomment>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Alarm 1 recurs</source>
        <translation>Alarm 1 wiederholen</translation>
    </message>
    <message>
        <source>Alarm 1 rings until it is switched off</source>
        <translation>Alarm 1 klingelt, bis er ausgeschaltet wird</translation>
    </message>
    <message>
        <source>Copy alarm 1 to alarm 2</source>
        <translation>Alarm 1 nach Alarm 2 kopieren</translation>
    </message>
    <message>
        <source>Copy alarm 2 to alarm 1</source>
        <translation>Alarm 2 nach Alarm 1 kopieren</translation>
    </message>
    <message>
        <source>Test alarm</source>
        <extracomment>Button, 55 px wide and 17 px high</extracomment>
        <translation>Alarmtest</translation>
    </message>
    <message>
        <source>30 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>30 min</translation>
    </message>
    <message>
        <source>Start ON</source>
        <extracomment>Check box, 61 px wide with its box: the alarms are switched on when the program starts</extracomment>
        <translation>Start AN</translation>
    </message>
    <message>
        <source>Alarms on at start</source>
        <translation>Alarme beim Programmstart einschalten</translation>
    </message>
    <message>
        <source>Edit Time / Message</source>
        <extracomment>Menu entry of a timer: set its time and its message</extracomment>
        <translation>Zeit / Nachricht bearbeiten</translation>
    </message>
    <message>
        <source>Alert options…</source>
        <translation>Signaleinstellungen …</translation>
    </message>
    <message>
        <source>Minimize on timer</source>
        <translation>Bei Timerstart minimieren</translation>
    </message>
    <message>
        <source>Processes</source>
        <extracomment>Menu entry that opens the list of programs started at set times</extracomment>
        <translation>Prozesse</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Alarm 1 alert options…</source>
        <translation>Signaleinstellungen für Alarm 1 …</translation>
    </message>
    <message>
        <source>Alarm 2 alert options…</source>
        <translation>Signaleinstellungen für Alarm 2 …</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Stopwatch menu: back to zero</extracomment>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Close no save</source>
        <extracomment>Menu of the Quit button: quit without saving the settings</extracomment>
        <translation>Beenden ohne Speichern</translation>
    </message>
    <message>
        <source>Seconds %1+</source>
        <extracomment>A submenu of ten seconds; %1 is the tens, 0 to 5</extracomment>
        <translation>Sekunden %1+</translation>
    </message>
    <message>
        <source>Hide the window; the tray icon brings it back</source>
        <translation>Fenster ausblenden; das Symbol im Systemabschnitt holt es zurück</translation>
    </message>
    <message>
        <source>Stopwatch: click to start or pause; right-click to clear</source>
        <translation>Stoppuhr: Klicken zum Starten oder Anhalten, Rechtsklick zum Zurücksetzen</translation>
    </message>
    <message>
        <source>Show the alarm clock</source>
        <translation>Wecker anzeigen</translation>
    </message>
    <message>
        <source>Hide the alarm clock</source>
        <translation>Wecker ausblenden</translation>
    </message>
    <message>
        <source>Keep the window on top of the others</source>
        <translation>Fenster im Vordergrund halten</translation>
    </message>
    <message>
        <source>The sound repeats every second until the timer is stopped</source>
        <translation>Der Ton wiederholt sich jede Sekunde, bis der Timer gestoppt wird</translation>
    </message>
    <message>
        <source>Quit; right-click to quit without saving</source>
        <translation>Beenden; Rechtsklick zum Beenden ohne Speichern</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Timer still in progress. Quit anyway?</source>
        <translation>Es läuft noch ein Timer. Trotzdem beenden?</translation>
    </message>
    <message>
        <source>Settings could not be saved. Quit anyway?</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden. Trotzdem beenden?</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Quorbel is ending.</source>
        <extracomment>A D-Bus caller&apos;s answer while the program quits.</extracomment>
        <translation>Quorbel wird beendet.</translation>
    </message>
    <message>
        <source>cannot open the display; set DISPLAY or run from a desktop session</source>
        <translation>die Anzeige kann nicht geöffnet werden; DISPLAY setzen oder aus einer Desktop-Sitzung heraus starten</translation>
    </message>
    <message>
        <source>cannot open the display %1; set DISPLAY or run from a desktop session</source>
        <extracomment>%1 is the display&apos;s name, such as :0.</extracomment>
        <translation>die Anzeige %1 kann nicht geöffnet werden; DISPLAY setzen oder aus einer Desktop-Sitzung heraus starten</translation>
    </message>
</context>
<context>
    <name>Quorbel</name>
    <message>
        <source>The settings file could not be read and will not be overwritten:
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Die Einstellungsdatei konnte nicht gelesen werden und wird nicht überschrieben:
%1</translation>
    </message>
    <message>
        <source>The running timers cannot be kept for the next start, since this file cannot be written:
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Die laufenden Timer können nicht für den nächsten Start aufbewahrt werden, da diese Datei nicht geschrieben werden kann:
%1</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>Quorbel could not do it; its log says why.</source>
        <translation>Quorbel konnte das nicht ausführen; der Grund steht im Protokoll.</translation>
    </message>
    <message>
        <source>No method %1.</source>
        <extracomment>A D-Bus caller&apos;s error: %1 is the name of a method the program does not have.</extracomment>
        <translation>Es gibt keine Methode %1.</translation>
    </message>
</context>
<context>
    <name>ScheduleDialog</name>
    <message>
        <source>Start Program</source>
        <extracomment>Dialog title: the list of programs started at set times</extracomment>
        <translation>Programme starten</translation>
    </message>
    <message>
        <source>Format: [HHMM][filename]
(Place a tilde ~  in position 1 to delimiter a record)</source>
        <extracomment>Two lines, 291 px wide; [HHMM] and the tilde ~ are what the user types, keep them</extracomment>
        <translation>Format: [HHMM][Dateiname]
(Eine Tilde ~ an erster Stelle schaltet den Eintrag ab)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the parts of a time said in words: 5 minutes, 8 seconds</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>0 seconds</source>
        <translation>0 Sekunden</translation>
    </message>
    <message>
        <source>Space starts or stops the timer; the menu key opens its menu: Edit Time / Message, Alert options</source>
        <extracomment>Edit Time / Message and Alert options are the entries of the timer&apos;s menu</extracomment>
        <translation>Leertaste startet oder stoppt den Timer; die Menütaste öffnet sein Menü: Zeit / Nachricht bearbeiten, Signaleinstellungen</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Alarm 2: %1 min schlummern</translation>
    </message>
    <message>
        <source>Click to start or stop; right-click to set the time and message, or how it alerts</source>
        <translation>Klicken zum Starten oder Stoppen; Rechtsklick, um Zeit und Nachricht oder das Signal einzustellen</translation>
    </message>
    <message>
        <source>Click to start or stop; right-click shows the time left</source>
        <translation>Klicken zum Starten oder Stoppen; Rechtsklick zeigt die Restzeit</translation>
    </message>
    <message>
        <source>The menu key sets the seconds</source>
        <translation>Die Menütaste stellt die Sekunden ein</translation>
    </message>
    <message>
        <source>Right-click to set the seconds</source>
        <translation>Rechtsklick, um die Sekunden einzustellen</translation>
    </message>
    <message>
        <source>Quick timer 1 minute</source>
        <translation>Schnelltimer 1 Minute</translation>
    </message>
    <message numerus="yes">
        <source>Quick timer %n minutes</source>
        <translation>
            <numerusform>Schnelltimer %n Minute</numerusform>
            <numerusform>Schnelltimer %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Timer %1, %2</source>
        <extracomment>%1 is the timer&apos;s number, %2 the time it is set to (00:25:00)</extracomment>
        <translation>Timer %1, %2</translation>
    </message>
    <message>
        <source>Timer %1: %2, %3</source>
        <extracomment>%1 is the timer&apos;s number, %2 its message, %3 its time</extracomment>
        <translation>Timer %1: %2, %3</translation>
    </message>
    <message>
        <source>%1, ringing</source>
        <extracomment>%1 names a timer and its time</extracomment>
        <translation>%1, klingelt</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>%1 names a timer and its time</extracomment>
        <translation>%1, läuft</translation>
    </message>
    <message>
        <source>Timer %1 time left: %2</source>
        <extracomment>%2 is a time in words: 5 minutes, 8 seconds</extracomment>
        <translation>Timer %1, Restzeit: %2</translation>
    </message>
    <message>
        <source>Keep on top (on)</source>
        <translation>Im Vordergrund halten (an)</translation>
    </message>
    <message>
        <source>Keep on top (off)</source>
        <translation>Im Vordergrund halten (aus)</translation>
    </message>
    <message>
        <source>Show alarm clock</source>
        <translation>Wecker anzeigen</translation>
    </message>
    <message>
        <source>Hide alarm clock</source>
        <translation>Wecker ausblenden</translation>
    </message>
    <message>
        <source>Stopwatch, stopped at %1</source>
        <extracomment>%1 is the stopwatch&apos;s time, 1:05 or 2h10</extracomment>
        <translation>Stoppuhr, angehalten bei %1</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>Stopwatch, running</source>
        <translation>Stoppuhr, läuft</translation>
    </message>
    <message>
        <source>Alarm %1 time %2:%3 %4</source>
        <extracomment>%2:%3 are the alarm&apos;s hour and minutes on its twelve-hour dial, %4 is AM or PM</extracomment>
        <translation>Alarm %1, Zeit %2:%3 %4</translation>
    </message>
    <message>
        <source>Alarm %1 %2</source>
        <extracomment>%2 is AM or PM, which the user clicks to change</extracomment>
        <translation>Alarm %1 %2</translation>
    </message>
    <message>
        <source>Alarm %1: ON</source>
        <translation>Alarm %1: AN</translation>
    </message>
    <message>
        <source>Alarm %1: OFF</source>
        <translation>Alarm %1: AUS</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Alarm time changed, save new time?</source>
        <translation>Die Alarmzeit wurde geändert. Neue Zeit speichern?</translation>
    </message>
</context>
<context>
    <name>StateText</name>
    <message>
        <source>Quick timer %1</source>
        <extracomment>%1 is its length, such as 1:30.</extracomment>
        <translation>Schnelltimer %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and time</comment>
        <extracomment>%1 is a short day name, %2 a time of day: when an alarm rings next.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: ringing since %2</source>
        <extracomment>%1 is a timer&apos;s name (Timer 3, or its message), %2 a time of day.</extracomment>
        <translation>%1: klingelt seit %2</translation>
    </message>
    <message>
        <source>%1: snoozed, %2 left</source>
        <extracomment>%1 is a timer&apos;s name, %2 the time left (0:04:32).</extracomment>
        <translation>%1: schlummert, noch %2</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <extracomment>%1 is a timer&apos;s name, %2 the time left (0:04:32).</extracomment>
        <translation>%1: noch %2</translation>
    </message>
    <message>
        <source>Stopwatch: running, %1</source>
        <extracomment>%1 is the time counted (1:15).</extracomment>
        <translation>Stoppuhr: läuft, %1</translation>
    </message>
    <message>
        <source>Stopwatch: paused at %1</source>
        <extracomment>%1 is the time counted (1:15).</extracomment>
        <translation>Stoppuhr: angehalten bei %1</translation>
    </message>
    <message>
        <source>Alarm %1: %2, ringing</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Alarm %1: %2, klingelt</translation>
    </message>
    <message>
        <source>Alarm %1: %2, snoozing, rings again at %3</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM), %3 a time of day, perhaps with a day name before it.</extracomment>
        <translation>Alarm %1: %2, schlummert, nächstes Klingeln: %3</translation>
    </message>
    <message>
        <source>Alarm %1: %2, rings at %3</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM), %3 a time of day, perhaps with a day name before it.</extracomment>
        <translation>Alarm %1: %2, nächstes Klingeln: %3</translation>
    </message>
    <message>
        <source>Nothing is running.</source>
        <translation>Es läuft nichts.</translation>
    </message>
    <message>
        <source>Quorbel is not running.</source>
        <translation>Quorbel läuft nicht.</translation>
    </message>
    <message>
        <source>%1 ringing</source>
        <extracomment>A panel bar&apos;s short line: %1 is a timer&apos;s name.</extracomment>
        <translation>%1 klingelt</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>name and time left</comment>
        <extracomment>A panel bar&apos;s short line: %1 is a timer&apos;s name, %2 the time left (4:32).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Stopwatch</name>
    <message>
        <source>SW</source>
        <extracomment>The stopwatch&apos;s button at rest, short for Stopwatch: 39 px wide, about five characters.</extracomment>
        <translation>Stoppuhr</translation>
    </message>
</context>
<context>
    <name>Timers</name>
    <message>
        <source>Quick timer %1 min</source>
        <extracomment>A quick timer&apos;s name: %1 is its length in minutes.</extracomment>
        <translation>Schnelltimer %1 min</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <extracomment>A countdown&apos;s name where it has no message: %1 is its number, 1 to 10.</extracomment>
        <translation>Timer %1</translation>
    </message>
</context>
<context>
    <name>TrayPresence</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A running timer in the tray&apos;s tip and menu: %1 names it, %2 is the time left (0:25:00)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Tray menu entry: brings the window back</extracomment>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Tray menu entry</extracomment>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quorbel is not running.</source>
        <translation>Quorbel läuft nicht.</translation>
    </message>
</context>
<context>
    <name>platform::LogindPower</name>
    <message>
        <source>Keeping the running timers on disk</source>
        <extracomment>Why the program holds the machine&apos;s sleep back a moment, as the desktop lists it.</extracomment>
        <translation>Laufende Timer werden gespeichert</translation>
    </message>
    <message>
        <source>A timer rings</source>
        <extracomment>Why the program keeps the screen from going idle, as the desktop lists it.</extracomment>
        <translation>Ein Timer klingelt</translation>
    </message>
</context>
<context>
    <name>platform::SingleInstance</name>
    <message>
        <source>the settings folder %1 takes no lock (%2): a second copy on it cannot be kept out</source>
        <translation>der Einstellungsordner %1 lässt sich nicht sperren (%2): Eine zweite Instanz mit diesem Ordner kann nicht verhindert werden</translation>
    </message>
    <message>
        <source>the command is too long to hand to the running copy; nothing was done</source>
        <translation>der Befehl ist zu lang für die Übergabe an die laufende Instanz; es wurde nichts ausgeführt</translation>
    </message>
    <message>
        <source>cannot take the lock %1 (%2): a copy of another user&apos;s may be using these settings, and no second copy runs beside it</source>
        <translation>die Sperre %1 kann nicht gesetzt werden (%2): Vielleicht verwendet eine Instanz eines anderen Benutzers diese Einstellungen, und neben ihr läuft keine zweite Instanz</translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings, and no second copy runs beside it</source>
        <translation>eine Instanz eines anderen Benutzers belegt diese Einstellungen, und neben ihr läuft keine zweite Instanz</translation>
    </message>
    <message>
        <source>another copy holds these settings but does not answer</source>
        <translation>eine andere Instanz belegt diese Einstellungen, antwortet aber nicht</translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings</source>
        <translation>eine Instanz eines anderen Benutzers belegt diese Einstellungen</translation>
    </message>
</context>
</TS>
