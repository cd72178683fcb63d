<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AlarmPanel</name>
    <message>
        <source>ON</source>
        <extracomment>An alarm&apos;s switch when on, a button of 54 by 53 px</extracomment>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>An alarm&apos;s switch when off, a button of 54 by 53 px</extracomment>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>Rings only while the computer is awake</source>
        <extracomment>Tip of the alarms&apos; ON/OFF buttons where the system cannot wake the computer for them</extracomment>
        <translation>Звенит, только когда компьютер не спит</translation>
    </message>
</context>
<context>
    <name>AlertOptionsDialog</name>
    <message>
        <source>Alarm2.wav, which plays once, keeps its volume from the start</source>
        <translation>Alarm2.wav звучит один раз и сразу с заданной громкостью</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Будильник</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Колокольчик</translation>
    </message>
    <message>
        <source>Complete</source>
        <extracomment>A sound that says something is finished</extracomment>
        <translation>Завершение</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>A sound: the one the desktop plays for an incoming message</extracomment>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Button, 68 px wide</extracomment>
        <translation>Прослушать</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Прослушать звук</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Громкость</translation>
    </message>
    <message>
        <source>Start so&amp;ftly (rising over 15 seconds)</source>
        <translation>&amp;Плавное нарастание (15 секунд)</translation>
    </message>
    <message>
        <source> min</source>
        <extracomment>After the number of minutes in a box; keep the space if the unit is spaced</extracomment>
        <translation> мин</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>In the box of minutes, for no warning</extracomment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>&amp;Warn before</source>
        <translation>&amp;Напомнить за</translation>
    </message>
    <message>
        <source>&amp;Repeat: start again when acknowledged</source>
        <translation>Пе&amp;резапуск после отключения сигнала</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Alarm1.wav or Alarm2.wav</source>
        <extracomment>The program&apos;s own two sounds; the file names stay as they are</extracomment>
        <translation>Alarm1.wav или Alarm2.wav</translation>
    </message>
    <message>
        <source>As the Sound and Recur boxes say</source>
        <translation>Как задано флажками «Звук» и «Повтор»</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No sound at all</extracomment>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Файл…</translation>
    </message>
    <message>
        <source>Alert options – %1</source>
        <extracomment>Dialog title; %1 names the timer or the alarm</extracomment>
        <translation>Параметры сигнала — %1</translation>
    </message>
    <message>
        <source>A sound for the alert</source>
        <translation>Выбор звука для сигнала</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.oga *.flac);;All files (*)</source>
        <extracomment>File dialog filters: keep the patterns in brackets and the ;; between them</extracomment>
        <translation>Звуки (*.wav *.ogg *.oga *.flac);;Все файлы (*)</translation>
    </message>
    <message>
        <source>This sound could not be played</source>
        <translation>Не удалось воспроизвести этот звук</translation>
    </message>
</context>
<context>
    <name>AlertTuner</name>
    <message>
        <source>Alarm %1</source>
        <translation>Будильник %1</translation>
    </message>
