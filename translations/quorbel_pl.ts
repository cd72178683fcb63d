<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AlarmPanel</name>
    <message>
        <source>ON</source>
        <extracomment>An alarm&apos;s switch when on, a button of 54 by 53 px</extracomment>
        <translation>WŁ</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>An alarm&apos;s switch when off, a button of 54 by 53 px</extracomment>
        <translation>WYŁ</translation>
    </message>
    <message>
        <source>Rings only while the computer is awake</source>
        <extracomment>Tip of the alarms&apos; ON/OFF buttons where the system cannot wake the computer for them</extracomment>
        <translation>Dzwoni tylko wtedy, gdy komputer nie śpi</translation>
    </message>
</context>
<context>
    <name>AlertOptionsDialog</name>
    <message>
        <source>Alarm2.wav, which plays once, keeps its volume from the start</source>
        <translation>Alarm2.wav, odtwarzany jednokrotnie, ma tę głośność od początku</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Budzik</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Dzwonek</translation>
    </message>
    <message>
        <source>Complete</source>
        <extracomment>A sound that says something is finished</extracomment>
        <translation>Zakończenie</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>A sound: the one the desktop plays for an incoming message</extracomment>
        <translation>Wiadomość</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Button, 68 px wide</extracomment>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Odtwórz dźwięk</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Głośność</translation>
    </message>
    <message>
        <source>Start so&amp;ftly (rising over 15 seconds)</source>
        <translation>Łagodny &amp;start (narasta przez 15 sekund)</translation>
    </message>
    <message>
        <source> min</source>
        <extracomment>After the number of minutes in a box; keep the space if the unit is spaced</extracomment>
        <translation> min przed</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>In the box of minutes, for no warning</extracomment>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>&amp;Warn before</source>
        <translation>&amp;Ostrzeżenie</translation>
    </message>
    <message>
        <source>&amp;Repeat: start again when acknowledged</source>
        <translation>&amp;Powtarzaj: od nowa po wyciszeniu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Alarm1.wav or Alarm2.wav</source>
        <extracomment>The program&apos;s own two sounds; the file names stay as they are</extracomment>
        <translation>Alarm1.wav lub Alarm2.wav</translation>
    </message>
    <message>
        <source>As the Sound and Recur boxes say</source>
        <translation>Zgodnie z polami „Dźw.” i „Powt.”</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No sound at all</extracomment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Plik…</translation>
    </message>
    <message>
        <source>Alert options – %1</source>
        <extracomment>Dialog title; %1 names the timer or the alarm</extracomment>
        <translation>Opcje sygnału – %1</translation>
    </message>
    <message>
        <source>A sound for the alert</source>
        <translation>Dźwięk sygnału</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.oga *.flac);;All files (*)</source>
        <extracomment>File dialog filters: keep the patterns in brackets and the ;; between them</extracomment>
        <translation>Dźwięki (*.wav *.ogg *.oga *.flac);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>This sound could not be played</source>
        <translation>Nie można odtworzyć tego dźwięku</translation>
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
        <translation>Istniejący własny wpis autostartu, quorbel.desktop, pozostaje bez zmian; pulpit uruchamia program zgodnie z jego treścią.</translation>
    </message>
    <message>
        <source>The desktop cannot start the program from this folder: its name is not UTF-8, or holds a control character, \, $ or `, or an = beside &quot;, &apos; or %. Move the program to a folder with a plain name.</source>
        <translation>Pulpit nie może uruchomić programu z tego katalogu: jego nazwa nie jest w UTF-8 albo zawiera znak sterujący, \, $ lub ` albo znak = obok &quot;, &apos; lub %. Przenieś program do katalogu o prostej nazwie.</translation>
    </message>
    <message>
        <source>The autostart entry could not be changed.</source>
        <translation>Nie można zmienić wpisu autostartu.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Restores and raises the window.</source>
        <translation>Przywraca okno i przenosi je na pierwszy plan.</translation>
    </message>
    <message>
        <source>Starts countdown timer N (1 to 10) from its set time.</source>
        <translation>Uruchamia minutnik N (od 1 do 10) od ustawionego czasu.</translation>
    </message>
    <message>
        <source>Stops countdown timer N (1 to 10), or silences it. Without N, silences every ringing timer and alarm, as Enter in the window does: for a desktop shortcut.</source>
        <translation>Zatrzymuje minutnik N (od 1 do 10) lub go wycisza. Bez N wycisza wszystkie dzwoniące minutniki i alarmy, tak jak Enter w oknie – do użycia w skrócie klawiszowym pulpitu.</translation>
    </message>
    <message>
        <source>Starts quick timer N (1 to 12, left to right).</source>
        <translation>Uruchamia szybki minutnik N (od 1 do 12, od lewej do prawej).</translation>
    </message>
    <message>
        <source>Snoozes the ringing timers and alarms for %1 minutes, as their notification&apos;s &quot;Snooze %1 min&quot; does.</source>
        <extracomment>&quot;Snooze %1 min&quot; is the notification&apos;s button: as it is translated there. %1 is the snooze&apos;s length in minutes (5).</extracomment>
        <translation>Włącza drzemkę dzwoniących minutników i alarmów na %1 minut, tak jak przycisk „Drzemka %1 min” w ich powiadomieniu.</translation>
    </message>
    <message>
        <source>Starts countdown timer N (1 to 10) again from its set time, ringing or not.</source>
        <translation>Uruchamia minutnik N (od 1 do 10) ponownie od ustawionego czasu, niezależnie od tego, czy dzwoni.</translation>
    </message>
    <message>
        <source>Quits, asking first while a timer runs.</source>
        <translation>Kończy działanie programu, a gdy działa minutnik, najpierw pyta o potwierdzenie.</translation>
    </message>
    <message>
        <source>--set takes a countdown timer (1 to 10), a length (H:MM:SS or a sum of hours, minutes and seconds such as 25m, 90s or 1h30m15s) and, if you like, a message.</source>
        <translation>--set przyjmuje numer minutnika (od 1 do 10), długość (H:MM:SS lub sumę godzin, minut i sekund, np. 25m, 90s albo 1h30m15s) i opcjonalnie komunikat.</translation>
    </message>
    <message>
        <source>--alarm takes an alarm (1 or 2) and on, off or a time such as 7:30, 7:30 AM or 19:30.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>--alarm przyjmuje numer alarmu (1 lub 2) oraz on, off albo godzinę, np. 7:30, 7:30 AM lub 19:30.</translation>
    </message>
    <message>
        <source>--autostart takes on or off, not &apos;%1&apos;.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>--autostart przyjmuje on lub off, a nie „%1”.</translation>
    </message>
    <message>
        <source>--status and --watch go one at a time.</source>
        <translation>Opcji --status i --watch nie można użyć jednocześnie.</translation>
    </message>
    <message>
        <source>--%1 takes no other option but %2.</source>
        <extracomment>%1 is status or watch, %2 the option --json or --plain.</extracomment>
        <translation>Z --%1 można podać tylko opcję %2.</translation>
    </message>
    <message>
        <source>--json goes with --status.</source>
        <translation>Opcji --json można użyć tylko z --status.</translation>
    </message>
    <message>
        <source>--plain goes with --watch.</source>
        <translation>Opcji --plain można użyć tylko z --watch.</translation>
    </message>
    <message>
        <source>Starts in the notification area, the window hidden.</source>
        <translation>Uruchamia program w obszarze powiadomień, z ukrytym oknem.</translation>
    </message>
    <message>
        <source>Starts the program with the desktop (on) or not (off).</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>Uruchamia program razem z pulpitem (on) lub nie (off).</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The value of an option in --help: a timer&apos;s or an alarm&apos;s number.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Gives idle countdown timer N (1 to 10) a LENGTH, H:MM:SS or a sum such as 25m, 90s or 1h30m15s, and a MESSAGE if one follows: --set 3 25m Pasta.</source>
        <extracomment>LENGTH and MESSAGE as in the value of --set (&quot;N LENGTH [MESSAGE]&quot;).</extracomment>
        <translation>Ustawia DŁUGOŚĆ zatrzymanego minutnika N (od 1 do 10) – H:MM:SS lub sumę, np. 25m, 90s albo 1h30m15s – oraz jego KOMUNIKAT, jeśli został podany: --set 3 25m Makaron.</translation>
    </message>
    <message>
        <source>N LENGTH [MESSAGE]</source>
        <extracomment>The value of --set in --help: N, LENGTH and MESSAGE as its help names them.</extracomment>
        <translation>N DŁUGOŚĆ [KOMUNIKAT]</translation>
    </message>
    <message>
        <source>Switches alarm N (1 or 2) on or off, or sets its time: 7:30, 7:30 AM or 19:30.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>Włącza (on) lub wyłącza (off) alarm N (1 lub 2) albo ustawia jego GODZINĘ: 7:30, 7:30 AM lub 19:30.</translation>
    </message>
    <message>
        <source>N on|off|TIME</source>
        <extracomment>The value of --alarm in --help: &quot;on|off&quot; is typed as it is, keep it; N and TIME as its help names them.</extracomment>
        <translation>N on|off|GODZINA</translation>
    </message>
    <message>
        <source>Prints what the running copy has: timers, the stopwatch and the alarms that are on.</source>
        <translation>Wypisuje stan działającej kopii: minutniki, stoper i włączone alarmy.</translation>
    </message>
    <message>
        <source>With --status: as one JSON object (see the manual).</source>
        <translation>Z --status: jako jeden obiekt JSON (zob. podręcznik).</translation>
    </message>
    <message>
        <source>Prints a line for a panel bar at once and at every change, JSON as waybar reads it, until ended.</source>
        <translation>Wypisuje wiersz dla paska panelu od razu i po każdej zmianie, w formacie JSON czytanym przez waybar, aż do przerwania.</translation>
    </message>
    <message>
        <source>With --watch: plain text lines, as polybar and i3blocks read them.</source>
        <translation>Z --watch: wiersze zwykłego tekstu, w postaci czytanej przez polybar i i3blocks.</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <extracomment>%1 is an option (--start) or a D-Bus method (StartTimer).</extracomment>
        <translation>%1 przyjmuje liczbę od %2 do %3, a nie „%4”.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no length a countdown takes: write H:MM:SS (minutes and seconds 0 to 59) or a sum such as 25m, 90s or 1h30m15s, from 1 second to 59:59:59.</source>
        <extracomment>The units h, m and s are typed as they are: keep them.</extracomment>
        <translation>„%1” nie jest poprawną długością minutnika: podaj H:MM:SS (minuty i sekundy od 0 do 59) lub sumę, np. 25m, 90s albo 1h30m15s, od 1 sekundy do 59:59:59.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no time of day: write 7:30, 7:30 AM or 19:30.</source>
        <translation>„%1” nie jest godziną: podaj 7:30, 7:30 AM lub 19:30.</translation>
    </message>
    <message>
        <source>Countdown timers with messages, one-click quick timers, a two-alarm clock with snooze, a stopwatch and a big clock, in one small window.
