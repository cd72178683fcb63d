<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AlarmPanel</name>
    <message>
        <source>ON</source>
        <extracomment>An alarm&apos;s switch when on, a button of 54 by 53 px</extracomment>
        <translation>ACCESO</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>An alarm&apos;s switch when off, a button of 54 by 53 px</extracomment>
        <translation>SPENTO</translation>
    </message>
    <message>
        <source>Rings only while the computer is awake</source>
        <extracomment>Tip of the alarms&apos; ON/OFF buttons where the system cannot wake the computer for them</extracomment>
        <translation>Suona solo se il computer non è in sospensione</translation>
    </message>
</context>
<context>
    <name>AlertOptionsDialog</name>
    <message>
        <source>Alarm2.wav, which plays once, keeps its volume from the start</source>
        <translation>Alarm2.wav, che suona una volta sola, ha subito il volume impostato</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Sveglia</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Campanello</translation>
    </message>
    <message>
        <source>Complete</source>
        <extracomment>A sound that says something is finished</extracomment>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>A sound: the one the desktop plays for an incoming message</extracomment>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avvertimento</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Suono</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Button, 68 px wide</extracomment>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Riproduci il suono</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Start so&amp;ftly (rising over 15 seconds)</source>
        <translation>Inizia pia&amp;no (crescendo in 15 secondi)</translation>
    </message>
    <message>
        <source> min</source>
        <extracomment>After the number of minutes in a box; keep the space if the unit is spaced</extracomment>
        <translation> min</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>In the box of minutes, for no warning</extracomment>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>&amp;Warn before</source>
        <translation>&amp;Preavviso</translation>
    </message>
    <message>
        <source>&amp;Repeat: start again when acknowledged</source>
        <translation>&amp;Riavvio: riparte quando viene silenziato</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Alarm1.wav or Alarm2.wav</source>
        <extracomment>The program&apos;s own two sounds; the file names stay as they are</extracomment>
        <translation>Alarm1.wav o Alarm2.wav</translation>
    </message>
    <message>
        <source>As the Sound and Recur boxes say</source>
        <translation>Come indicano le caselle Suono e Ripeti</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No sound at all</extracomment>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Un file…</translation>
    </message>
    <message>
        <source>Alert options – %1</source>
        <extracomment>Dialog title; %1 names the timer or the alarm</extracomment>
        <translation>Opzioni di avviso – %1</translation>
    </message>
    <message>
        <source>A sound for the alert</source>
        <translation>Scegli un suono per l&apos;avviso</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.oga *.flac);;All files (*)</source>
        <extracomment>File dialog filters: keep the patterns in brackets and the ;; between them</extracomment>
        <translation>Suoni (*.wav *.ogg *.oga *.flac);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>This sound could not be played</source>
        <translation>Impossibile riprodurre questo suono</translation>
    </message>
</context>
<context>
    <name>AlertTuner</name>
    <message>
        <source>Alarm %1</source>
        <translation>Allarme %1</translation>
    </message>