</context>
<context>
    <name>AutostartOption</name>
    <message>
        <source>Your own autostart entry, quorbel.desktop, is left as it is; the desktop starts the program as it says.</source>
        <translation>Собственная запись автозапуска пользователя, quorbel.desktop, оставлена без изменений: программа запускается так, как указано в ней.</translation>
    </message>
    <message>
        <source>The desktop cannot start the program from this folder: its name is not UTF-8, or holds a control character, \, $ or `, or an = beside &quot;, &apos; or %. Move the program to a folder with a plain name.</source>
        <translation>Окружение рабочего стола не сможет запустить программу из этой папки: её имя не в кодировке UTF-8 или содержит управляющий символ, \, $ или `, либо знак = рядом с &quot;, &apos; или %. Переместите программу в папку с простым именем.</translation>
    </message>
    <message>
        <source>The autostart entry could not be changed.</source>
        <translation>Не удалось изменить запись автозапуска.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Restores and raises the window.</source>
        <translation>Восстановить окно и поднять его поверх остальных.</translation>
    </message>
    <message>
        <source>Starts countdown timer N (1 to 10) from its set time.</source>
        <translation>Запустить таймер N (от 1 до 10) с заданного для него времени.</translation>
    </message>
    <message>
        <source>Stops countdown timer N (1 to 10), or silences it. Without N, silences every ringing timer and alarm, as Enter in the window does: for a desktop shortcut.</source>
        <translation>Остановить таймер N (от 1 до 10) или отключить его сигнал. Без N — отключить сигнал всех звенящих таймеров и будильников, как клавиша Enter в окне: для глобальной комбинации клавиш.</translation>
    </message>
    <message>
        <source>Starts quick timer N (1 to 12, left to right).</source>
        <translation>Запустить быстрый таймер N (от 1 до 12, слева направо).</translation>
    </message>
    <message>
        <source>Snoozes the ringing timers and alarms for %1 minutes, as their notification&apos;s &quot;Snooze %1 min&quot; does.</source>
        <extracomment>&quot;Snooze %1 min&quot; is the notification&apos;s button: as it is translated there. %1 is the snooze&apos;s length in minutes (5).</extracomment>
        <translation>Отложить звенящие таймеры и будильники на %1 мин, как кнопка «Отложить на %1 мин» в их уведомлении.</translation>
    </message>
    <message>
        <source>Starts countdown timer N (1 to 10) again from its set time, ringing or not.</source>
        <translation>Перезапустить таймер N (от 1 до 10) с заданного для него времени, звенит он или нет.</translation>
    </message>
    <message>
        <source>Quits, asking first while a timer runs.</source>
        <translation>Выйти из программы; если идёт таймер, сначала запросить подтверждение.</translation>
    </message>
    <message>
        <source>--set takes a countdown timer (1 to 10), a length (H:MM:SS or a sum of hours, minutes and seconds such as 25m, 90s or 1h30m15s) and, if you like, a message.</source>
        <translation>Для --set укажите номер таймера (от 1 до 10), длительность (Ч:ММ:СС или сумму часов, минут и секунд, например 25m, 90s или 1h30m15s) и, если нужно, сообщение.</translation>
    </message>
    <message>
        <source>--alarm takes an alarm (1 or 2) and on, off or a time such as 7:30, 7:30 AM or 19:30.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>Для --alarm укажите номер будильника (1 или 2) и on, off или время, например 7:30, 7:30 AM или 19:30.</translation>
    </message>
    <message>
        <source>--autostart takes on or off, not &apos;%1&apos;.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>Для --autostart укажите on или off, а не «%1».</translation>
    </message>
    <message>
        <source>--status and --watch go one at a time.</source>
        <translation>--status и --watch нельзя указывать вместе.</translation>
    </message>
    <message>
        <source>--%1 takes no other option but %2.</source>
        <extracomment>%1 is status or watch, %2 the option --json or --plain.</extracomment>
        <translation>С --%1 нельзя указывать других параметров, кроме %2.</translation>
    </message>
    <message>
        <source>--json goes with --status.</source>
        <translation>--json указывается только вместе с --status.</translation>
    </message>
    <message>
        <source>--plain goes with --watch.</source>
        <translation>--plain указывается только вместе с --watch.</translation>
    </message>
    <message>
        <source>Starts in the notification area, the window hidden.</source>
        <translation>Запустить программу в области уведомлений, не показывая окно.</translation>
    </message>
    <message>
        <source>Starts the program with the desktop (on) or not (off).</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>Запускать программу при входе в систему (on) или нет (off).</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The value of an option in --help: a timer&apos;s or an alarm&apos;s number.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Gives idle countdown timer N (1 to 10) a LENGTH, H:MM:SS or a sum such as 25m, 90s or 1h30m15s, and a MESSAGE if one follows: --set 3 25m Pasta.</source>
        <extracomment>LENGTH and MESSAGE as in the value of --set (&quot;N LENGTH [MESSAGE]&quot;).</extracomment>
        <translation>Задать незапущенному таймеру N (от 1 до 10) ДЛИТЕЛЬНОСТЬ — Ч:ММ:СС или сумму вида 25m, 90s или 1h30m15s — и СООБЩЕНИЕ, если оно указано: --set 3 25m Макароны.</translation>
    </message>
    <message>
        <source>N LENGTH [MESSAGE]</source>
        <extracomment>The value of --set in --help: N, LENGTH and MESSAGE as its help names them.</extracomment>
        <translation>N ДЛИТЕЛЬНОСТЬ [СООБЩЕНИЕ]</translation>
    </message>
    <message>
        <source>Switches alarm N (1 or 2) on or off, or sets its time: 7:30, 7:30 AM or 19:30.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>Включить (on) или выключить (off) будильник N (1 или 2) либо задать его ВРЕМЯ: 7:30, 7:30 AM или 19:30.</translation>
    </message>
    <message>
        <source>N on|off|TIME</source>
        <extracomment>The value of --alarm in --help: &quot;on|off&quot; is typed as it is, keep it; N and TIME as its help names them.</extracomment>
        <translation>N on|off|ВРЕМЯ</translation>
    </message>
    <message>
        <source>Prints what the running copy has: timers, the stopwatch and the alarms that are on.</source>
        <translation>Вывести состояние запущенного экземпляра: таймеры, секундомер и включённые будильники.</translation>
    </message>
    <message>
        <source>With --status: as one JSON object (see the manual).</source>
        <translation>С --status: в виде одного объекта JSON (см. руководство).</translation>
    </message>
    <message>
        <source>Prints a line for a panel bar at once and at every change, JSON as waybar reads it, until ended.</source>
        <translation>Выводить строку для панели сразу и при каждом изменении, в формате JSON для waybar, пока не будет прервано.</translation>
    </message>
    <message>
        <source>With --watch: plain text lines, as polybar and i3blocks read them.</source>
        <translation>С --watch: простые текстовые строки для polybar и i3blocks.</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <extracomment>%1 is an option (--start) or a D-Bus method (StartTimer).</extracomment>
        <translation>%1: нужно число от %2 до %3, а не «%4».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no length a countdown takes: write H:MM:SS (minutes and seconds 0 to 59) or a sum such as 25m, 90s or 1h30m15s, from 1 second to 59:59:59.</source>
        <extracomment>The units h, m and s are typed as they are: keep them.</extracomment>
        <translation>Недопустимая длительность таймера «%1»: укажите Ч:ММ:СС (минуты и секунды от 0 до 59) или сумму вида 25m, 90s или 1h30m15s, от 1 секунды до 59:59:59.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no time of day: write 7:30, 7:30 AM or 19:30.</source>
        <translation>Недопустимое время суток «%1»: укажите 7:30, 7:30 AM или 19:30.</translation>
    </message>
    <message>
        <source>Countdown timers with messages, one-click quick timers, a two-alarm clock with snooze, a stopwatch and a big clock, in one small window.
