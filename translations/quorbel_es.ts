<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AlarmPanel</name>
    <message>
        <source>ON</source>
        <extracomment>An alarm&apos;s switch when on, a button of 54 by 53 px</extracomment>
        <translation>ACTIVA</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>An alarm&apos;s switch when off, a button of 54 by 53 px</extracomment>
        <translation>INACTIVA</translation>
    </message>
    <message>
        <source>Rings only while the computer is awake</source>
        <extracomment>Tip of the alarms&apos; ON/OFF buttons where the system cannot wake the computer for them</extracomment>
        <translation>Solo suena si el equipo no está en suspensión</translation>
    </message>
</context>
<context>
    <name>AlertOptionsDialog</name>
    <message>
        <source>Alarm2.wav, which plays once, keeps its volume from the start</source>
        <translation>Alarm2.wav, que se reproduce una sola vez, suena con el volumen fijado desde el principio</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Despertador</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Complete</source>
        <extracomment>A sound that says something is finished</extracomment>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>A sound: the one the desktop plays for an incoming message</extracomment>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Button, 68 px wide</extracomment>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Reproducir el sonido</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volumen</translation>
    </message>
    <message>
        <source>Start so&amp;ftly (rising over 15 seconds)</source>
        <translation>&amp;Empezar suave (sube en 15 segundos)</translation>
    </message>
    <message>
        <source> min</source>
        <extracomment>After the number of minutes in a box; keep the space if the unit is spaced</extracomment>
        <translation> min</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>In the box of minutes, for no warning</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>&amp;Warn before</source>
        <translation>&amp;Avisar antes</translation>
    </message>
    <message>
        <source>&amp;Repeat: start again when acknowledged</source>
        <translation>&amp;Reiniciar: volver a empezar al silenciarlo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Alarm1.wav or Alarm2.wav</source>
        <extracomment>The program&apos;s own two sounds; the file names stay as they are</extracomment>
        <translation>Alarm1.wav o Alarm2.wav</translation>
    </message>
    <message>
        <source>As the Sound and Recur boxes say</source>
        <translation>Según las casillas Sonar y Bucle</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No sound at all</extracomment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Un archivo…</translation>
    </message>
    <message>
        <source>Alert options – %1</source>
        <extracomment>Dialog title; %1 names the timer or the alarm</extracomment>
        <translation>Opciones de aviso – %1</translation>
    </message>
    <message>
        <source>A sound for the alert</source>
        <translation>Un sonido para el aviso</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.oga *.flac);;All files (*)</source>
        <extracomment>File dialog filters: keep the patterns in brackets and the ;; between them</extracomment>
        <translation>Sonidos (*.wav *.ogg *.oga *.flac);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>This sound could not be played</source>
        <translation>No se pudo reproducir este sonido</translation>
    </message>
</context>
<context>
    <name>AlertTuner</name>
    <message>
        <source>Alarm %1</source>
        <translation>Alarma %1</translation>
    </message>