To set a countdown, right-click its button and choose &quot;Edit Time / Message&quot;; a click starts it.</source>
        <extracomment>&quot;Edit Time / Message&quot; is the entry of the timer&apos;s menu: as it is translated there.</extracomment>
        <translation>Minutniki z komunikatami, szybkie minutniki uruchamiane jednym kliknięciem, budzik z dwoma alarmami i drzemką, stoper i duży zegar – w jednym małym oknie.
Aby ustawić minutnik, kliknij jego przycisk prawym przyciskiem myszy i wybierz „Edytuj czas i komunikat”; zwykłe kliknięcie go uruchamia.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>There is no countdown timer %1.</source>
        <translation>Nie ma minutnika %1.</translation>
    </message>
    <message>
        <source>There is no alarm %1.</source>
        <translation>Nie ma alarmu %1.</translation>
    </message>
    <message>
        <source>The running copy could not do it; its log says why.</source>
        <translation>Działająca kopia nie mogła tego wykonać; przyczyna jest w jej dzienniku.</translation>
    </message>
    <message>
        <source>Timer %1 is ringing, and was not changed.</source>
        <translation>Minutnik %1 dzwoni, więc nie został zmieniony.</translation>
    </message>
    <message>
        <source>Timer %1 is running, and was not changed.</source>
        <translation>Minutnik %1 działa, więc nie został zmieniony.</translation>
    </message>
    <message>
        <source>Timer %1 is open in the editor, and was not changed.</source>
        <translation>Minutnik %1 jest otwarty w edytorze, więc nie został zmieniony.</translation>
    </message>
    <message>
        <source>Timer %1, %2</source>
        <extracomment>%2 is the length set (0:25:00).</extracomment>
        <translation>Minutnik %1, %2</translation>
    </message>
    <message>
        <source>Timer %1: %2, %3</source>
        <extracomment>%2 is the timer&apos;s message, %3 the length set (0:25:00).</extracomment>
        <translation>Minutnik %1: %2, %3</translation>
    </message>
    <message>
        <source>Alarm %1: %2, on</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Alarm %1: %2, włączony</translation>
    </message>
    <message>
        <source>Alarm %1: %2, off</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Alarm %1: %2, wyłączony</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <extracomment>A notification&apos;s button: %1 is the snooze&apos;s length in minutes (5).</extracomment>
        <translation>Drzemka %1 min</translation>
    </message>
    <message>
        <source>Again</source>
        <extracomment>A notification&apos;s button: the timer runs its time again.</extracomment>
        <translation>Jeszcze raz</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>What a click on the notification itself does, where the desktop names it.</extracomment>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Set for %1</source>
        <extracomment>%1 is the timer&apos;s set length (0:25:00).</extracomment>
        <translation>Ustawiony na %1</translation>
    </message>
    <message>
        <source>Set for %1, ran out at %2</source>
        <extracomment>%1 is the timer&apos;s set length (0:25:00), %2 the time of day it ran out.</extracomment>
        <translation>Ustawiony na %1, czas minął o %2</translation>
    </message>
    <message>
        <source>Snoozed: rings again at %1</source>
        <extracomment>%1 is a time of day.</extracomment>
        <translation>Drzemka: zadzwoni ponownie o %1</translation>
    </message>
    <message>
        <source>%1: 1 minute left</source>
        <extracomment>%1 is the timer&apos;s name (Timer 3, or its message).</extracomment>
        <translation>%1: została 1 minuta</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n minutes left</source>
        <extracomment>%1 is the timer&apos;s name (Timer 3, or its message); %n, the minutes, is never 1.</extracomment>
        <translation>
            <numerusform>%1: została %n minuta</numerusform>
            <numerusform>%1: zostały %n minuty</numerusform>
            <numerusform>%1: zostało %n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <translation>Alarm %1</translation>
    </message>
    <message>
        <source>Alarm %1 missed</source>
        <translation>Przegapiony alarm %1</translation>
    </message>
    <message>
        <source>It was due at %1</source>
        <extracomment>%1 is a time of day.</extracomment>
        <translation>Miał zadzwonić o %1</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>Silence ringing timers and alarms</source>
        <translation>Wycisz dzwoniące minutniki i alarmy</translation>
    </message>
    <message>
        <source>Snooze ringing timers and alarms for %1 minutes</source>
        <translation>Włącz drzemkę dzwoniących minutników i alarmów na %1 minut</translation>
    </message>
    <message>
        <source>Show Quorbel</source>
        <translation>Pokaż Quorbel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Hide window</source>
        <translation>Ukryj okno</translation>
    </message>
    <message>
        <source>Brought back from the tray icon</source>
        <translation>Okno można przywrócić ikoną w obszarze powiadomień</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button, 49 px wide</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <extracomment>Title of the alarm clock half, 68 px wide in bold; also an entry of its menu</extracomment>
        <translation>Budzik</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>Button 18 px wide: one letter standing for the alarm clock, which it shows or hides</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>Hide alarm clock</source>
        <translation>Ukryj budzik</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Check box, 52 px wide with its box</extracomment>
        <translation>Dźw.</translation>
    </message>
    <message>
        <source>Timers that run out ring with a sound</source>
        <translation>Minutniki po skończeniu odliczania odtwarzają dźwięk</translation>
    </message>
    <message>
        <source>Recur</source>
        <extracomment>Check box, 50 px wide with its box: the sound repeats (also 56 px for alarm 1)</extracomment>
        <translation>Powt.</translation>
    </message>
    <message>
        <source>The sound repeats until the timer is stopped</source>
        <translation>Dźwięk powtarza się aż do zatrzymania minutnika</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>A timer&apos;s button, 75 px wide, while no message is set</extracomment>
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>Enter stores the time and message, Escape closes</source>
        <translation>Enter zapisuje czas i komunikat, Escape zamyka</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button of the message editor, 147 px wide</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Store time and message</source>
        <translation>Zapisz czas i komunikat</translation>
    </message>
    <message>
        <source>Hours and minutes</source>
        <translation>Godziny i minuty</translation>
    </message>
    <message>
        <source>Hours : Minutes</source>
        <extracomment>Above the two fields of a timer&apos;s time, about 95 px wide</extracomment>
        <translation>Godz. : Min</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>Button 17 px wide: one letter standing for Clear (the time back to zero)</extracomment>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear the time</source>
        <translation>Wyczyść czas</translation>
    </message>
    <message>
        <source>Hours, minutes and seconds back to zero</source>
        <translation>Zeruje godziny, minuty i sekundy</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
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
        <translation>Drzemka alarmu 2</translation>
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
        <translation>WYŁ</translation>
    </message>
    <message>
        <source>Alarm 1 recurs</source>
        <translation>Powtarzanie alarmu 1</translation>
    </message>
    <message>
        <source>Alarm 1 rings until it is switched off</source>
        <translation>Alarm 1 dzwoni, dopóki nie zostanie wyłączony</translation>
    </message>
    <message>
        <source>Copy alarm 1 to alarm 2</source>
        <translation>Skopiuj alarm 1 do alarmu 2</translation>
    </message>
    <message>
        <source>Copy alarm 2 to alarm 1</source>
        <translation>Skopiuj alarm 2 do alarmu 1</translation>
    </message>
    <message>
        <source>Test alarm</source>
        <extracomment>Button, 55 px wide and 17 px high</extracomment>
        <translation>Przetestuj</translation>
    </message>
    <message>
        <source>30 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>30 min</translation>
    </message>
    <message>
        <source>Start ON</source>
        <extracomment>Check box, 61 px wide with its box: the alarms are switched on when the program starts</extracomment>
        <translation>Start WŁ</translation>
    </message>
    <message>
        <source>Alarms on at start</source>
        <translation>Włączanie alarmów przy uruchomieniu</translation>
    </message>
    <message>
        <source>Edit Time / Message</source>
        <extracomment>Menu entry of a timer: set its time and its message</extracomment>
        <translation>Edytuj czas i komunikat</translation>
    </message>
    <message>
        <source>Alert options…</source>
        <translation>Opcje sygnału…</translation>
    </message>
    <message>
        <source>Minimize on timer</source>
        <translation>Minimalizuj po uruchomieniu minutnika</translation>
    </message>
    <message>
        <source>Processes</source>
        <extracomment>Menu entry that opens the list of programs started at set times</extracomment>
        <translation>Procesy</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Uruchamiaj razem z pulpitem</translation>
    </message>
    <message>
        <source>Alarm 1 alert options…</source>
        <translation>Opcje sygnału alarmu 1…</translation>
    </message>
    <message>
        <source>Alarm 2 alert options…</source>
        <translation>Opcje sygnału alarmu 2…</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Stopwatch menu: back to zero</extracomment>
        <translation>Wyzeruj</translation>
    </message>
    <message>
        <source>Close no save</source>
        <extracomment>Menu of the Quit button: quit without saving the settings</extracomment>
        <translation>Zamknij bez zapisywania</translation>
    </message>
    <message>
        <source>Seconds %1+</source>
        <extracomment>A submenu of ten seconds; %1 is the tens, 0 to 5</extracomment>
        <translation>Sekundy %1+</translation>
    </message>
    <message>
        <source>Hide the window; the tray icon brings it back</source>
        <translation>Ukryj okno (przywraca je ikona w obszarze powiadomień)</translation>
    </message>
    <message>
        <source>Stopwatch: click to start or pause; right-click to clear</source>
        <translation>Stoper: kliknij, aby uruchomić lub wstrzymać; kliknij prawym przyciskiem, aby wyzerować</translation>
    </message>
    <message>
        <source>Show the alarm clock</source>
        <translation>Pokaż budzik</translation>
    </message>
    <message>
        <source>Hide the alarm clock</source>
        <translation>Ukryj budzik</translation>
    </message>
    <message>
        <source>Keep the window on top of the others</source>
        <translation>Utrzymuj okno nad innymi oknami</translation>
    </message>
    <message>
        <source>The sound repeats every second until the timer is stopped</source>
        <translation>Dźwięk powtarza się co sekundę aż do zatrzymania minutnika</translation>
    </message>
    <message>
        <source>Quit; right-click to quit without saving</source>
        <translation>Zakończ; kliknij prawym przyciskiem, aby zakończyć bez zapisywania</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Timer still in progress. Quit anyway?</source>
        <translation>Minutnik nadal działa. Czy mimo to zakończyć?</translation>
    </message>
    <message>
        <source>Settings could not be saved. Quit anyway?</source>
        <translation>Nie można zapisać ustawień. Czy mimo to zakończyć?</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Quorbel is ending.</source>
        <extracomment>A D-Bus caller&apos;s answer while the program quits.</extracomment>
        <translation>Quorbel kończy działanie.</translation>
    </message>
    <message>
        <source>cannot open the display; set DISPLAY or run from a desktop session</source>
        <translation>nie można otworzyć ekranu; ustaw DISPLAY lub uruchom program w sesji pulpitu</translation>
    </message>
    <message>
        <source>cannot open the display %1; set DISPLAY or run from a desktop session</source>
        <extracomment>%1 is the display&apos;s name, such as :0.</extracomment>
        <translation>nie można otworzyć ekranu %1; ustaw DISPLAY lub uruchom program w sesji pulpitu</translation>
    </message>