To set a countdown, right-click its button and choose &quot;Edit Time / Message&quot;; a click starts it.</source>
        <extracomment>&quot;Edit Time / Message&quot; is the entry of the timer&apos;s menu: as it is translated there.</extracomment>
        <translation>Таймеры обратного отсчёта с сообщениями, быстрые таймеры в один щелчок, два будильника с отсрочкой сигнала, секундомер и большие часы — в одном маленьком окне.
Чтобы настроить таймер, откройте контекстное меню его кнопки и выберите «Изменить время / сообщение»; щелчок по кнопке запускает таймер.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Лишний аргумент «%1».</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>There is no countdown timer %1.</source>
        <translation>Нет таймера с номером %1.</translation>
    </message>
    <message>
        <source>There is no alarm %1.</source>
        <translation>Нет будильника с номером %1.</translation>
    </message>
    <message>
        <source>The running copy could not do it; its log says why.</source>
        <translation>Запущенный экземпляр не смог выполнить команду; причина указана в его журнале.</translation>
    </message>
    <message>
        <source>Timer %1 is ringing, and was not changed.</source>
        <translation>Таймер %1 звенит и не был изменён.</translation>
    </message>
    <message>
        <source>Timer %1 is running, and was not changed.</source>
        <translation>Таймер %1 запущен и не был изменён.</translation>
    </message>
    <message>
        <source>Timer %1 is open in the editor, and was not changed.</source>
        <translation>Таймер %1 открыт в редакторе и не был изменён.</translation>
    </message>
    <message>
        <source>Timer %1, %2</source>
        <extracomment>%2 is the length set (0:25:00).</extracomment>
        <translation>Таймер %1, %2</translation>
    </message>
    <message>
        <source>Timer %1: %2, %3</source>
        <extracomment>%2 is the timer&apos;s message, %3 the length set (0:25:00).</extracomment>
        <translation>Таймер %1: %2, %3</translation>
    </message>
    <message>
        <source>Alarm %1: %2, on</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Будильник %1: %2, включён</translation>
    </message>
    <message>
        <source>Alarm %1: %2, off</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Будильник %1: %2, выключен</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <extracomment>A notification&apos;s button: %1 is the snooze&apos;s length in minutes (5).</extracomment>
        <translation>Отложить на %1 мин</translation>
    </message>
    <message>
        <source>Again</source>
        <extracomment>A notification&apos;s button: the timer runs its time again.</extracomment>
        <translation>Перезапустить</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>What a click on the notification itself does, where the desktop names it.</extracomment>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Set for %1</source>
        <extracomment>%1 is the timer&apos;s set length (0:25:00).</extracomment>
        <translation>Длительность: %1</translation>
    </message>
    <message>
        <source>Set for %1, ran out at %2</source>
        <extracomment>%1 is the timer&apos;s set length (0:25:00), %2 the time of day it ran out.</extracomment>
        <translation>Длительность: %1, время вышло в %2</translation>
    </message>
    <message>
        <source>Snoozed: rings again at %1</source>
        <extracomment>%1 is a time of day.</extracomment>
        <translation>Отложено: снова зазвенит в %1</translation>
    </message>
    <message>
        <source>%1: 1 minute left</source>
        <extracomment>%1 is the timer&apos;s name (Timer 3, or its message).</extracomment>
        <translation>%1: осталась 1 минута</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n minutes left</source>
        <extracomment>%1 is the timer&apos;s name (Timer 3, or its message); %n, the minutes, is never 1.</extracomment>
        <translation>
            <numerusform>%1: осталась %n минута</numerusform>
            <numerusform>%1: осталось %n минуты</numerusform>
            <numerusform>%1: осталось %n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <translation>Будильник %1</translation>
    </message>
    <message>
        <source>Alarm %1 missed</source>
        <translation>Пропущен будильник %1</translation>
    </message>
    <message>
        <source>It was due at %1</source>
        <extracomment>%1 is a time of day.</extracomment>
        <translation>Должен был зазвенеть в %1</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>Silence ringing timers and alarms</source>
        <translation>Отключить сигнал звенящих таймеров и будильников</translation>
    </message>
    <message>
        <source>Snooze ringing timers and alarms for %1 minutes</source>
        <translation>Отложить звенящие таймеры и будильники на %1 мин</translation>
    </message>
    <message>
        <source>Show Quorbel</source>
        <translation>Показать Quorbel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Hide window</source>
        <translation>Скрыть окно</translation>
    </message>
    <message>
        <source>Brought back from the tray icon</source>
        <translation>Окно возвращается значком в области уведомлений</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button, 49 px wide</extracomment>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <extracomment>Title of the alarm clock half, 68 px wide in bold; also an entry of its menu</extracomment>
        <translation>Будильник</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>Button 18 px wide: one letter standing for the alarm clock, which it shows or hides</extracomment>
        <translation>Б</translation>
    </message>
    <message>
        <source>Hide alarm clock</source>
        <translation>Скрыть будильник</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Check box, 52 px wide with its box</extracomment>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Timers that run out ring with a sound</source>
        <translation>Истёкшие таймеры подают звуковой сигнал</translation>
    </message>
    <message>
        <source>Recur</source>
        <extracomment>Check box, 50 px wide with its box: the sound repeats (also 56 px for alarm 1)</extracomment>
        <translation>Повт.</translation>
    </message>
    <message>
        <source>The sound repeats until the timer is stopped</source>
        <translation>Звук повторяется, пока таймер не остановлен</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>A timer&apos;s button, 75 px wide, while no message is set</extracomment>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Enter stores the time and message, Escape closes</source>
        <translation>Enter — сохранить время и сообщение, Escape — закрыть</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button of the message editor, 147 px wide</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Store time and message</source>
        <translation>Сохранить время и сообщение</translation>
    </message>
    <message>
        <source>Hours and minutes</source>
        <translation>Часы и минуты</translation>
    </message>
    <message>
        <source>Hours : Minutes</source>
        <extracomment>Above the two fields of a timer&apos;s time, about 95 px wide</extracomment>
        <translation>Часы : Минуты</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>Button 17 px wide: one letter standing for Clear (the time back to zero)</extracomment>
        <translation>С</translation>
    </message>
    <message>
        <source>Clear the time</source>
        <translation>Сбросить время</translation>
    </message>
    <message>
        <source>Hours, minutes and seconds back to zero</source>
        <translation>Обнулить часы, минуты и секунды</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>ALARM 1</source>
        <extracomment>Heading over alarm 1, 46 px wide</extracomment>
        <translation>БУД. 1</translation>
    </message>
    <message>
        <source>ALARM 2</source>
        <extracomment>Heading over alarm 2, 46 px wide</extracomment>
        <translation>БУД. 2</translation>
    </message>
    <message>
        <source>ALARM 2 - Snooze</source>
        <extracomment>Heading over the snooze lengths of alarm 2, 91 px wide</extracomment>
        <translation>БУД. 2: отсрочка</translation>
    </message>
    <message>
        <source>1 min</source>
        <extracomment>Snooze length, a radio button about 46 px wide</extracomment>
        <translation>1мин</translation>
    </message>
    <message>
        <source>3 min</source>
        <extracomment>Snooze length, a radio button about 46 px wide</extracomment>
        <translation>3мин</translation>
    </message>
    <message>
        <source>5 min</source>
        <extracomment>Snooze length, a radio button about 46 px wide</extracomment>
        <translation>5мин</translation>
    </message>
    <message>
        <source>9 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>9мин</translation>
    </message>
    <message>
        <source>15 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>15мин</translation>
    </message>
    <message>
        <source>20 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>20мин</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>An alarm&apos;s switch when off, a button of 54 by 53 px</extracomment>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>Alarm 1 recurs</source>
        <translation>Повтор будильника 1</translation>
    </message>
    <message>
        <source>Alarm 1 rings until it is switched off</source>
        <translation>Будильник 1 звенит, пока его не выключат</translation>
    </message>
    <message>
        <source>Copy alarm 1 to alarm 2</source>
        <translation>Скопировать будильник 1 в будильник 2</translation>
    </message>
    <message>
        <source>Copy alarm 2 to alarm 1</source>
        <translation>Скопировать будильник 2 в будильник 1</translation>
    </message>
    <message>
        <source>Test alarm</source>
        <extracomment>Button, 55 px wide and 17 px high</extracomment>
        <translation>Тест</translation>
    </message>
    <message>
        <source>30 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>30мин</translation>
    </message>
    <message>
        <source>Start ON</source>
        <extracomment>Check box, 61 px wide with its box: the alarms are switched on when the program starts</extracomment>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Alarms on at start</source>
        <translation>Будильники включаются при запуске программы</translation>
    </message>
    <message>
        <source>Edit Time / Message</source>
        <extracomment>Menu entry of a timer: set its time and its message</extracomment>
        <translation>Изменить время / сообщение</translation>
    </message>
    <message>
        <source>Alert options…</source>
        <translation>Параметры сигнала…</translation>
    </message>
    <message>
        <source>Minimize on timer</source>
        <translation>Сворачивать при запуске таймера</translation>
    </message>
    <message>
        <source>Processes</source>
        <extracomment>Menu entry that opens the list of programs started at set times</extracomment>
        <translation>Запуск по расписанию</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Alarm 1 alert options…</source>
        <translation>Параметры сигнала будильника 1…</translation>
    </message>
    <message>
        <source>Alarm 2 alert options…</source>
        <translation>Параметры сигнала будильника 2…</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Stopwatch menu: back to zero</extracomment>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Close no save</source>
        <extracomment>Menu of the Quit button: quit without saving the settings</extracomment>
        <translation>Выйти без сохранения</translation>
    </message>
    <message>
        <source>Seconds %1+</source>
        <extracomment>A submenu of ten seconds; %1 is the tens, 0 to 5</extracomment>
        <translation>Секунды %1+</translation>
    </message>
    <message>
        <source>Hide the window; the tray icon brings it back</source>
        <translation>Скрыть окно; значок в области уведомлений вернёт его</translation>
    </message>
    <message>
        <source>Stopwatch: click to start or pause; right-click to clear</source>
        <translation>Секундомер: щелчок — запуск или пауза, правый щелчок — сброс</translation>
    </message>
    <message>
        <source>Show the alarm clock</source>
        <translation>Показать будильник</translation>
    </message>
    <message>
        <source>Hide the alarm clock</source>
        <translation>Скрыть будильник</translation>
    </message>
    <message>
        <source>Keep the window on top of the others</source>
        <translation>Держать окно поверх остальных</translation>
    </message>
    <message>
        <source>The sound repeats every second until the timer is stopped</source>
        <translation>Звук повторяется каждую секунду, пока таймер не остановлен</translation>
    </message>
    <message>
        <source>Quit; right-click to quit without saving</source>
        <translation>Выход; правый щелчок — выход без сохранения</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Timer still in progress. Quit anyway?</source>
        <translation>Таймер ещё идёт. Всё равно выйти?</translation>
    </message>
    <message>
        <source>Settings could not be saved. Quit anyway?</source>
        <translation>Не удалось сохранить настройки. Всё равно выйти?</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Quorbel is ending.</source>
        <extracomment>A D-Bus caller&apos;s answer while the program quits.</extracomment>
        <translation>Quorbel завершает работу.</translation>
    </message>
    <message>
        <source>cannot open the display; set DISPLAY or run from a desktop session</source>
        <translation>не удаётся открыть дисплей; задайте DISPLAY или запустите программу из сеанса рабочего стола</translation>
    </message>
    <message>
        <source>cannot open the display %1; set DISPLAY or run from a desktop session</source>
        <extracomment>%1 is the display&apos;s name, such as :0.</extracomment>
        <translation>не удаётся открыть дисплей %1; задайте DISPLAY или запустите программу из сеанса рабочего стола</translation>
    </message>
