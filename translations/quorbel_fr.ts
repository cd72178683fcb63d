<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AlarmPanel</name>
    <message>
        <source>ON</source>
        <extracomment>An alarm&apos;s switch when on, a button of 54 by 53 px</extracomment>
        <translation>MARCHE</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>An alarm&apos;s switch when off, a button of 54 by 53 px</extracomment>
        <translation>ARRÊT</translation>
    </message>
    <message>
        <source>Rings only while the computer is awake</source>
        <extracomment>Tip of the alarms&apos; ON/OFF buttons where the system cannot wake the computer for them</extracomment>
        <translation>Ne sonne que si l’ordinateur n’est pas en veille</translation>
    </message>
</context>
<context>
    <name>AlertOptionsDialog</name>
    <message>
        <source>Alarm2.wav, which plays once, keeps its volume from the start</source>
        <translation>Alarm2.wav, joué une seule fois, garde son volume dès le début</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Réveil</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Complete</source>
        <extracomment>A sound that says something is finished</extracomment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>A sound: the one the desktop plays for an incoming message</extracomment>
        <translation>Message</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Button, 68 px wide</extracomment>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Écouter le son</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Start so&amp;ftly (rising over 15 seconds)</source>
        <translation>Montée &amp;progressive (15 secondes)</translation>
    </message>
    <message>
        <source> min</source>
        <extracomment>After the number of minutes in a box; keep the space if the unit is spaced</extracomment>
        <translation> min</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>In the box of minutes, for no warning</extracomment>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>&amp;Warn before</source>
        <translation>&amp;Avertir avant</translation>
    </message>
    <message>
        <source>&amp;Repeat: start again when acknowledged</source>
        <translation>&amp;Relancer une fois l’alerte arrêtée</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Alarm1.wav or Alarm2.wav</source>
        <extracomment>The program&apos;s own two sounds; the file names stay as they are</extracomment>
        <translation>Alarm1.wav ou Alarm2.wav</translation>
    </message>
    <message>
        <source>As the Sound and Recur boxes say</source>
        <translation>Selon les cases Son et Rép.</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No sound at all</extracomment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Un fichier…</translation>
    </message>
    <message>
        <source>Alert options – %1</source>
        <extracomment>Dialog title; %1 names the timer or the alarm</extracomment>
        <translation>Options d’alerte – %1</translation>
    </message>
    <message>
        <source>A sound for the alert</source>
        <translation>Choisir un son pour l’alerte</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.oga *.flac);;All files (*)</source>
        <extracomment>File dialog filters: keep the patterns in brackets and the ;; between them</extracomment>
        <translation>Sons (*.wav *.ogg *.oga *.flac);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>This sound could not be played</source>
        <translation>Impossible de lire ce son</translation>
    </message>
</context>
<context>
    <name>AlertTuner</name>
    <message>
        <source>Alarm %1</source>
        <translation>Alarme %1</translation>
    </message>