</context>
<context>
    <name>Quorbel</name>
    <message>
        <source>The settings file could not be read and will not be overwritten:
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Nie można odczytać pliku ustawień, więc nie zostanie on nadpisany:
%1</translation>
    </message>
    <message>
        <source>The running timers cannot be kept for the next start, since this file cannot be written:
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Działających minutników nie da się zachować do następnego uruchomienia, ponieważ nie można zapisać tego pliku:
%1</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>Quorbel could not do it; its log says why.</source>
        <translation>Quorbel nie mógł tego wykonać; przyczyna jest w jego dzienniku.</translation>
    </message>
    <message>
        <source>No method %1.</source>
        <extracomment>A D-Bus caller&apos;s error: %1 is the name of a method the program does not have.</extracomment>
        <translation>Brak metody %1.</translation>
    </message>
</context>
<context>
    <name>ScheduleDialog</name>
    <message>
        <source>Start Program</source>
        <extracomment>Dialog title: the list of programs started at set times</extracomment>
        <translation>Uruchamianie programów</translation>
    </message>
    <message>
        <source>Format: [HHMM][filename]
(Place a tilde ~  in position 1 to delimiter a record)</source>
        <extracomment>Two lines, 291 px wide; [HHMM] and the tilde ~ are what the user types, keep them</extracomment>
        <translation>Format: [HHMM][nazwa pliku]