</context>
<context>
    <name>Quorbel</name>
    <message>
        <source>The settings file could not be read and will not be overwritten:
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Не удалось прочитать файл настроек, и он не будет перезаписан:
%1</translation>
    </message>
    <message>
        <source>The running timers cannot be kept for the next start, since this file cannot be written:
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Запущенные таймеры не удастся сохранить до следующего запуска, так как не удаётся записать файл:
%1</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>Quorbel could not do it; its log says why.</source>
        <translation>Quorbel не смог выполнить команду; причина указана в его журнале.</translation>
    </message>
    <message>
        <source>No method %1.</source>
        <extracomment>A D-Bus caller&apos;s error: %1 is the name of a method the program does not have.</extracomment>
        <translation>Нет метода %1.</translation>
    </message>
</context>
<context>
    <name>ScheduleDialog</name>
    <message>
        <source>Start Program</source>
        <extracomment>Dialog title: the list of programs started at set times</extracomment>
        <translation>Запуск программ</translation>
    </message>
    <message>
        <source>Format: [HHMM][filename]
(Place a tilde ~  in position 1 to delimiter a record)</source>
        <extracomment>Two lines, 291 px wide; [HHMM] and the tilde ~ are what the user types, keep them</extracomment>
        <translation>Формат: [HHMM][имя файла]