</context>
<context>
    <name>AutostartOption</name>
    <message>
        <source>Your own autostart entry, quorbel.desktop, is left as it is; the desktop starts the program as it says.</source>
        <translation>Votre propre entrée de démarrage automatique, quorbel.desktop, est laissée telle quelle&#xa0;; le bureau lance le programme comme elle l’indique.</translation>
    </message>
    <message>
        <source>The desktop cannot start the program from this folder: its name is not UTF-8, or holds a control character, \, $ or `, or an = beside &quot;, &apos; or %. Move the program to a folder with a plain name.</source>
        <translation>Le bureau ne peut pas lancer le programme depuis ce dossier&#xa0;: son nom n’est pas en UTF-8, ou bien il contient un caractère de contrôle, \, $ ou `, ou un = à côté de &quot;, &apos; ou %. Déplacez le programme dans un dossier au nom simple.</translation>
    </message>
    <message>
        <source>The autostart entry could not be changed.</source>
        <translation>Impossible de modifier l’entrée de démarrage automatique.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Restores and raises the window.</source>
        <translation>Rétablit la fenêtre et la met au premier plan.</translation>
    </message>
    <message>
        <source>Starts countdown timer N (1 to 10) from its set time.</source>
        <translation>Démarre le minuteur N (de 1 à 10) avec sa durée réglée.</translation>
    </message>
    <message>
        <source>Stops countdown timer N (1 to 10), or silences it. Without N, silences every ringing timer and alarm, as Enter in the window does: for a desktop shortcut.</source>
        <translation>Arrête le minuteur N (de 1 à 10) ou coupe sa sonnerie. Sans N, coupe la sonnerie de tous les minuteurs et alarmes qui sonnent, comme la touche Entrée dans la fenêtre&#xa0;: pratique pour un raccourci du bureau.</translation>
    </message>
    <message>
        <source>Starts quick timer N (1 to 12, left to right).</source>
        <translation>Démarre le minuteur rapide N (de 1 à 12, de gauche à droite).</translation>
    </message>
    <message>
        <source>Snoozes the ringing timers and alarms for %1 minutes, as their notification&apos;s &quot;Snooze %1 min&quot; does.</source>
        <extracomment>&quot;Snooze %1 min&quot; is the notification&apos;s button: as it is translated there. %1 is the snooze&apos;s length in minutes (5).</extracomment>
        <translation>Interrompt les minuteurs et alarmes qui sonnent et les rappelle dans %1 minutes, comme le bouton «&#xa0;Rappel dans %1 min&#xa0;» de leur notification.</translation>
    </message>
    <message>
        <source>Starts countdown timer N (1 to 10) again from its set time, ringing or not.</source>
        <translation>Relance le minuteur N (de 1 à 10) avec sa durée réglée, qu’il sonne ou non.</translation>
    </message>
    <message>
        <source>Quits, asking first while a timer runs.</source>
        <translation>Quitte le programme, après confirmation si un minuteur est en cours.</translation>
    </message>
    <message>
        <source>--set takes a countdown timer (1 to 10), a length (H:MM:SS or a sum of hours, minutes and seconds such as 25m, 90s or 1h30m15s) and, if you like, a message.</source>
        <translation>--set attend un minuteur (de 1 à 10), une durée (H:MM:SS ou une somme d’heures, de minutes et de secondes comme 25m, 90s ou 1h30m15s) et, si vous le souhaitez, un message.</translation>
    </message>
    <message>
        <source>--alarm takes an alarm (1 or 2) and on, off or a time such as 7:30, 7:30 AM or 19:30.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>--alarm attend une alarme (1 ou 2), puis on, off ou une heure comme 7:30, 7:30 AM ou 19:30.</translation>
    </message>
    <message>
        <source>--autostart takes on or off, not &apos;%1&apos;.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>--autostart attend on ou off, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--status and --watch go one at a time.</source>
        <translation>--status et --watch ne s’utilisent pas ensemble.</translation>
    </message>
    <message>
        <source>--%1 takes no other option but %2.</source>
        <extracomment>%1 is status or watch, %2 the option --json or --plain.</extracomment>
        <translation>--%1 n’accepte aucune autre option que %2.</translation>
    </message>
    <message>
        <source>--json goes with --status.</source>
        <translation>--json s’utilise avec --status.</translation>
    </message>
    <message>
        <source>--plain goes with --watch.</source>
        <translation>--plain s’utilise avec --watch.</translation>
    </message>
    <message>
        <source>Starts in the notification area, the window hidden.</source>
        <translation>Démarre dans la zone de notification, fenêtre masquée.</translation>
    </message>
    <message>
        <source>Starts the program with the desktop (on) or not (off).</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>Lance le programme avec le bureau (on) ou non (off).</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The value of an option in --help: a timer&apos;s or an alarm&apos;s number.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Gives idle countdown timer N (1 to 10) a LENGTH, H:MM:SS or a sum such as 25m, 90s or 1h30m15s, and a MESSAGE if one follows: --set 3 25m Pasta.</source>
        <extracomment>LENGTH and MESSAGE as in the value of --set (&quot;N LENGTH [MESSAGE]&quot;).</extracomment>
        <translation>Donne au minuteur N (de 1 à 10), s’il est à l’arrêt, une DURÉE, H:MM:SS ou une somme comme 25m, 90s ou 1h30m15s, et un MESSAGE s’il y en a un&#xa0;: --set 3 25m Pâtes.</translation>
    </message>
    <message>
        <source>N LENGTH [MESSAGE]</source>
        <extracomment>The value of --set in --help: N, LENGTH and MESSAGE as its help names them.</extracomment>
        <translation>N DURÉE [MESSAGE]</translation>
    </message>
    <message>
        <source>Switches alarm N (1 or 2) on or off, or sets its time: 7:30, 7:30 AM or 19:30.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>Active (on) ou désactive (off) l’alarme N (1 ou 2), ou règle son heure&#xa0;: 7:30, 7:30 AM ou 19:30.</translation>
    </message>
    <message>
        <source>N on|off|TIME</source>
        <extracomment>The value of --alarm in --help: &quot;on|off&quot; is typed as it is, keep it; N and TIME as its help names them.</extracomment>
        <translation>N on|off|HEURE</translation>
    </message>
    <message>
        <source>Prints what the running copy has: timers, the stopwatch and the alarms that are on.</source>
        <translation>Affiche l’état de l’instance en cours&#xa0;: minuteurs, chronomètre et alarmes activées.</translation>
    </message>
    <message>
        <source>With --status: as one JSON object (see the manual).</source>
        <translation>Avec --status&#xa0;: sous la forme d’un seul objet JSON (voir le manuel).</translation>
    </message>
    <message>
        <source>Prints a line for a panel bar at once and at every change, JSON as waybar reads it, until ended.</source>
        <translation>Affiche une ligne pour une barre d’état, tout de suite puis à chaque changement, en JSON tel que waybar le lit, jusqu’à l’interruption.</translation>
    </message>
    <message>
        <source>With --watch: plain text lines, as polybar and i3blocks read them.</source>
        <translation>Avec --watch&#xa0;: lignes de texte brut, telles que polybar et i3blocks les lisent.</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <extracomment>%1 is an option (--start) or a D-Bus method (StartTimer).</extracomment>
        <translation>%1 attend un nombre de %2 à %3, et non «&#xa0;%4&#xa0;».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no length a countdown takes: write H:MM:SS (minutes and seconds 0 to 59) or a sum such as 25m, 90s or 1h30m15s, from 1 second to 59:59:59.</source>
        <extracomment>The units h, m and s are typed as they are: keep them.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas une durée de minuteur valide&#xa0;: écrivez H:MM:SS (minutes et secondes de 0 à 59) ou une somme comme 25m, 90s ou 1h30m15s, de 1 seconde à 59:59:59.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no time of day: write 7:30, 7:30 AM or 19:30.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une heure valide&#xa0;: écrivez 7:30, 7:30 AM ou 19:30.</translation>
    </message>
    <message>
        <source>Countdown timers with messages, one-click quick timers, a two-alarm clock with snooze, a stopwatch and a big clock, in one small window.