</context>
<context>
    <name>AutostartOption</name>
    <message>
        <source>Your own autostart entry, quorbel.desktop, is left as it is; the desktop starts the program as it says.</source>
        <translation>Su propia entrada de inicio automático, quorbel.desktop, se deja como está; el escritorio inicia el programa como en ella se indica.</translation>
    </message>
    <message>
        <source>The desktop cannot start the program from this folder: its name is not UTF-8, or holds a control character, \, $ or `, or an = beside &quot;, &apos; or %. Move the program to a folder with a plain name.</source>
        <translation>El escritorio no puede iniciar el programa desde esta carpeta: su nombre no está en UTF-8, o contiene un carácter de control, \, $ o `, o un = junto a &quot;, &apos; o %. Mueva el programa a una carpeta con un nombre sencillo.</translation>
    </message>
    <message>
        <source>The autostart entry could not be changed.</source>
        <translation>No se pudo cambiar la entrada de inicio automático.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Restores and raises the window.</source>
        <translation>Restaura la ventana y la trae al frente.</translation>
    </message>
    <message>
        <source>Starts countdown timer N (1 to 10) from its set time.</source>
        <translation>Inicia el temporizador N (de 1 a 10) con su tiempo establecido.</translation>
    </message>
    <message>
        <source>Stops countdown timer N (1 to 10), or silences it. Without N, silences every ringing timer and alarm, as Enter in the window does: for a desktop shortcut.</source>
        <translation>Detiene el temporizador N (de 1 a 10) o lo silencia. Sin N, silencia todos los temporizadores y alarmas que estén sonando, como Intro en la ventana: pensado para un atajo del escritorio.</translation>
    </message>
    <message>
        <source>Starts quick timer N (1 to 12, left to right).</source>
        <translation>Inicia el temporizador rápido N (de 1 a 12, de izquierda a derecha).</translation>
    </message>
    <message>
        <source>Snoozes the ringing timers and alarms for %1 minutes, as their notification&apos;s &quot;Snooze %1 min&quot; does.</source>
        <extracomment>&quot;Snooze %1 min&quot; is the notification&apos;s button: as it is translated there. %1 is the snooze&apos;s length in minutes (5).</extracomment>
        <translation>Pospone %1 minutos los temporizadores y alarmas que estén sonando, como el botón «Posponer %1 min» de su notificación.</translation>
    </message>
    <message>
        <source>Starts countdown timer N (1 to 10) again from its set time, ringing or not.</source>
        <translation>Vuelve a iniciar el temporizador N (de 1 a 10) con su tiempo establecido, esté sonando o no.</translation>
    </message>
    <message>
        <source>Quits, asking first while a timer runs.</source>
        <translation>Sale del programa; si hay un temporizador en marcha, pregunta antes.</translation>
    </message>
    <message>
        <source>--set takes a countdown timer (1 to 10), a length (H:MM:SS or a sum of hours, minutes and seconds such as 25m, 90s or 1h30m15s) and, if you like, a message.</source>
        <translation>--set espera un temporizador (de 1 a 10), una duración (H:MM:SS o una suma de horas, minutos y segundos, como 25m, 90s o 1h30m15s) y, si lo desea, un mensaje.</translation>
    </message>
    <message>
        <source>--alarm takes an alarm (1 or 2) and on, off or a time such as 7:30, 7:30 AM or 19:30.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>--alarm espera una alarma (1 o 2) y on, off o una hora, como 7:30, 7:30 AM o 19:30.</translation>
    </message>
    <message>
        <source>--autostart takes on or off, not &apos;%1&apos;.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>--autostart espera on u off, no «%1».</translation>
    </message>
    <message>
        <source>--status and --watch go one at a time.</source>
        <translation>--status y --watch no se pueden usar a la vez.</translation>
    </message>
    <message>
        <source>--%1 takes no other option but %2.</source>
        <extracomment>%1 is status or watch, %2 the option --json or --plain.</extracomment>
        <translation>--%1 no admite más opción que %2.</translation>
    </message>
    <message>
        <source>--json goes with --status.</source>
        <translation>--json solo se usa con --status.</translation>
    </message>
    <message>
        <source>--plain goes with --watch.</source>
        <translation>--plain solo se usa con --watch.</translation>
    </message>
    <message>
        <source>Starts in the notification area, the window hidden.</source>
        <translation>Se inicia en el área de notificación, con la ventana oculta.</translation>
    </message>
    <message>
        <source>Starts the program with the desktop (on) or not (off).</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>Inicia el programa con el escritorio (on) o no (off).</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The value of an option in --help: a timer&apos;s or an alarm&apos;s number.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Gives idle countdown timer N (1 to 10) a LENGTH, H:MM:SS or a sum such as 25m, 90s or 1h30m15s, and a MESSAGE if one follows: --set 3 25m Pasta.</source>
        <extracomment>LENGTH and MESSAGE as in the value of --set (&quot;N LENGTH [MESSAGE]&quot;).</extracomment>
        <translation>Asigna al temporizador N (de 1 a 10), si está parado, una DURACIÓN, H:MM:SS o una suma como 25m, 90s o 1h30m15s, y un MENSAJE si se indica: --set 3 25m Pasta.</translation>
    </message>
    <message>
        <source>N LENGTH [MESSAGE]</source>
        <extracomment>The value of --set in --help: N, LENGTH and MESSAGE as its help names them.</extracomment>
        <translation>N DURACIÓN [MENSAJE]</translation>
    </message>
    <message>
        <source>Switches alarm N (1 or 2) on or off, or sets its time: 7:30, 7:30 AM or 19:30.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>Activa (on) o desactiva (off) la alarma N (1 o 2), o fija su hora: 7:30, 7:30 AM o 19:30.</translation>
    </message>
    <message>
        <source>N on|off|TIME</source>
        <extracomment>The value of --alarm in --help: &quot;on|off&quot; is typed as it is, keep it; N and TIME as its help names them.</extracomment>
        <translation>N on|off|HORA</translation>
    </message>
    <message>
        <source>Prints what the running copy has: timers, the stopwatch and the alarms that are on.</source>
        <translation>Muestra lo que tiene la instancia en ejecución: los temporizadores, el cronómetro y las alarmas activadas.</translation>
    </message>
    <message>
        <source>With --status: as one JSON object (see the manual).</source>
        <translation>Con --status: como un único objeto JSON (consulte el manual).</translation>
    </message>
    <message>
        <source>Prints a line for a panel bar at once and at every change, JSON as waybar reads it, until ended.</source>
        <translation>Escribe una línea para una barra de panel al momento y con cada cambio, en JSON como lo lee waybar, hasta que se detenga.</translation>
    </message>
    <message>
        <source>With --watch: plain text lines, as polybar and i3blocks read them.</source>
        <translation>Con --watch: líneas de texto sin formato, como las leen polybar e i3blocks.</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <extracomment>%1 is an option (--start) or a D-Bus method (StartTimer).</extracomment>
        <translation>%1 espera un número de %2 a %3, no «%4».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no length a countdown takes: write H:MM:SS (minutes and seconds 0 to 59) or a sum such as 25m, 90s or 1h30m15s, from 1 second to 59:59:59.</source>
        <extracomment>The units h, m and s are typed as they are: keep them.</extracomment>
        <translation>«%1» no es una duración válida para un temporizador: escriba H:MM:SS (minutos y segundos de 0 a 59) o una suma como 25m, 90s o 1h30m15s, de 1 segundo a 59:59:59.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no time of day: write 7:30, 7:30 AM or 19:30.</source>
        <translation>«%1» no es una hora del día: escriba 7:30, 7:30 AM o 19:30.</translation>
    </message>
    <message>
        <source>Countdown timers with messages, one-click quick timers, a two-alarm clock with snooze, a stopwatch and a big clock, in one small window.