(Тильда ~ в начале строки отключает запись)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>1 hour</source>
        <translation>1 час</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 минута</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 секунда</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the parts of a time said in words: 5 minutes, 8 seconds</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>0 seconds</source>
        <translation>0 секунд</translation>
    </message>
    <message>
        <source>Space starts or stops the timer; the menu key opens its menu: Edit Time / Message, Alert options</source>
        <extracomment>Edit Time / Message and Alert options are the entries of the timer&apos;s menu</extracomment>
        <translation>Пробел запускает или останавливает таймер; клавиша контекстного меню открывает его меню: «Изменить время / сообщение», «Параметры сигнала»</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Отложить на %1 мин</translation>
    </message>
    <message>
        <source>Click to start or stop; right-click to set the time and message, or how it alerts</source>
        <translation>Щелчок — запуск или остановка; правый щелчок — настройка времени и сообщения или сигнала</translation>
    </message>
    <message>
        <source>Click to start or stop; right-click shows the time left</source>
        <translation>Щелчок — запуск или остановка; правый щелчок показывает оставшееся время</translation>
    </message>
    <message>
        <source>The menu key sets the seconds</source>
        <translation>Клавиша контекстного меню задаёт секунды</translation>
    </message>
    <message>
        <source>Right-click to set the seconds</source>
        <translation>Правый щелчок — выбор секунд</translation>
    </message>
    <message>
        <source>Quick timer 1 minute</source>
        <translation>Быстрый таймер на 1 минуту</translation>
    </message>
    <message numerus="yes">
        <source>Quick timer %n minutes</source>
        <translation>
            <numerusform>Быстрый таймер на %n минуту</numerusform>
            <numerusform>Быстрый таймер на %n минуты</numerusform>
            <numerusform>Быстрый таймер на %n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>Timer %1, %2</source>
        <extracomment>%1 is the timer&apos;s number, %2 the time it is set to (00:25:00)</extracomment>
        <translation>Таймер %1, %2</translation>
    </message>
    <message>
        <source>Timer %1: %2, %3</source>
        <extracomment>%1 is the timer&apos;s number, %2 its message, %3 its time</extracomment>
        <translation>Таймер %1: %2, %3</translation>
    </message>
    <message>
        <source>%1, ringing</source>
        <extracomment>%1 names a timer and its time</extracomment>
        <translation>%1, звенит</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>%1 names a timer and its time</extracomment>
        <translation>%1, запущен</translation>
    </message>
    <message>
        <source>Timer %1 time left: %2</source>
        <extracomment>%2 is a time in words: 5 minutes, 8 seconds</extracomment>
        <translation>Таймер %1, осталось: %2</translation>
    </message>
    <message>
        <source>Keep on top (on)</source>
        <translation>Поверх других окон (вкл.)</translation>
    </message>
    <message>
        <source>Keep on top (off)</source>
        <translation>Поверх других окон (выкл.)</translation>
    </message>
    <message>
        <source>Show alarm clock</source>
        <translation>Показать будильник</translation>
    </message>
    <message>
        <source>Hide alarm clock</source>
        <translation>Скрыть будильник</translation>
    </message>
    <message>
        <source>Stopwatch, stopped at %1</source>
        <extracomment>%1 is the stopwatch&apos;s time, 1:05 or 2h10</extracomment>
        <translation>Секундомер, приостановлен на %1</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Секундомер</translation>
    </message>
    <message>
        <source>Stopwatch, running</source>
        <translation>Секундомер, запущен</translation>
    </message>
    <message>
        <source>Alarm %1 time %2:%3 %4</source>
        <extracomment>%2:%3 are the alarm&apos;s hour and minutes on its twelve-hour dial, %4 is AM or PM</extracomment>
        <translation>Будильник %1, время %2:%3 %4</translation>
    </message>
    <message>
        <source>Alarm %1 %2</source>
        <extracomment>%2 is AM or PM, which the user clicks to change</extracomment>
        <translation>Будильник %1, %2</translation>
    </message>
    <message>
        <source>Alarm %1: ON</source>
        <translation>Будильник %1: ВКЛ</translation>
    </message>
    <message>
        <source>Alarm %1: OFF</source>
        <translation>Будильник %1: ВЫКЛ</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Alarm time changed, save new time?</source>
        <translation>Время будильника изменено. Сохранить новое время?</translation>
    </message>