To set a countdown, right-click its button and choose &quot;Edit Time / Message&quot;; a click starts it.</source>
        <extracomment>&quot;Edit Time / Message&quot; is the entry of the timer&apos;s menu: as it is translated there.</extracomment>
        <translation>Minuteurs avec message, minuteurs rapides en un clic, réveil à deux alarmes avec rappel, chronomètre et grande horloge, dans une seule petite fenêtre.
Pour régler un minuteur, faites un clic droit sur son bouton et choisissez «&#xa0;Modifier la durée et le message&#xa0;»&#xa0;; un clic le démarre.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>There is no countdown timer %1.</source>
        <translation>Il n’y a pas de minuteur %1.</translation>
    </message>
    <message>
        <source>There is no alarm %1.</source>
        <translation>Il n’y a pas d’alarme %1.</translation>
    </message>
    <message>
        <source>The running copy could not do it; its log says why.</source>
        <translation>L’instance en cours n’a pas pu le faire&#xa0;; son journal indique pourquoi.</translation>
    </message>
    <message>
        <source>Timer %1 is ringing, and was not changed.</source>
        <translation>Le minuteur %1 sonne&#xa0;; il n’a pas été modifié.</translation>
    </message>
    <message>
        <source>Timer %1 is running, and was not changed.</source>
        <translation>Le minuteur %1 est en cours&#xa0;; il n’a pas été modifié.</translation>
    </message>
    <message>
        <source>Timer %1 is open in the editor, and was not changed.</source>
        <translation>Le minuteur %1 est ouvert dans l’éditeur&#xa0;; il n’a pas été modifié.</translation>
    </message>
    <message>
        <source>Timer %1, %2</source>
        <extracomment>%2 is the length set (0:25:00).</extracomment>
        <translation>Minuteur %1, %2</translation>
    </message>
    <message>
        <source>Timer %1: %2, %3</source>
        <extracomment>%2 is the timer&apos;s message, %3 the length set (0:25:00).</extracomment>
        <translation>Minuteur %1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>Alarm %1: %2, on</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Alarme %1&#xa0;: %2, activée</translation>
    </message>
    <message>
        <source>Alarm %1: %2, off</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Alarme %1&#xa0;: %2, désactivée</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <extracomment>A notification&apos;s button: %1 is the snooze&apos;s length in minutes (5).</extracomment>
        <translation>Rappel dans %1 min</translation>
    </message>
    <message>
        <source>Again</source>
        <extracomment>A notification&apos;s button: the timer runs its time again.</extracomment>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>What a click on the notification itself does, where the desktop names it.</extracomment>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Set for %1</source>
        <extracomment>%1 is the timer&apos;s set length (0:25:00).</extracomment>
        <translation>Réglé sur %1</translation>
    </message>
    <message>
        <source>Set for %1, ran out at %2</source>
        <extracomment>%1 is the timer&apos;s set length (0:25:00), %2 the time of day it ran out.</extracomment>
        <translation>Réglé sur %1, écoulé à %2</translation>
    </message>
    <message>
        <source>Snoozed: rings again at %1</source>
        <extracomment>%1 is a time of day.</extracomment>
        <translation>En rappel&#xa0;: sonne de nouveau à %1</translation>
    </message>
    <message>
        <source>%1: 1 minute left</source>
        <extracomment>%1 is the timer&apos;s name (Timer 3, or its message).</extracomment>
        <translation>%1&#xa0;: 1 minute restante</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n minutes left</source>
        <extracomment>%1 is the timer&apos;s name (Timer 3, or its message); %n, the minutes, is never 1.</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %n minute restante</numerusform>
            <numerusform>%1&#xa0;: %n minutes restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <translation>Alarme %1</translation>
    </message>
    <message>
        <source>Alarm %1 missed</source>
        <translation>Alarme %1 manquée</translation>
    </message>
    <message>
        <source>It was due at %1</source>
        <extracomment>%1 is a time of day.</extracomment>
        <translation>Elle devait sonner à %1</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>Silence ringing timers and alarms</source>
        <translation>Couper la sonnerie des minuteurs et alarmes</translation>
    </message>
    <message>
        <source>Snooze ringing timers and alarms for %1 minutes</source>
        <translation>Rappeler dans %1 minutes les minuteurs et alarmes qui sonnent</translation>
    </message>
    <message>
        <source>Show Quorbel</source>
        <translation>Afficher Quorbel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Hide window</source>
        <translation>Masquer la fenêtre</translation>
    </message>
    <message>
        <source>Brought back from the tray icon</source>
        <translation>L’icône de la zone de notification la fait réapparaître</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button, 49 px wide</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <extracomment>Title of the alarm clock half, 68 px wide in bold; also an entry of its menu</extracomment>
        <translation>Réveil</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>Button 18 px wide: one letter standing for the alarm clock, which it shows or hides</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>Hide alarm clock</source>
        <translation>Masquer le réveil</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Check box, 52 px wide with its box</extracomment>
        <translation>Son</translation>
    </message>
    <message>
        <source>Timers that run out ring with a sound</source>
        <translation>Les minuteurs écoulés émettent un son</translation>
    </message>
    <message>
        <source>Recur</source>
        <extracomment>Check box, 50 px wide with its box: the sound repeats (also 56 px for alarm 1)</extracomment>
        <translation>Rép.</translation>
    </message>
    <message>
        <source>The sound repeats until the timer is stopped</source>
        <translation>Le son se répète jusqu’à l’arrêt du minuteur</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>A timer&apos;s button, 75 px wide, while no message is set</extracomment>
        <translation>Message</translation>
    </message>
    <message>
        <source>Enter stores the time and message, Escape closes</source>
        <translation>Entrée enregistre la durée et le message, Échap ferme</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button of the message editor, 147 px wide</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Store time and message</source>
        <translation>Enregistrer la durée et le message</translation>
    </message>
    <message>
        <source>Hours and minutes</source>
        <translation>Heures et minutes</translation>
    </message>
    <message>
        <source>Hours : Minutes</source>
        <extracomment>Above the two fields of a timer&apos;s time, about 95 px wide</extracomment>
        <translation>Heures&#xa0;: minutes</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>Button 17 px wide: one letter standing for Clear (the time back to zero)</extracomment>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear the time</source>
        <translation>Effacer la durée</translation>
    </message>
    <message>
        <source>Hours, minutes and seconds back to zero</source>
        <translation>Remettre heures, minutes et secondes à zéro</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>ALARM 1</source>
        <extracomment>Heading over alarm 1, 46 px wide</extracomment>
        <translation>Alarme 1</translation>
    </message>
    <message>
        <source>ALARM 2</source>
        <extracomment>Heading over alarm 2, 46 px wide</extracomment>
        <translation>Alarme 2</translation>
    </message>
    <message>
        <source>ALARM 2 - Snooze</source>
        <extracomment>Heading over the snooze lengths of alarm 2, 91 px wide</extracomment>
        <translation>Alarme 2 - Rappel</translation>
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
        <translation>ARRÊT</translation>
    </message>
    <message>
        <source>Alarm 1 recurs</source>
        <translation>Répétition de l’alarme 1</translation>
    </message>
    <message>
        <source>Alarm 1 rings until it is switched off</source>
        <translation>L’alarme 1 sonne jusqu’à ce qu’elle soit désactivée</translation>
    </message>
    <message>
        <source>Copy alarm 1 to alarm 2</source>
        <translation>Copier l’alarme 1 vers l’alarme 2</translation>
    </message>
    <message>
        <source>Copy alarm 2 to alarm 1</source>
        <translation>Copier l’alarme 2 vers l’alarme 1</translation>
    </message>
    <message>
        <source>Test alarm</source>
        <extracomment>Button, 55 px wide and 17 px high</extracomment>
        <translation>Tester</translation>
    </message>
    <message>
        <source>30 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>30 min</translation>
    </message>
    <message>
        <source>Start ON</source>
        <extracomment>Check box, 61 px wide with its box: the alarms are switched on when the program starts</extracomment>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Alarms on at start</source>
        <translation>Alarmes activées au lancement</translation>
    </message>
    <message>
        <source>Edit Time / Message</source>
        <extracomment>Menu entry of a timer: set its time and its message</extracomment>
        <translation>Modifier la durée et le message</translation>
    </message>
    <message>
        <source>Alert options…</source>
        <translation>Options d’alerte…</translation>
    </message>
    <message>
        <source>Minimize on timer</source>
        <translation>Réduire au démarrage d’un minuteur</translation>
    </message>
    <message>
        <source>Processes</source>
        <extracomment>Menu entry that opens the list of programs started at set times</extracomment>
        <translation>Processus</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Lancer avec le bureau</translation>
    </message>
    <message>
        <source>Alarm 1 alert options…</source>
        <translation>Options d’alerte de l’alarme 1…</translation>
    </message>
    <message>
        <source>Alarm 2 alert options…</source>
        <translation>Options d’alerte de l’alarme 2…</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Stopwatch menu: back to zero</extracomment>
        <translation>Remettre à zéro</translation>
    </message>
    <message>
        <source>Close no save</source>
        <extracomment>Menu of the Quit button: quit without saving the settings</extracomment>
        <translation>Fermer sans enregistrer</translation>
    </message>
    <message>
        <source>Seconds %1+</source>
        <extracomment>A submenu of ten seconds; %1 is the tens, 0 to 5</extracomment>
        <translation>Secondes %1+</translation>
    </message>
    <message>
        <source>Hide the window; the tray icon brings it back</source>
        <translation>Masquer la fenêtre&#xa0;; l’icône de la zone de notification la fait réapparaître</translation>
    </message>
    <message>
        <source>Stopwatch: click to start or pause; right-click to clear</source>
        <translation>Chronomètre&#xa0;: clic pour démarrer ou mettre en pause&#xa0;; clic droit pour remettre à zéro</translation>
    </message>
    <message>
        <source>Show the alarm clock</source>
        <translation>Afficher le réveil</translation>
    </message>
    <message>
        <source>Hide the alarm clock</source>
        <translation>Masquer le réveil</translation>
    </message>
    <message>
        <source>Keep the window on top of the others</source>
        <translation>Garder la fenêtre au-dessus des autres</translation>
    </message>
    <message>
        <source>The sound repeats every second until the timer is stopped</source>
        <translation>Le son se répète chaque seconde jusqu’à l’arrêt du minuteur</translation>
    </message>
    <message>
        <source>Quit; right-click to quit without saving</source>
        <translation>Quitter&#xa0;; clic droit pour quitter sans enregistrer</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Timer still in progress. Quit anyway?</source>
        <translation>Un minuteur est encore en cours. Quitter quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Settings could not be saved. Quit anyway?</source>
        <translation>Les paramètres n’ont pas pu être enregistrés. Quitter quand même&#xa0;?</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Quorbel is ending.</source>
        <extracomment>A D-Bus caller&apos;s answer while the program quits.</extracomment>
        <translation>Quorbel est en cours de fermeture.</translation>
    </message>
    <message>
        <source>cannot open the display; set DISPLAY or run from a desktop session</source>
        <translation>impossible d’ouvrir l’affichage&#xa0;; définissez DISPLAY ou lancez le programme depuis une session de bureau</translation>
    </message>
    <message>
        <source>cannot open the display %1; set DISPLAY or run from a desktop session</source>
        <extracomment>%1 is the display&apos;s name, such as :0.</extracomment>
        <translation>impossible d’ouvrir l’affichage %1&#xa0;; définissez DISPLAY ou lancez le programme depuis une session de bureau</translation>
    </message>