To set a countdown, right-click its button and choose &quot;Edit Time / Message&quot;; a click starts it.</source>
        <extracomment>&quot;Edit Time / Message&quot; is the entry of the timer&apos;s menu: as it is translated there.</extracomment>
        <translation>Temporizadores con mensaje, temporizadores rápidos de un solo clic, dos alarmas que se pueden posponer, un cronómetro y un reloj grande, en una pequeña ventana.
Para configurar un temporizador, elija «Editar tiempo / mensaje» en el menú contextual de su botón; un clic lo inicia.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado: «%1».</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>There is no countdown timer %1.</source>
        <translation>No existe el temporizador %1.</translation>
    </message>
    <message>
        <source>There is no alarm %1.</source>
        <translation>No existe la alarma %1.</translation>
    </message>
    <message>
        <source>The running copy could not do it; its log says why.</source>
        <translation>La instancia en ejecución no pudo hacerlo; su registro indica el motivo.</translation>
    </message>
    <message>
        <source>Timer %1 is ringing, and was not changed.</source>
        <translation>El temporizador %1 está sonando y no se ha modificado.</translation>
    </message>
    <message>
        <source>Timer %1 is running, and was not changed.</source>
        <translation>El temporizador %1 está en marcha y no se ha modificado.</translation>
    </message>
    <message>
        <source>Timer %1 is open in the editor, and was not changed.</source>
        <translation>El temporizador %1 está abierto en el editor y no se ha modificado.</translation>
    </message>
    <message>
        <source>Timer %1, %2</source>
        <extracomment>%2 is the length set (0:25:00).</extracomment>
        <translation>Temporizador %1, %2</translation>
    </message>
    <message>
        <source>Timer %1: %2, %3</source>
        <extracomment>%2 is the timer&apos;s message, %3 the length set (0:25:00).</extracomment>
        <translation>Temporizador %1: %2, %3</translation>
    </message>
    <message>
        <source>Alarm %1: %2, on</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Alarma %1: %2, activada</translation>
    </message>
    <message>
        <source>Alarm %1: %2, off</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Alarma %1: %2, desactivada</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <extracomment>A notification&apos;s button: %1 is the snooze&apos;s length in minutes (5).</extracomment>
        <translation>Posponer %1 min</translation>
    </message>
    <message>
        <source>Again</source>
        <extracomment>A notification&apos;s button: the timer runs its time again.</extracomment>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>What a click on the notification itself does, where the desktop names it.</extracomment>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Set for %1</source>
        <extracomment>%1 is the timer&apos;s set length (0:25:00).</extracomment>
        <translation>Duración: %1</translation>
    </message>
    <message>
        <source>Set for %1, ran out at %2</source>
        <extracomment>%1 is the timer&apos;s set length (0:25:00), %2 the time of day it ran out.</extracomment>
        <translation>Duración: %1; terminó a las %2</translation>
    </message>
    <message>
        <source>Snoozed: rings again at %1</source>
        <extracomment>%1 is a time of day.</extracomment>
        <translation>Pospuesto: vuelve a sonar a las %1</translation>
    </message>
    <message>
        <source>%1: 1 minute left</source>
        <extracomment>%1 is the timer&apos;s name (Timer 3, or its message).</extracomment>
        <translation>%1: queda 1 minuto</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n minutes left</source>
        <extracomment>%1 is the timer&apos;s name (Timer 3, or its message); %n, the minutes, is never 1.</extracomment>
        <translation>
            <numerusform>%1: queda %n minuto</numerusform>
            <numerusform>%1: quedan %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <translation>Alarma %1</translation>
    </message>
    <message>
        <source>Alarm %1 missed</source>
        <translation>Alarma %1 perdida</translation>
    </message>
    <message>
        <source>It was due at %1</source>
        <extracomment>%1 is a time of day.</extracomment>
        <translation>Debía sonar a las %1</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>Silence ringing timers and alarms</source>
        <translation>Silenciar los temporizadores y alarmas que suenan</translation>
    </message>
    <message>
        <source>Snooze ringing timers and alarms for %1 minutes</source>
        <translation>Posponer %1 minutos los temporizadores y alarmas que suenan</translation>
    </message>
    <message>
        <source>Show Quorbel</source>
        <translation>Mostrar Quorbel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Hide window</source>
        <translation>Ocultar la ventana</translation>
    </message>
    <message>
        <source>Brought back from the tray icon</source>
        <translation>Se vuelve a mostrar con el icono del área de notificación</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button, 49 px wide</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <extracomment>Title of the alarm clock half, 68 px wide in bold; also an entry of its menu</extracomment>
        <translation>Alarmas</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>Button 18 px wide: one letter standing for the alarm clock, which it shows or hides</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>Hide alarm clock</source>
        <translation>Ocultar las alarmas</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Check box, 52 px wide with its box</extracomment>
        <translation>Sonar</translation>
    </message>
    <message>
        <source>Timers that run out ring with a sound</source>
        <translation>Los temporizadores suenan al terminar</translation>
    </message>
    <message>
        <source>Recur</source>
        <extracomment>Check box, 50 px wide with its box: the sound repeats (also 56 px for alarm 1)</extracomment>
        <translation>Bucle</translation>
    </message>
    <message>
        <source>The sound repeats until the timer is stopped</source>
        <translation>El sonido se repite hasta que se detiene el temporizador</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>A timer&apos;s button, 75 px wide, while no message is set</extracomment>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Enter stores the time and message, Escape closes</source>
        <translation>Intro guarda el tiempo y el mensaje; Escape cierra</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button of the message editor, 147 px wide</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Store time and message</source>
        <translation>Guardar el tiempo y el mensaje</translation>
    </message>
    <message>
        <source>Hours and minutes</source>
        <translation>Horas y minutos</translation>
    </message>
    <message>
        <source>Hours : Minutes</source>
        <extracomment>Above the two fields of a timer&apos;s time, about 95 px wide</extracomment>
        <translation>Horas : Minutos</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>Button 17 px wide: one letter standing for Clear (the time back to zero)</extracomment>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear the time</source>
        <translation>Poner el tiempo a cero</translation>
    </message>
    <message>
        <source>Hours, minutes and seconds back to zero</source>
        <translation>Horas, minutos y segundos a cero</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>ALARM 1</source>
        <extracomment>Heading over alarm 1, 46 px wide</extracomment>
        <translation>Alarma 1</translation>
    </message>
    <message>
        <source>ALARM 2</source>
        <extracomment>Heading over alarm 2, 46 px wide</extracomment>
        <translation>Alarma 2</translation>
    </message>
    <message>
        <source>ALARM 2 - Snooze</source>
        <extracomment>Heading over the snooze lengths of alarm 2, 91 px wide</extracomment>
        <translation>Posponer alarma 2</translation>
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
        <translation>INACTIVA</translation>
    </message>
    <message>
        <source>Alarm 1 recurs</source>
        <translation>La alarma 1 se repite</translation>
    </message>
    <message>
        <source>Alarm 1 rings until it is switched off</source>
        <translation>La alarma 1 suena hasta que se desactiva</translation>
    </message>
    <message>
        <source>Copy alarm 1 to alarm 2</source>
        <translation>Copiar la alarma 1 en la alarma 2</translation>
    </message>
    <message>
        <source>Copy alarm 2 to alarm 1</source>
        <translation>Copiar la alarma 2 en la alarma 1</translation>
    </message>
    <message>
        <source>Test alarm</source>
        <extracomment>Button, 55 px wide and 17 px high</extracomment>
        <translation>Probar</translation>
    </message>
    <message>
        <source>30 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>30 min</translation>
    </message>
    <message>
        <source>Start ON</source>
        <extracomment>Check box, 61 px wide with its box: the alarms are switched on when the program starts</extracomment>
        <translation>Al inicio</translation>
    </message>
    <message>
        <source>Alarms on at start</source>
        <translation>Alarmas activadas al iniciar</translation>
    </message>
    <message>
        <source>Edit Time / Message</source>
        <extracomment>Menu entry of a timer: set its time and its message</extracomment>
        <translation>Editar tiempo / mensaje</translation>
    </message>
    <message>
        <source>Alert options…</source>
        <translation>Opciones de aviso…</translation>
    </message>
    <message>
        <source>Minimize on timer</source>
        <translation>Minimizar al iniciar un temporizador</translation>
    </message>
    <message>
        <source>Processes</source>
        <extracomment>Menu entry that opens the list of programs started at set times</extracomment>
        <translation>Procesos</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Iniciar con el escritorio</translation>
    </message>
    <message>
        <source>Alarm 1 alert options…</source>
        <translation>Opciones de aviso de la alarma 1…</translation>
    </message>
    <message>
        <source>Alarm 2 alert options…</source>
        <translation>Opciones de aviso de la alarma 2…</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Stopwatch menu: back to zero</extracomment>
        <translation>Poner a cero</translation>
    </message>
    <message>
        <source>Close no save</source>
        <extracomment>Menu of the Quit button: quit without saving the settings</extracomment>
        <translation>Cerrar sin guardar</translation>
    </message>
    <message>
        <source>Seconds %1+</source>
        <extracomment>A submenu of ten seconds; %1 is the tens, 0 to 5</extracomment>
        <translation>Segundos %1+</translation>
    </message>
    <message>
        <source>Hide the window; the tray icon brings it back</source>
        <translation>Ocultar la ventana; el icono del área de notificación la vuelve a mostrar</translation>
    </message>
    <message>
        <source>Stopwatch: click to start or pause; right-click to clear</source>
        <translation>Cronómetro: pulse para iniciar o pausar; clic derecho para poner a cero</translation>
    </message>
    <message>
        <source>Show the alarm clock</source>
        <translation>Mostrar las alarmas</translation>
    </message>
    <message>
        <source>Hide the alarm clock</source>
        <translation>Ocultar las alarmas</translation>
    </message>
    <message>
        <source>Keep the window on top of the others</source>
        <translation>Mantener la ventana por encima de las demás</translation>
    </message>
    <message>
        <source>The sound repeats every second until the timer is stopped</source>
        <translation>El sonido se repite cada segundo hasta que se detiene el temporizador</translation>
    </message>
    <message>
        <source>Quit; right-click to quit without saving</source>
        <translation>Salir; clic derecho para salir sin guardar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Timer still in progress. Quit anyway?</source>
        <translation>Todavía hay un temporizador en marcha. ¿Salir de todos modos?</translation>
    </message>
    <message>
        <source>Settings could not be saved. Quit anyway?</source>
        <translation>No se pudo guardar la configuración. ¿Salir de todos modos?</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Quorbel is ending.</source>
        <extracomment>A D-Bus caller&apos;s answer while the program quits.</extracomment>
        <translation>Quorbel se está cerrando.</translation>
    </message>
    <message>
        <source>cannot open the display; set DISPLAY or run from a desktop session</source>
        <translation>no se puede abrir la pantalla; defina DISPLAY o ejecute el programa desde una sesión de escritorio</translation>
    </message>
    <message>
        <source>cannot open the display %1; set DISPLAY or run from a desktop session</source>
        <extracomment>%1 is the display&apos;s name, such as :0.</extracomment>
        <translation>no se puede abrir la pantalla %1; defina DISPLAY o ejecute el programa desde una sesión de escritorio</translation>
    </message>