</context>
<context>
    <name>AutostartOption</name>
    <message>
        <source>Your own autostart entry, quorbel.desktop, is left as it is; the desktop starts the program as it says.</source>
        <translation>La voce di avvio automatico quorbel.desktop è stata creata dall&apos;utente e resta com&apos;è: il desktop avvia il programma come indicato in essa.</translation>
    </message>
    <message>
        <source>The desktop cannot start the program from this folder: its name is not UTF-8, or holds a control character, \, $ or `, or an = beside &quot;, &apos; or %. Move the program to a folder with a plain name.</source>
        <translation>Il desktop non può avviare il programma da questa cartella: il suo nome non è in UTF-8 oppure contiene un carattere di controllo, \, $ o `, o un = accanto a &quot;, &apos; o %. Spostare il programma in una cartella con un nome semplice.</translation>
    </message>
    <message>
        <source>The autostart entry could not be changed.</source>
        <translation>Impossibile modificare la voce di avvio automatico.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Restores and raises the window.</source>
        <translation>Ripristina la finestra e la porta in primo piano.</translation>
    </message>
    <message>
        <source>Starts countdown timer N (1 to 10) from its set time.</source>
        <translation>Avvia il timer N (da 1 a 10) dal tempo impostato.</translation>
    </message>
    <message>
        <source>Stops countdown timer N (1 to 10), or silences it. Without N, silences every ringing timer and alarm, as Enter in the window does: for a desktop shortcut.</source>
        <translation>Ferma il timer N (da 1 a 10) o lo silenzia. Senza N, silenzia tutti i timer e gli allarmi che suonano, come fa Invio nella finestra: utile per una scorciatoia del desktop.</translation>
    </message>
    <message>
        <source>Starts quick timer N (1 to 12, left to right).</source>
        <translation>Avvia il timer rapido N (da 1 a 12, da sinistra a destra).</translation>
    </message>
    <message>
        <source>Snoozes the ringing timers and alarms for %1 minutes, as their notification&apos;s &quot;Snooze %1 min&quot; does.</source>
        <extracomment>&quot;Snooze %1 min&quot; is the notification&apos;s button: as it is translated there. %1 is the snooze&apos;s length in minutes (5).</extracomment>
        <translation>Posticipa di %1 minuti i timer e gli allarmi che suonano, come fa «Posticipa di %1 min» nella loro notifica.</translation>
    </message>
    <message>
        <source>Starts countdown timer N (1 to 10) again from its set time, ringing or not.</source>
        <translation>Riavvia il timer N (da 1 a 10) dal tempo impostato, che stia suonando o no.</translation>
    </message>
    <message>
        <source>Quits, asking first while a timer runs.</source>
        <translation>Esce, chiedendo prima conferma se un timer è in corso.</translation>
    </message>
    <message>
        <source>--set takes a countdown timer (1 to 10), a length (H:MM:SS or a sum of hours, minutes and seconds such as 25m, 90s or 1h30m15s) and, if you like, a message.</source>
        <translation>--set richiede un timer (da 1 a 10), una durata (H:MM:SS o una somma di ore, minuti e secondi come 25m, 90s o 1h30m15s) e, se si vuole, un messaggio.</translation>
    </message>
    <message>
        <source>--alarm takes an alarm (1 or 2) and on, off or a time such as 7:30, 7:30 AM or 19:30.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>--alarm richiede un allarme (1 o 2) e on, off o un orario come 7:30, 7:30 AM o 19:30.</translation>
    </message>
    <message>
        <source>--autostart takes on or off, not &apos;%1&apos;.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>--autostart richiede on oppure off, non «%1».</translation>
    </message>
    <message>
        <source>--status and --watch go one at a time.</source>
        <translation>--status e --watch non si possono usare insieme.</translation>
    </message>
    <message>
        <source>--%1 takes no other option but %2.</source>
        <extracomment>%1 is status or watch, %2 the option --json or --plain.</extracomment>
        <translation>--%1 non accetta altre opzioni oltre a %2.</translation>
    </message>
    <message>
        <source>--json goes with --status.</source>
        <translation>--json si usa solo con --status.</translation>
    </message>
    <message>
        <source>--plain goes with --watch.</source>
        <translation>--plain si usa solo con --watch.</translation>
    </message>
    <message>
        <source>Starts in the notification area, the window hidden.</source>
        <translation>Avvia nell&apos;area di notifica, con la finestra nascosta.</translation>
    </message>
    <message>
        <source>Starts the program with the desktop (on) or not (off).</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>Avvia il programma insieme al desktop (on) o no (off).</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The value of an option in --help: a timer&apos;s or an alarm&apos;s number.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Gives idle countdown timer N (1 to 10) a LENGTH, H:MM:SS or a sum such as 25m, 90s or 1h30m15s, and a MESSAGE if one follows: --set 3 25m Pasta.</source>
        <extracomment>LENGTH and MESSAGE as in the value of --set (&quot;N LENGTH [MESSAGE]&quot;).</extracomment>
        <translation>Assegna al timer N (da 1 a 10), se è fermo, una DURATA, H:MM:SS o una somma come 25m, 90s o 1h30m15s, e un MESSAGGIO, se segue: --set 3 25m Pasta.</translation>
    </message>
    <message>
        <source>N LENGTH [MESSAGE]</source>
        <extracomment>The value of --set in --help: N, LENGTH and MESSAGE as its help names them.</extracomment>
        <translation>N DURATA [MESSAGGIO]</translation>
    </message>
    <message>
        <source>Switches alarm N (1 or 2) on or off, or sets its time: 7:30, 7:30 AM or 19:30.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>Accende (on) o spegne (off) l&apos;allarme N (1 o 2), o ne imposta l&apos;orario: 7:30, 7:30 AM o 19:30.</translation>
    </message>
    <message>
        <source>N on|off|TIME</source>
        <extracomment>The value of --alarm in --help: &quot;on|off&quot; is typed as it is, keep it; N and TIME as its help names them.</extracomment>
        <translation>N on|off|ORARIO</translation>
    </message>
    <message>
        <source>Prints what the running copy has: timers, the stopwatch and the alarms that are on.</source>
        <translation>Mostra lo stato dell&apos;istanza in esecuzione: timer, cronometro e allarmi accesi.</translation>
    </message>
    <message>
        <source>With --status: as one JSON object (see the manual).</source>
        <translation>Con --status: come un unico oggetto JSON (vedere il manuale).</translation>
    </message>
    <message>
        <source>Prints a line for a panel bar at once and at every change, JSON as waybar reads it, until ended.</source>
        <translation>Scrive una riga per una barra del pannello subito e a ogni cambiamento, in JSON come lo legge waybar, fino a quando non viene terminato.</translation>
    </message>
    <message>
        <source>With --watch: plain text lines, as polybar and i3blocks read them.</source>
        <translation>Con --watch: righe di testo semplice, come le leggono polybar e i3blocks.</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <extracomment>%1 is an option (--start) or a D-Bus method (StartTimer).</extracomment>
        <translation>%1 richiede un numero da %2 a %3, non «%4».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no length a countdown takes: write H:MM:SS (minutes and seconds 0 to 59) or a sum such as 25m, 90s or 1h30m15s, from 1 second to 59:59:59.</source>
        <extracomment>The units h, m and s are typed as they are: keep them.</extracomment>
        <translation>«%1» non è una durata valida per un timer: scrivere H:MM:SS (minuti e secondi da 0 a 59) o una somma come 25m, 90s o 1h30m15s, da 1 secondo a 59:59:59.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no time of day: write 7:30, 7:30 AM or 19:30.</source>
        <translation>«%1» non è un orario: scrivere 7:30, 7:30 AM o 19:30.</translation>
    </message>
    <message>
        <source>Countdown timers with messages, one-click quick timers, a two-alarm clock with snooze, a stopwatch and a big clock, in one small window.