</context>
<context>
    <name>Quorbel</name>
    <message>
        <source>The settings file could not be read and will not be overwritten:
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Le fichier des paramètres n’a pas pu être lu et ne sera pas écrasé&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The running timers cannot be kept for the next start, since this file cannot be written:
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Les minuteurs en cours ne pourront pas être conservés pour le prochain lancement, car ce fichier ne peut pas être écrit&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>Quorbel could not do it; its log says why.</source>
        <translation>Quorbel n’a pas pu le faire&#xa0;; son journal indique pourquoi.</translation>
    </message>
    <message>
        <source>No method %1.</source>
        <extracomment>A D-Bus caller&apos;s error: %1 is the name of a method the program does not have.</extracomment>
        <translation>Aucune méthode %1.</translation>
    </message>
</context>
<context>
    <name>ScheduleDialog</name>
    <message>
        <source>Start Program</source>
        <extracomment>Dialog title: the list of programs started at set times</extracomment>
        <translation>Lancement de programmes</translation>
    </message>
    <message>
        <source>Format: [HHMM][filename]
(Place a tilde ~  in position 1 to delimiter a record)</source>
        <extracomment>Two lines, 291 px wide; [HHMM] and the tilde ~ are what the user types, keep them</extracomment>
        <translation>Format&#xa0;: [HHMM][fichier]