(Tylda ~ na początku wiersza wyłącza rekord)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>1 hour</source>
        <translation>1 godzina</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n godzina</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuta</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 sekunda</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the parts of a time said in words: 5 minutes, 8 seconds</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>0 seconds</source>
        <translation>0 sekund</translation>
    </message>
    <message>
        <source>Space starts or stops the timer; the menu key opens its menu: Edit Time / Message, Alert options</source>
        <extracomment>Edit Time / Message and Alert options are the entries of the timer&apos;s menu</extracomment>
        <translation>Spacja uruchamia lub zatrzymuje minutnik; klawisz menu otwiera jego menu: Edytuj czas i komunikat, Opcje sygnału</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Drzemka %1 min</translation>
    </message>
    <message>
        <source>Click to start or stop; right-click to set the time and message, or how it alerts</source>
        <translation>Kliknij, aby uruchomić lub zatrzymać; kliknij prawym przyciskiem, aby ustawić czas i komunikat albo sposób sygnalizacji</translation>
    </message>
    <message>
        <source>Click to start or stop; right-click shows the time left</source>
        <translation>Kliknij, aby uruchomić lub zatrzymać; kliknięcie prawym przyciskiem pokazuje pozostały czas</translation>
    </message>
    <message>
        <source>The menu key sets the seconds</source>
        <translation>Klawisz menu ustawia sekundy</translation>
    </message>
    <message>
        <source>Right-click to set the seconds</source>
        <translation>Kliknij prawym przyciskiem, aby ustawić sekundy</translation>
    </message>
    <message>
        <source>Quick timer 1 minute</source>
        <translation>Szybki minutnik na 1 minutę</translation>
    </message>
    <message numerus="yes">
        <source>Quick timer %n minutes</source>
        <translation>
            <numerusform>Szybki minutnik na %n minutę</numerusform>
            <numerusform>Szybki minutnik na %n minuty</numerusform>
            <numerusform>Szybki minutnik na %n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>Timer %1, %2</source>
        <extracomment>%1 is the timer&apos;s number, %2 the time it is set to (00:25:00)</extracomment>
        <translation>Minutnik %1, %2</translation>
    </message>
    <message>
        <source>Timer %1: %2, %3</source>
        <extracomment>%1 is the timer&apos;s number, %2 its message, %3 its time</extracomment>
        <translation>Minutnik %1: %2, %3</translation>
    </message>
    <message>
        <source>%1, ringing</source>
        <extracomment>%1 names a timer and its time</extracomment>
        <translation>%1, dzwoni</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>%1 names a timer and its time</extracomment>
        <translation>%1, działa</translation>
    </message>
    <message>
        <source>Timer %1 time left: %2</source>
        <extracomment>%2 is a time in words: 5 minutes, 8 seconds</extracomment>
        <translation>Minutnik %1, pozostało: %2</translation>
    </message>
    <message>
        <source>Keep on top (on)</source>
        <translation>Zawsze na wierzchu (włączone)</translation>
    </message>
    <message>
        <source>Keep on top (off)</source>
        <translation>Zawsze na wierzchu (wyłączone)</translation>
    </message>
    <message>
        <source>Show alarm clock</source>
        <translation>Pokaż budzik</translation>
    </message>
    <message>
        <source>Hide alarm clock</source>
        <translation>Ukryj budzik</translation>
    </message>
    <message>
        <source>Stopwatch, stopped at %1</source>
        <extracomment>%1 is the stopwatch&apos;s time, 1:05 or 2h10</extracomment>
        <translation>Stoper, zatrzymany na %1</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoper</translation>
    </message>
    <message>
        <source>Stopwatch, running</source>
        <translation>Stoper, działa</translation>
    </message>
    <message>
        <source>Alarm %1 time %2:%3 %4</source>
        <extracomment>%2:%3 are the alarm&apos;s hour and minutes on its twelve-hour dial, %4 is AM or PM</extracomment>
        <translation>Alarm %1, godzina %2:%3 %4</translation>
    </message>
    <message>
        <source>Alarm %1 %2</source>
        <extracomment>%2 is AM or PM, which the user clicks to change</extracomment>
        <translation>Alarm %1 %2</translation>
    </message>
    <message>
        <source>Alarm %1: ON</source>
        <translation>Alarm %1: włączony</translation>
    </message>
    <message>
        <source>Alarm %1: OFF</source>
        <translation>Alarm %1: wyłączony</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Confirm</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>Alarm time changed, save new time?</source>
        <translation>Zmieniono godzinę alarmu. Czy zapisać nową godzinę?</translation>
    </message>