To set a countdown, right-click its button and choose &quot;Edit Time / Message&quot;; a click starts it.</source>
        <extracomment>&quot;Edit Time / Message&quot; is the entry of the timer&apos;s menu: as it is translated there.</extracomment>
        <translation>Timer con messaggio, timer rapidi da avviare con un clic, una sveglia a due allarmi con posticipo, un cronometro e un grande orologio, in una piccola finestra.
Per impostare un timer, fare clic destro sul suo pulsante e scegliere «Modifica tempo / messaggio»; un clic lo avvia.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>There is no countdown timer %1.</source>
        <translation>Il timer %1 non esiste.</translation>
    </message>
    <message>
        <source>There is no alarm %1.</source>
        <translation>L&apos;allarme %1 non esiste.</translation>
    </message>
    <message>
        <source>The running copy could not do it; its log says why.</source>
        <translation>L&apos;istanza in esecuzione non è riuscita a farlo; il motivo è nel suo registro.</translation>
    </message>
    <message>
        <source>Timer %1 is ringing, and was not changed.</source>
        <translation>Il timer %1 sta suonando e non è stato modificato.</translation>
    </message>
    <message>
        <source>Timer %1 is running, and was not changed.</source>
        <translation>Il timer %1 è in corso e non è stato modificato.</translation>
    </message>
    <message>
        <source>Timer %1 is open in the editor, and was not changed.</source>
        <translation>Il timer %1 è aperto nell&apos;editor e non è stato modificato.</translation>
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
        <translation>Allarme %1: %2, acceso</translation>
    </message>
    <message>
        <source>Alarm %1: %2, off</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Allarme %1: %2, spento</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <extracomment>A notification&apos;s button: %1 is the snooze&apos;s length in minutes (5).</extracomment>
        <translation>Posticipa di %1 min</translation>
    </message>
    <message>
        <source>Again</source>
        <extracomment>A notification&apos;s button: the timer runs its time again.</extracomment>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>What a click on the notification itself does, where the desktop names it.</extracomment>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Set for %1</source>
        <extracomment>%1 is the timer&apos;s set length (0:25:00).</extracomment>
        <translation>Impostato su %1</translation>
    </message>
    <message>
        <source>Set for %1, ran out at %2</source>
        <extracomment>%1 is the timer&apos;s set length (0:25:00), %2 the time of day it ran out.</extracomment>
        <translation>Impostato su %1, scaduto alle %2</translation>
    </message>
    <message>
        <source>Snoozed: rings again at %1</source>
        <extracomment>%1 is a time of day.</extracomment>
        <translation>Posticipato: suona di nuovo alle %1</translation>
    </message>
    <message>
        <source>%1: 1 minute left</source>
        <extracomment>%1 is the timer&apos;s name (Timer 3, or its message).</extracomment>
        <translation>%1: manca 1 minuto</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n minutes left</source>
        <extracomment>%1 is the timer&apos;s name (Timer 3, or its message); %n, the minutes, is never 1.</extracomment>
        <translation>
            <numerusform>%1: manca %n minuto</numerusform>
            <numerusform>%1: mancano %n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <translation>Allarme %1</translation>
    </message>
    <message>
        <source>Alarm %1 missed</source>
        <translation>Allarme %1 perso</translation>
    </message>
    <message>
        <source>It was due at %1</source>
        <extracomment>%1 is a time of day.</extracomment>
        <translation>Doveva suonare alle %1</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>Silence ringing timers and alarms</source>
        <translation>Silenzia i timer e gli allarmi che suonano</translation>
    </message>
    <message>
        <source>Snooze ringing timers and alarms for %1 minutes</source>
        <translation>Posticipa di %1 minuti i timer e gli allarmi che suonano</translation>
    </message>
    <message>
        <source>Show Quorbel</source>
        <translation>Mostra Quorbel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Hide window</source>
        <translation>Nascondi finestra</translation>
    </message>
    <message>
        <source>Brought back from the tray icon</source>
        <translation>Si riapre dall&apos;icona nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button, 49 px wide</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <extracomment>Title of the alarm clock half, 68 px wide in bold; also an entry of its menu</extracomment>
        <translation>Sveglia</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>Button 18 px wide: one letter standing for the alarm clock, which it shows or hides</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>Hide alarm clock</source>
        <translation>Nascondi sveglia</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Check box, 52 px wide with its box</extracomment>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Timers that run out ring with a sound</source>
        <translation>I timer scaduti emettono un suono</translation>
    </message>
    <message>
        <source>Recur</source>
        <extracomment>Check box, 50 px wide with its box: the sound repeats (also 56 px for alarm 1)</extracomment>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>The sound repeats until the timer is stopped</source>
        <translation>Il suono si ripete finché il timer non viene fermato</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>A timer&apos;s button, 75 px wide, while no message is set</extracomment>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Enter stores the time and message, Escape closes</source>
        <translation>Invio memorizza tempo e messaggio, Esc chiude</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button of the message editor, 147 px wide</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Store time and message</source>
        <translation>Memorizza tempo e messaggio</translation>
    </message>
    <message>
        <source>Hours and minutes</source>
        <translation>Ore e minuti</translation>
    </message>
    <message>
        <source>Hours : Minutes</source>
        <extracomment>Above the two fields of a timer&apos;s time, about 95 px wide</extracomment>
        <translation>Ore : Minuti</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>Button 17 px wide: one letter standing for Clear (the time back to zero)</extracomment>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear the time</source>
        <translation>Azzera il tempo</translation>
    </message>
    <message>
        <source>Hours, minutes and seconds back to zero</source>
        <translation>Ore, minuti e secondi tornano a zero</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>ALARM 1</source>
        <extracomment>Heading over alarm 1, 46 px wide</extracomment>
        <translation>Allarme 1</translation>
    </message>
    <message>
        <source>ALARM 2</source>
        <extracomment>Heading over alarm 2, 46 px wide</extracomment>
        <translation>Allarme 2</translation>
    </message>
    <message>
        <source>ALARM 2 - Snooze</source>
        <extracomment>Heading over the snooze lengths of alarm 2, 91 px wide</extracomment>
        <translation>Posticipo allarme 2</translation>
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
        <translation>SPENTO</translation>
    </message>
    <message>
        <source>Alarm 1 recurs</source>
        <translation>Ripetizione allarme 1</translation>
    </message>
    <message>
        <source>Alarm 1 rings until it is switched off</source>
        <translation>L&apos;allarme 1 suona finché non viene spento</translation>
    </message>
    <message>
        <source>Copy alarm 1 to alarm 2</source>
        <translation>Copia l&apos;allarme 1 nell&apos;allarme 2</translation>
    </message>
    <message>
        <source>Copy alarm 2 to alarm 1</source>
        <translation>Copia l&apos;allarme 2 nell&apos;allarme 1</translation>
    </message>
    <message>
        <source>Test alarm</source>
        <extracomment>Button, 55 px wide and 17 px high</extracomment>
        <translation>Prova</translation>
    </message>
    <message>
        <source>30 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>30 min</translation>
    </message>
    <message>
        <source>Start ON</source>
        <extracomment>Check box, 61 px wide with its box: the alarms are switched on when the program starts</extracomment>
        <translation>All&apos;avvio</translation>
    </message>
    <message>
        <source>Alarms on at start</source>
        <translation>Allarmi accesi all&apos;avvio</translation>
    </message>
    <message>
        <source>Edit Time / Message</source>
        <extracomment>Menu entry of a timer: set its time and its message</extracomment>
        <translation>Modifica tempo / messaggio</translation>
    </message>
    <message>
        <source>Alert options…</source>
        <translation>Opzioni di avviso…</translation>
    </message>
    <message>
        <source>Minimize on timer</source>
        <translation>Minimizza all&apos;avvio di un timer</translation>
    </message>
    <message>
        <source>Processes</source>
        <extracomment>Menu entry that opens the list of programs started at set times</extracomment>
        <translation>Processi</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Avvia con il desktop</translation>
    </message>
    <message>
        <source>Alarm 1 alert options…</source>
        <translation>Opzioni di avviso dell&apos;allarme 1…</translation>
    </message>
    <message>
        <source>Alarm 2 alert options…</source>
        <translation>Opzioni di avviso dell&apos;allarme 2…</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Stopwatch menu: back to zero</extracomment>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Close no save</source>
        <extracomment>Menu of the Quit button: quit without saving the settings</extracomment>
        <translation>Chiudi senza salvare</translation>
    </message>
    <message>
        <source>Seconds %1+</source>
        <extracomment>A submenu of ten seconds; %1 is the tens, 0 to 5</extracomment>
        <translation>Secondi %1+</translation>
    </message>
    <message>
        <source>Hide the window; the tray icon brings it back</source>
        <translation>Nascondi la finestra; l&apos;icona nell&apos;area di notifica la riapre</translation>
    </message>
    <message>
        <source>Stopwatch: click to start or pause; right-click to clear</source>
        <translation>Cronometro: clic per avviare o mettere in pausa; clic destro per azzerare</translation>
    </message>
    <message>
        <source>Show the alarm clock</source>
        <translation>Mostra la sveglia</translation>
    </message>
    <message>
        <source>Hide the alarm clock</source>
        <translation>Nascondi la sveglia</translation>
    </message>
    <message>
        <source>Keep the window on top of the others</source>
        <translation>Mantieni la finestra sopra le altre</translation>
    </message>
    <message>
        <source>The sound repeats every second until the timer is stopped</source>
        <translation>Il suono si ripete ogni secondo finché il timer non viene fermato</translation>
    </message>
    <message>
        <source>Quit; right-click to quit without saving</source>
        <translation>Esci; clic destro per uscire senza salvare</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Timer still in progress. Quit anyway?</source>
        <translation>Un timer è ancora in corso. Uscire comunque?</translation>
    </message>
    <message>
        <source>Settings could not be saved. Quit anyway?</source>
        <translation>Impossibile salvare le impostazioni. Uscire comunque?</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Quorbel is ending.</source>
        <extracomment>A D-Bus caller&apos;s answer while the program quits.</extracomment>
        <translation>Quorbel sta terminando.</translation>
    </message>
    <message>
        <source>cannot open the display; set DISPLAY or run from a desktop session</source>
        <translation>impossibile aprire il display; impostare DISPLAY o avviare da una sessione desktop</translation>
    </message>
    <message>
        <source>cannot open the display %1; set DISPLAY or run from a desktop session</source>
        <extracomment>%1 is the display&apos;s name, such as :0.</extracomment>
        <translation>impossibile aprire il display %1; impostare DISPLAY o avviare da una sessione desktop</translation>
    </message>