</context>
<context>
    <name>Quorbel</name>
    <message>
        <source>The settings file could not be read and will not be overwritten:
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>No se pudo leer el archivo de configuración, que no se sobrescribirá:
%1</translation>
    </message>
    <message>
        <source>The running timers cannot be kept for the next start, since this file cannot be written:
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Los temporizadores en marcha no se podrán conservar para el próximo inicio, porque no se puede escribir en este archivo:
%1</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>Quorbel could not do it; its log says why.</source>
        <translation>Quorbel no pudo hacerlo; su registro indica el motivo.</translation>
    </message>
    <message>
        <source>No method %1.</source>
        <extracomment>A D-Bus caller&apos;s error: %1 is the name of a method the program does not have.</extracomment>
        <translation>No existe el método %1.</translation>
    </message>
</context>
<context>
    <name>ScheduleDialog</name>
    <message>
        <source>Start Program</source>
        <extracomment>Dialog title: the list of programs started at set times</extracomment>
        <translation>Iniciar programa</translation>
    </message>
    <message>
        <source>Format: [HHMM][filename]
(Place a tilde ~  in position 1 to delimiter a record)</source>
        <extracomment>Two lines, 291 px wide; [HHMM] and the tilde ~ are what the user types, keep them</extracomment>
        <translation>Formato: [HHMM][archivo]