</context>
<context>
    <name>StateText</name>
    <message>
        <source>Quick timer %1</source>
        <extracomment>%1 is its length, such as 1:30.</extracomment>
        <translation>Szybki minutnik %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and time</comment>
        <extracomment>%1 is a short day name, %2 a time of day: when an alarm rings next.</extracomment>
        <translation>%2 (%1)</translation>
    </message>
    <message>
        <source>%1: ringing since %2</source>
        <extracomment>%1 is a timer&apos;s name (Timer 3, or its message), %2 a time of day.</extracomment>
        <translation>%1: dzwoni od %2</translation>
    </message>
    <message>
        <source>%1: snoozed, %2 left</source>
        <extracomment>%1 is a timer&apos;s name, %2 the time left (0:04:32).</extracomment>
        <translation>%1: drzemka, pozostało %2</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <extracomment>%1 is a timer&apos;s name, %2 the time left (0:04:32).</extracomment>
        <translation>%1: pozostało %2</translation>
    </message>
    <message>
        <source>Stopwatch: running, %1</source>
        <extracomment>%1 is the time counted (1:15).</extracomment>
        <translation>Stoper: działa, %1</translation>
    </message>
    <message>
        <source>Stopwatch: paused at %1</source>
        <extracomment>%1 is the time counted (1:15).</extracomment>
        <translation>Stoper: wstrzymany na %1</translation>
    </message>
    <message>
        <source>Alarm %1: %2, ringing</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Alarm %1: %2, dzwoni</translation>
    </message>
    <message>
        <source>Alarm %1: %2, snoozing, rings again at %3</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM), %3 a time of day, perhaps with a day name before it.</extracomment>
        <translation>Alarm %1: %2, drzemka, zadzwoni ponownie o %3</translation>
    </message>
    <message>
        <source>Alarm %1: %2, rings at %3</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM), %3 a time of day, perhaps with a day name before it.</extracomment>
        <translation>Alarm %1: %2, zadzwoni o %3</translation>
    </message>
    <message>
        <source>Nothing is running.</source>
        <translation>Nic nie jest uruchomione.</translation>
    </message>
    <message>
        <source>Quorbel is not running.</source>
        <translation>Quorbel nie jest uruchomiony.</translation>
    </message>
    <message>
        <source>%1 ringing</source>
        <extracomment>A panel bar&apos;s short line: %1 is a timer&apos;s name.</extracomment>
        <translation>%1 dzwoni</translation>
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
        <translation>Stoper</translation>
    </message>