</context>
<context>
    <name>Quorbel</name>
    <message>
        <source>The settings file could not be read and will not be overwritten:
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Impossibile leggere il file delle impostazioni, che non verrà sovrascritto:
%1</translation>
    </message>
    <message>
        <source>The running timers cannot be kept for the next start, since this file cannot be written:
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>I timer in corso non potranno essere conservati fino al prossimo avvio, perché non è possibile scrivere questo file:
%1</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>Quorbel could not do it; its log says why.</source>
        <translation>Quorbel non è riuscito a farlo; il motivo è nel suo registro.</translation>
    </message>
    <message>
        <source>No method %1.</source>
        <extracomment>A D-Bus caller&apos;s error: %1 is the name of a method the program does not have.</extracomment>
        <translation>Il metodo %1 non esiste.</translation>
    </message>
</context>
<context>
    <name>ScheduleDialog</name>
    <message>
        <source>Start Program</source>
        <extracomment>Dialog title: the list of programs started at set times</extracomment>
        <translation>Avvia programma</translation>
    </message>
    <message>
        <source>Format: [HHMM][filename]
(Place a tilde ~  in position 1 to delimiter a record)</source>
        <extracomment>Two lines, 291 px wide; [HHMM] and the tilde ~ are what the user types, keep them</extracomment>
        <translation>Formato: [HHMM][nomefile]