</context>
<context>
    <name>StateText</name>
    <message>
        <source>Quick timer %1</source>
        <extracomment>%1 is its length, such as 1:30.</extracomment>
        <translation>Быстрый таймер %1</translation>
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
        <translation>%1: звенит с %2</translation>
    </message>
    <message>
        <source>%1: snoozed, %2 left</source>
        <extracomment>%1 is a timer&apos;s name, %2 the time left (0:04:32).</extracomment>
        <translation>%1: отложено, осталось %2</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <extracomment>%1 is a timer&apos;s name, %2 the time left (0:04:32).</extracomment>
        <translation>%1: осталось %2</translation>
    </message>
    <message>
        <source>Stopwatch: running, %1</source>
        <extracomment>%1 is the time counted (1:15).</extracomment>
        <translation>Секундомер: запущен, %1</translation>
    </message>
    <message>
        <source>Stopwatch: paused at %1</source>
        <extracomment>%1 is the time counted (1:15).</extracomment>
        <translation>Секундомер: приостановлен на %1</translation>
    </message>
    <message>
        <source>Alarm %1: %2, ringing</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Будильник %1: %2, звенит</translation>
    </message>
    <message>
        <source>Alarm %1: %2, snoozing, rings again at %3</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM), %3 a time of day, perhaps with a day name before it.</extracomment>
        <translation>Будильник %1: %2, отложен, снова зазвенит в %3</translation>
    </message>
    <message>
        <source>Alarm %1: %2, rings at %3</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM), %3 a time of day, perhaps with a day name before it.</extracomment>
        <translation>Будильник %1: %2, зазвенит в %3</translation>
    </message>
    <message>
        <source>Nothing is running.</source>
        <translation>Ничего не запущено.</translation>
    </message>
    <message>
        <source>Quorbel is not running.</source>
        <translation>Quorbel не запущен.</translation>
    </message>
    <message>
        <source>%1 ringing</source>
        <extracomment>A panel bar&apos;s short line: %1 is a timer&apos;s name.</extracomment>
        <translation>%1 звенит</translation>
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
        <translation>Сек.</translation>
    </message>