(Una tilde ~ en la posición 1 desactiva el registro)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
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
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the parts of a time said in words: 5 minutes, 8 seconds</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>0 seconds</source>
        <translation>0 segundos</translation>
    </message>
    <message>
        <source>Space starts or stops the timer; the menu key opens its menu: Edit Time / Message, Alert options</source>
        <extracomment>Edit Time / Message and Alert options are the entries of the timer&apos;s menu</extracomment>
        <translation>Espacio inicia o detiene el temporizador; la tecla de menú abre su menú: Editar tiempo / mensaje, Opciones de aviso</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Posponer %1 min</translation>
    </message>
    <message>
        <source>Click to start or stop; right-click to set the time and message, or how it alerts</source>
        <translation>Pulse para iniciar o detener; clic derecho para fijar el tiempo y el mensaje, o cómo avisa</translation>
    </message>
    <message>
        <source>Click to start or stop; right-click shows the time left</source>
        <translation>Pulse para iniciar o detener; el clic derecho muestra el tiempo restante</translation>
    </message>
    <message>
        <source>The menu key sets the seconds</source>
        <translation>La tecla de menú fija los segundos</translation>
    </message>
    <message>
        <source>Right-click to set the seconds</source>
        <translation>Clic derecho para fijar los segundos</translation>
    </message>
    <message>
        <source>Quick timer 1 minute</source>
        <translation>Temporizador rápido de 1 minuto</translation>
    </message>
    <message numerus="yes">
        <source>Quick timer %n minutes</source>
        <translation>
            <numerusform>Temporizador rápido de %n minuto</numerusform>
            <numerusform>Temporizador rápido de %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Timer %1, %2</source>
        <extracomment>%1 is the timer&apos;s number, %2 the time it is set to (00:25:00)</extracomment>
        <translation>Temporizador %1, %2</translation>
    </message>
    <message>
        <source>Timer %1: %2, %3</source>
        <extracomment>%1 is the timer&apos;s number, %2 its message, %3 its time</extracomment>
        <translation>Temporizador %1: %2, %3</translation>
    </message>
    <message>
        <source>%1, ringing</source>
        <extracomment>%1 names a timer and its time</extracomment>
        <translation>%1, sonando</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>%1 names a timer and its time</extracomment>
        <translation>%1, en marcha</translation>
    </message>
    <message>
        <source>Timer %1 time left: %2</source>
        <extracomment>%2 is a time in words: 5 minutes, 8 seconds</extracomment>
        <translation>Tiempo restante del temporizador %1: %2</translation>
    </message>
    <message>
        <source>Keep on top (on)</source>
        <translation>Mantener por encima (activado)</translation>
    </message>
    <message>
        <source>Keep on top (off)</source>
        <translation>Mantener por encima (desactivado)</translation>
    </message>
    <message>
        <source>Show alarm clock</source>
        <translation>Mostrar las alarmas</translation>
    </message>
    <message>
        <source>Hide alarm clock</source>
        <translation>Ocultar las alarmas</translation>
    </message>
    <message>
        <source>Stopwatch, stopped at %1</source>
        <extracomment>%1 is the stopwatch&apos;s time, 1:05 or 2h10</extracomment>
        <translation>Cronómetro, en pausa en %1</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>Stopwatch, running</source>
        <translation>Cronómetro, en marcha</translation>
    </message>
    <message>
        <source>Alarm %1 time %2:%3 %4</source>
        <extracomment>%2:%3 are the alarm&apos;s hour and minutes on its twelve-hour dial, %4 is AM or PM</extracomment>
        <translation>Hora de la alarma %1: %2:%3 %4</translation>
    </message>
    <message>
        <source>Alarm %1 %2</source>
        <extracomment>%2 is AM or PM, which the user clicks to change</extracomment>
        <translation>Alarma %1 %2</translation>
    </message>
    <message>
        <source>Alarm %1: ON</source>
        <translation>Alarma %1: activada</translation>
    </message>
    <message>
        <source>Alarm %1: OFF</source>
        <translation>Alarma %1: desactivada</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Alarm time changed, save new time?</source>
        <translation>La hora de la alarma ha cambiado. ¿Guardar la nueva hora?</translation>
    </message>