(Un tilde ~ en 1re position désactive l’entrée)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the parts of a time said in words: 5 minutes, 8 seconds</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>0 seconds</source>
        <translation>0 seconde</translation>
    </message>
    <message>
        <source>Space starts or stops the timer; the menu key opens its menu: Edit Time / Message, Alert options</source>
        <extracomment>Edit Time / Message and Alert options are the entries of the timer&apos;s menu</extracomment>
        <translation>Espace démarre ou arrête le minuteur&#xa0;; la touche Menu ouvre son menu&#xa0;: Modifier la durée et le message, Options d’alerte</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Rappel dans %1 min</translation>
    </message>
    <message>
        <source>Click to start or stop; right-click to set the time and message, or how it alerts</source>
        <translation>Clic pour démarrer ou arrêter&#xa0;; clic droit pour régler la durée et le message, ou la façon d’alerter</translation>
    </message>
    <message>
        <source>Click to start or stop; right-click shows the time left</source>
        <translation>Clic pour démarrer ou arrêter&#xa0;; un clic droit affiche le temps restant</translation>
    </message>
    <message>
        <source>The menu key sets the seconds</source>
        <translation>La touche Menu règle les secondes</translation>
    </message>
    <message>
        <source>Right-click to set the seconds</source>
        <translation>Clic droit pour régler les secondes</translation>
    </message>
    <message>
        <source>Quick timer 1 minute</source>
        <translation>Minuteur rapide 1 minute</translation>
    </message>
    <message numerus="yes">
        <source>Quick timer %n minutes</source>
        <translation>
            <numerusform>Minuteur rapide %n minute</numerusform>
            <numerusform>Minuteur rapide %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>Timer %1, %2</source>
        <extracomment>%1 is the timer&apos;s number, %2 the time it is set to (00:25:00)</extracomment>
        <translation>Minuteur %1, %2</translation>
    </message>
    <message>
        <source>Timer %1: %2, %3</source>
        <extracomment>%1 is the timer&apos;s number, %2 its message, %3 its time</extracomment>
        <translation>Minuteur %1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>%1, ringing</source>
        <extracomment>%1 names a timer and its time</extracomment>
        <translation>%1, sonne</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>%1 names a timer and its time</extracomment>
        <translation>%1, en cours</translation>
    </message>
    <message>
        <source>Timer %1 time left: %2</source>
        <extracomment>%2 is a time in words: 5 minutes, 8 seconds</extracomment>
        <translation>Minuteur %1, temps restant&#xa0;: %2</translation>
    </message>
    <message>
        <source>Keep on top (on)</source>
        <translation>Garder au-dessus (activé)</translation>
    </message>
    <message>
        <source>Keep on top (off)</source>
        <translation>Garder au-dessus (désactivé)</translation>
    </message>
    <message>
        <source>Show alarm clock</source>
        <translation>Afficher le réveil</translation>
    </message>
    <message>
        <source>Hide alarm clock</source>
        <translation>Masquer le réveil</translation>
    </message>
    <message>
        <source>Stopwatch, stopped at %1</source>
        <extracomment>%1 is the stopwatch&apos;s time, 1:05 or 2h10</extracomment>
        <translation>Chronomètre, arrêté à %1</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Chronomètre</translation>
    </message>
    <message>
        <source>Stopwatch, running</source>
        <translation>Chronomètre, en cours</translation>
    </message>
    <message>
        <source>Alarm %1 time %2:%3 %4</source>
        <extracomment>%2:%3 are the alarm&apos;s hour and minutes on its twelve-hour dial, %4 is AM or PM</extracomment>
        <translation>Alarme %1, heure %2:%3 %4</translation>
    </message>
    <message>
        <source>Alarm %1 %2</source>
        <extracomment>%2 is AM or PM, which the user clicks to change</extracomment>
        <translation>Alarme %1 %2</translation>
    </message>
    <message>
        <source>Alarm %1: ON</source>
        <translation>Alarme %1&#xa0;: activée</translation>
    </message>
    <message>
        <source>Alarm %1: OFF</source>
        <translation>Alarme %1&#xa0;: désactivée</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Alarm time changed, save new time?</source>
        <translation>L’heure d’alarme a changé. Enregistrer la nouvelle heure&#xa0;?</translation>
    </message>