</context>
<context>
    <name>Timers</name>
    <message>
        <source>Quick timer %1 min</source>
        <extracomment>A quick timer&apos;s name: %1 is its length in minutes.</extracomment>
        <translation>Быстрый таймер %1 мин</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <extracomment>A countdown&apos;s name where it has no message: %1 is its number, 1 to 10.</extracomment>
        <translation>Таймер %1</translation>
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
        <translation>Показать</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Tray menu entry</extracomment>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quorbel is not running.</source>
        <translation>Quorbel не запущен.</translation>
    </message>
</context>
<context>
    <name>platform::LogindPower</name>
    <message>
        <source>Keeping the running timers on disk</source>
        <extracomment>Why the program holds the machine&apos;s sleep back a moment, as the desktop lists it.</extracomment>
        <translation>Сохранение запущенных таймеров на диск</translation>
    </message>
    <message>
        <source>A timer rings</source>
        <extracomment>Why the program keeps the screen from going idle, as the desktop lists it.</extracomment>
        <translation>Звенит таймер</translation>
    </message>
</context>
<context>
    <name>platform::SingleInstance</name>
    <message>
        <source>the settings folder %1 takes no lock (%2): a second copy on it cannot be kept out</source>
        <translation>папку настроек %1 невозможно заблокировать (%2): не удастся помешать запуску второго экземпляра с этой папкой</translation>
    </message>
    <message>
        <source>the command is too long to hand to the running copy; nothing was done</source>
        <translation>команда слишком длинная для передачи запущенному экземпляру; ничего не сделано</translation>
    </message>
    <message>
        <source>cannot take the lock %1 (%2): a copy of another user&apos;s may be using these settings, and no second copy runs beside it</source>
        <translation>не удаётся получить блокировку %1 (%2): возможно, эти настройки использует экземпляр другого пользователя, а второй экземпляр рядом с ним не запускается</translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings, and no second copy runs beside it</source>
        <translation>эти настройки заняты экземпляром другого пользователя, а второй экземпляр рядом с ним не запускается</translation>
    </message>
    <message>
        <source>another copy holds these settings but does not answer</source>
        <translation>эти настройки заняты другим экземпляром, но он не отвечает</translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings</source>
        <translation>эти настройки заняты экземпляром другого пользователя</translation>
    </message>
</context>
</TS>