</context>
<context>
    <name>StateText</name>
    <message>
        <source>Quick timer %1</source>
        <extracomment>%1 is its length, such as 1:30.</extracomment>
        <translation>Temporizador rápido de %1</translation>
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
        <translation>%1: sonando desde las %2</translation>
    </message>
    <message>
        <source>%1: snoozed, %2 left</source>
        <extracomment>%1 is a timer&apos;s name, %2 the time left (0:04:32).</extracomment>
        <translation>%1: pospuesto, quedan %2</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <extracomment>%1 is a timer&apos;s name, %2 the time left (0:04:32).</extracomment>
        <translation>%1: quedan %2</translation>
    </message>
    <message>
        <source>Stopwatch: running, %1</source>
        <extracomment>%1 is the time counted (1:15).</extracomment>
        <translation>Cronómetro: en marcha, %1</translation>
    </message>
    <message>
        <source>Stopwatch: paused at %1</source>
        <extracomment>%1 is the time counted (1:15).</extracomment>
        <translation>Cronómetro: en pausa en %1</translation>
    </message>
    <message>
        <source>Alarm %1: %2, ringing</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Alarma %1: %2, sonando</translation>
    </message>
    <message>
        <source>Alarm %1: %2, snoozing, rings again at %3</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM), %3 a time of day, perhaps with a day name before it.</extracomment>
        <translation>Alarma %1: %2, pospuesta, vuelve a sonar: %3</translation>
    </message>
    <message>
        <source>Alarm %1: %2, rings at %3</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM), %3 a time of day, perhaps with a day name before it.</extracomment>
        <translation>Alarma %1: %2, sonará: %3</translation>
    </message>
    <message>
        <source>Nothing is running.</source>
        <translation>No hay nada en marcha.</translation>
    </message>
    <message>
        <source>Quorbel is not running.</source>
        <translation>Quorbel no se está ejecutando.</translation>
    </message>
    <message>
        <source>%1 ringing</source>
        <extracomment>A panel bar&apos;s short line: %1 is a timer&apos;s name.</extracomment>
        <translation>%1 sonando</translation>
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
        <translation>Temporizador rápido de %1 min</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <extracomment>A countdown&apos;s name where it has no message: %1 is its number, 1 to 10.</extracomment>
        <translation>Temporizador %1</translation>
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
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Tray menu entry</extracomment>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quorbel is not running.</source>
        <translation>Quorbel no se está ejecutando.</translation>
    </message>