(Mettere una tilde ~ in posizione 1 per disattivare la riga)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>1 hour</source>
        <translation>1 ora</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 secondo</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the parts of a time said in words: 5 minutes, 8 seconds</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>0 seconds</source>
        <translation>0 secondi</translation>
    </message>
    <message>
        <source>Space starts or stops the timer; the menu key opens its menu: Edit Time / Message, Alert options</source>
        <extracomment>Edit Time / Message and Alert options are the entries of the timer&apos;s menu</extracomment>
        <translation>Spazio avvia o ferma il timer; il tasto Menu apre il suo menu: Modifica tempo / messaggio, Opzioni di avviso</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Posticipo di %1 min</translation>
    </message>
    <message>
        <source>Click to start or stop; right-click to set the time and message, or how it alerts</source>
        <translation>Clic per avviare o fermare; clic destro per impostare tempo e messaggio, o il modo di avviso</translation>
    </message>
    <message>
        <source>Click to start or stop; right-click shows the time left</source>
        <translation>Clic per avviare o fermare; il clic destro mostra il tempo rimanente</translation>
    </message>
    <message>
        <source>The menu key sets the seconds</source>
        <translation>Il tasto Menu imposta i secondi</translation>
    </message>
    <message>
        <source>Right-click to set the seconds</source>
        <translation>Clic destro per impostare i secondi</translation>
    </message>
    <message>
        <source>Quick timer 1 minute</source>
        <translation>Timer rapido di 1 minuto</translation>
    </message>
    <message numerus="yes">
        <source>Quick timer %n minutes</source>
        <translation>
            <numerusform>Timer rapido di %n minuto</numerusform>
            <numerusform>Timer rapido di %n minuti</numerusform>
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
        <translation>%1, sta suonando</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>%1 names a timer and its time</extracomment>
        <translation>%1, in corso</translation>
    </message>
    <message>
        <source>Timer %1 time left: %2</source>
        <extracomment>%2 is a time in words: 5 minutes, 8 seconds</extracomment>
        <translation>Timer %1, tempo rimanente: %2</translation>
    </message>
    <message>
        <source>Keep on top (on)</source>
        <translation>Mantieni sopra le altre (attivo)</translation>
    </message>
    <message>
        <source>Keep on top (off)</source>
        <translation>Mantieni sopra le altre (non attivo)</translation>
    </message>
    <message>
        <source>Show alarm clock</source>
        <translation>Mostra sveglia</translation>
    </message>
    <message>
        <source>Hide alarm clock</source>
        <translation>Nascondi sveglia</translation>
    </message>
    <message>
        <source>Stopwatch, stopped at %1</source>
        <extracomment>%1 is the stopwatch&apos;s time, 1:05 or 2h10</extracomment>
        <translation>Cronometro, fermo a %1</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronometro</translation>
    </message>
    <message>
        <source>Stopwatch, running</source>
        <translation>Cronometro, in corso</translation>
    </message>
    <message>
        <source>Alarm %1 time %2:%3 %4</source>
        <extracomment>%2:%3 are the alarm&apos;s hour and minutes on its twelve-hour dial, %4 is AM or PM</extracomment>
        <translation>Allarme %1, orario %2:%3 %4</translation>
    </message>
    <message>
        <source>Alarm %1 %2</source>
        <extracomment>%2 is AM or PM, which the user clicks to change</extracomment>
        <translation>Allarme %1 %2</translation>
    </message>
    <message>
        <source>Alarm %1: ON</source>
        <translation>Allarme %1: acceso</translation>
    </message>
    <message>
        <source>Alarm %1: OFF</source>
        <translation>Allarme %1: spento</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Alarm time changed, save new time?</source>
        <translation>L&apos;orario dell&apos;allarme è cambiato. Salvare il nuovo orario?</translation>
    </message>