</context>
<context>
    <name>Timers</name>
    <message>
        <source>Quick timer %1 min</source>
        <extracomment>A quick timer&apos;s name: %1 is its length in minutes.</extracomment>
        <translation>Szybki minutnik %1 min</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <extracomment>A countdown&apos;s name where it has no message: %1 is its number, 1 to 10.</extracomment>
        <translation>Minutnik %1</translation>
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
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Tray menu entry</extracomment>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quorbel is not running.</source>
        <translation>Quorbel nie jest uruchomiony.</translation>
    </message>
</context>
<context>
    <name>platform::LogindPower</name>
    <message>
        <source>Keeping the running timers on disk</source>
        <extracomment>Why the program holds the machine&apos;s sleep back a moment, as the desktop lists it.</extracomment>
        <translation>Zapisywanie działających minutników na dysku</translation>
    </message>
    <message>
        <source>A timer rings</source>
        <extracomment>Why the program keeps the screen from going idle, as the desktop lists it.</extracomment>
        <translation>Dzwoni minutnik</translation>
    </message>
</context>
<context>
    <name>platform::SingleInstance</name>
    <message>
        <source>the settings folder %1 takes no lock (%2): a second copy on it cannot be kept out</source>
        <translation>katalog ustawień %1 nie obsługuje blokad (%2): nie można zapobiec uruchomieniu na nim drugiej kopii</translation>
    </message>
    <message>
        <source>the command is too long to hand to the running copy; nothing was done</source>
        <translation>polecenie jest zbyt długie, by przekazać je działającej kopii; nic nie zrobiono</translation>
    </message>
    <message>
        <source>cannot take the lock %1 (%2): a copy of another user&apos;s may be using these settings, and no second copy runs beside it</source>
        <translation>nie można założyć blokady %1 (%2): z tych ustawień może korzystać kopia innego użytkownika, a obok niej nie zostanie uruchomiona druga kopia</translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings, and no second copy runs beside it</source>
        <translation>z tych ustawień korzysta kopia innego użytkownika, a obok niej nie zostanie uruchomiona druga kopia</translation>
    </message>
    <message>
        <source>another copy holds these settings but does not answer</source>
        <translation>z tych ustawień korzysta inna kopia, ale nie odpowiada</translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings</source>
        <translation>z tych ustawień korzysta kopia innego użytkownika</translation>
    </message>
</context>
</TS>