</context>
<context>
    <name>StateText</name>
    <message>
        <source>Quick timer %1</source>
        <extracomment>%1 is its length, such as 1:30.</extracomment>
        <translation>Minuteur rapide %1</translation>
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
        <translation>%1&#xa0;: sonne depuis %2</translation>
    </message>
    <message>
        <source>%1: snoozed, %2 left</source>
        <extracomment>%1 is a timer&apos;s name, %2 the time left (0:04:32).</extracomment>
        <translation>%1&#xa0;: en rappel, reste %2</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <extracomment>%1 is a timer&apos;s name, %2 the time left (0:04:32).</extracomment>
        <translation>%1&#xa0;: reste %2</translation>
    </message>
    <message>
        <source>Stopwatch: running, %1</source>
        <extracomment>%1 is the time counted (1:15).</extracomment>
        <translation>Chronomètre&#xa0;: en cours, %1</translation>
    </message>
    <message>
        <source>Stopwatch: paused at %1</source>
        <extracomment>%1 is the time counted (1:15).</extracomment>
        <translation>Chronomètre&#xa0;: en pause à %1</translation>
    </message>
    <message>
        <source>Alarm %1: %2, ringing</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Alarme %1&#xa0;: %2, sonne</translation>
    </message>
    <message>
        <source>Alarm %1: %2, snoozing, rings again at %3</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM), %3 a time of day, perhaps with a day name before it.</extracomment>
        <translation>Alarme %1&#xa0;: %2, en rappel, sonne de nouveau à %3</translation>
    </message>
    <message>
        <source>Alarm %1: %2, rings at %3</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM), %3 a time of day, perhaps with a day name before it.</extracomment>
        <translation>Alarme %1&#xa0;: %2, sonne à %3</translation>
    </message>
    <message>
        <source>Nothing is running.</source>
        <translation>Rien n’est en cours.</translation>
    </message>
    <message>
        <source>Quorbel is not running.</source>
        <translation>Quorbel n’est pas lancé.</translation>
    </message>
    <message>
        <source>%1 ringing</source>
        <extracomment>A panel bar&apos;s short line: %1 is a timer&apos;s name.</extracomment>
        <translation>%1 sonne</translation>
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
        <translation>Chrono</translation>
    </message>