</context>
<context>
    <name>StateText</name>
    <message>
        <source>Quick timer %1</source>
        <extracomment>%1 is its length, such as 1:30.</extracomment>
        <translation>Timer rapido %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and time</comment>
        <extracomment>%1 is a short day name, %2 a time of day: when an alarm rings next.</extracomment>
        <translation>%2 di %1</translation>
    </message>
    <message>
        <source>%1: ringing since %2</source>
        <extracomment>%1 is a timer&apos;s name (Timer 3, or its message), %2 a time of day.</extracomment>
        <translation>%1: suona dalle %2</translation>
    </message>
    <message>
        <source>%1: snoozed, %2 left</source>
        <extracomment>%1 is a timer&apos;s name, %2 the time left (0:04:32).</extracomment>
        <translation>%1: posticipato, mancano %2</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <extracomment>%1 is a timer&apos;s name, %2 the time left (0:04:32).</extracomment>
        <translation>%1: mancano %2</translation>
    </message>
    <message>
        <source>Stopwatch: running, %1</source>
        <extracomment>%1 is the time counted (1:15).</extracomment>
        <translation>Cronometro: in corso, %1</translation>
    </message>
    <message>
        <source>Stopwatch: paused at %1</source>
        <extracomment>%1 is the time counted (1:15).</extracomment>
        <translation>Cronometro: in pausa a %1</translation>
    </message>
    <message>
        <source>Alarm %1: %2, ringing</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Allarme %1: %2, sta suonando</translation>
    </message>
    <message>
        <source>Alarm %1: %2, snoozing, rings again at %3</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM), %3 a time of day, perhaps with a day name before it.</extracomment>
        <translation>Allarme %1: %2, posticipato, suona di nuovo alle %3</translation>
    </message>
    <message>
        <source>Alarm %1: %2, rings at %3</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM), %3 a time of day, perhaps with a day name before it.</extracomment>
        <translation>Allarme %1: %2, suona alle %3</translation>
    </message>
    <message>
        <source>Nothing is running.</source>
        <translation>Nulla in corso.</translation>
    </message>
    <message>
        <source>Quorbel is not running.</source>
        <translation>Quorbel non è in esecuzione.</translation>
    </message>
    <message>
        <source>%1 ringing</source>
        <extracomment>A panel bar&apos;s short line: %1 is a timer&apos;s name.</extracomment>
        <translation>%1 suona</translation>
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
        <translation>Crono</translation>
    </message>