</context>
<context>
    <name>platform::LogindPower</name>
    <message>
        <source>Keeping the running timers on disk</source>
        <extracomment>Why the program holds the machine&apos;s sleep back a moment, as the desktop lists it.</extracomment>
        <translation>Guardando en disco los temporizadores en marcha</translation>
    </message>
    <message>
        <source>A timer rings</source>
        <extracomment>Why the program keeps the screen from going idle, as the desktop lists it.</extracomment>
        <translation>Un temporizador está sonando</translation>
    </message>
</context>
<context>
    <name>platform::SingleInstance</name>
    <message>
        <source>the settings folder %1 takes no lock (%2): a second copy on it cannot be kept out</source>
        <translation>la carpeta de configuración %1 no admite bloqueos (%2): no se puede impedir que se ejecute en ella una segunda instancia</translation>
    </message>
    <message>
        <source>the command is too long to hand to the running copy; nothing was done</source>
        <translation>la orden es demasiado larga para pasarla a la instancia en ejecución; no se ha hecho nada</translation>
    </message>
    <message>
        <source>cannot take the lock %1 (%2): a copy of another user&apos;s may be using these settings, and no second copy runs beside it</source>
        <translation>no se puede obtener el bloqueo %1 (%2): puede que una instancia de otro usuario esté usando esta configuración, y no se ejecuta una segunda instancia a la vez</translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings, and no second copy runs beside it</source>
        <translation>una instancia de otro usuario está usando esta configuración, y no se ejecuta una segunda instancia a la vez</translation>
    </message>
    <message>
        <source>another copy holds these settings but does not answer</source>
        <translation>otra instancia está usando esta configuración, pero no responde</translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings</source>
        <translation>una instancia de otro usuario está usando esta configuración</translation>
    </message>
</context>
</TS>