</context>
<context>
    <name>Timers</name>
    <message>
        <source>Quick timer %1 min</source>
        <extracomment>A quick timer&apos;s name: %1 is its length in minutes.</extracomment>
        <translation>Minuteur rapide %1 min</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <extracomment>A countdown&apos;s name where it has no message: %1 is its number, 1 to 10.</extracomment>
        <translation>Minuteur %1</translation>
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
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Tray menu entry</extracomment>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quorbel is not running.</source>
        <translation>Quorbel n’est pas lancé.</translation>
    </message>
</context>
<context>
    <name>platform::LogindPower</name>
    <message>
        <source>Keeping the running timers on disk</source>
        <extracomment>Why the program holds the machine&apos;s sleep back a moment, as the desktop lists it.</extracomment>
        <translation>Enregistrement des minuteurs en cours sur le disque</translation>
    </message>
    <message>
        <source>A timer rings</source>
        <extracomment>Why the program keeps the screen from going idle, as the desktop lists it.</extracomment>
        <translation>Un minuteur sonne</translation>
    </message>
</context>
<context>
    <name>platform::SingleInstance</name>
    <message>
        <source>the settings folder %1 takes no lock (%2): a second copy on it cannot be kept out</source>
        <translation>le dossier des paramètres %1 ne prend pas en charge les verrous (%2)&#xa0;: impossible d’empêcher une seconde instance de l’utiliser</translation>
    </message>
    <message>
        <source>the command is too long to hand to the running copy; nothing was done</source>
        <translation>la commande est trop longue pour être transmise à l’instance en cours&#xa0;; rien n’a été fait</translation>
    </message>
    <message>
        <source>cannot take the lock %1 (%2): a copy of another user&apos;s may be using these settings, and no second copy runs beside it</source>
        <translation>impossible de prendre le verrou %1 (%2)&#xa0;: une instance d’un autre utilisateur utilise peut-être ces paramètres, et aucune seconde instance ne peut fonctionner à côté</translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings, and no second copy runs beside it</source>
        <translation>une instance d’un autre utilisateur détient ces paramètres, et aucune seconde instance ne peut fonctionner à côté</translation>
    </message>
    <message>
        <source>another copy holds these settings but does not answer</source>
        <translation>une autre instance détient ces paramètres mais ne répond pas</translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings</source>
        <translation>une instance d’un autre utilisateur détient ces paramètres</translation>
    </message>
</context>
</TS>