</context>
<context>
    <name>Timers</name>
    <message>
        <source>Quick timer %1 min</source>
        <extracomment>A quick timer&apos;s name: %1 is its length in minutes.</extracomment>
        <translation>Timer rapido %1 min</translation>
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
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Tray menu entry</extracomment>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quorbel is not running.</source>
        <translation>Quorbel non è in esecuzione.</translation>
    </message>
</context>
<context>
    <name>platform::LogindPower</name>
    <message>
        <source>Keeping the running timers on disk</source>
        <extracomment>Why the program holds the machine&apos;s sleep back a moment, as the desktop lists it.</extracomment>
        <translation>Salvataggio su disco dei timer in corso</translation>
    </message>
    <message>
        <source>A timer rings</source>
        <extracomment>Why the program keeps the screen from going idle, as the desktop lists it.</extracomment>
        <translation>Un timer sta suonando</translation>
    </message>
</context>
<context>
    <name>platform::SingleInstance</name>
    <message>
        <source>the settings folder %1 takes no lock (%2): a second copy on it cannot be kept out</source>
        <translation>la cartella delle impostazioni %1 non supporta i blocchi (%2): non è possibile impedire che vi si avvii una seconda istanza</translation>
    </message>
    <message>
        <source>the command is too long to hand to the running copy; nothing was done</source>
        <translation>il comando è troppo lungo per passarlo all&apos;istanza in esecuzione; non è stato fatto nulla</translation>
    </message>
    <message>
        <source>cannot take the lock %1 (%2): a copy of another user&apos;s may be using these settings, and no second copy runs beside it</source>
        <translation>impossibile ottenere il blocco %1 (%2): un&apos;istanza di un altro utente potrebbe usare queste impostazioni, e non se ne può avviare una seconda accanto</translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings, and no second copy runs beside it</source>
        <translation>un&apos;istanza di un altro utente usa queste impostazioni, e non se ne può avviare una seconda accanto</translation>
    </message>
    <message>
        <source>another copy holds these settings but does not answer</source>
        <translation>un&apos;altra istanza usa queste impostazioni ma non risponde</translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings</source>
        <translation>un&apos;istanza di un altro utente usa queste impostazioni</translation>
    </message>
</context>
</TS>
