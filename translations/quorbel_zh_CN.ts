<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AlarmPanel</name>
    <message>
        <source>ON</source>
        <extracomment>An alarm&apos;s switch when on, a button of 54 by 53 px</extracomment>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>An alarm&apos;s switch when off, a button of 54 by 53 px</extracomment>
        <translation>关</translation>
    </message>
    <message>
        <source>Rings only while the computer is awake</source>
        <extracomment>Tip of the alarms&apos; ON/OFF buttons where the system cannot wake the computer for them</extracomment>
        <translation>仅在计算机未休眠时响铃</translation>
    </message>
</context>
<context>
    <name>AlertOptionsDialog</name>
    <message>
        <source>Alarm2.wav, which plays once, keeps its volume from the start</source>
        <translation>Alarm2.wav 只播放一次，从一开始就使用设定的音量</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>闹钟铃声</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>铃铛</translation>
    </message>
    <message>
        <source>Complete</source>
        <extracomment>A sound that says something is finished</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>电话</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>A sound: the one the desktop plays for an incoming message</extracomment>
        <translation>新消息</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>声音(&amp;S)</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Button, 68 px wide</extracomment>
        <translation>试听</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>试听声音</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>音量(&amp;V)</translation>
    </message>
    <message>
        <source>Start so&amp;ftly (rising over 15 seconds)</source>
        <translation>由轻渐响（15 秒内逐渐增大）(&amp;F)</translation>
    </message>
    <message>
        <source> min</source>
        <extracomment>After the number of minutes in a box; keep the space if the unit is spaced</extracomment>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>In the box of minutes, for no warning</extracomment>
        <translation>关</translation>
    </message>
    <message>
        <source>&amp;Warn before</source>
        <translation>提前提示(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Repeat: start again when acknowledged</source>
        <translation>重复：确认后重新开始(&amp;R)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Alarm1.wav or Alarm2.wav</source>
        <extracomment>The program&apos;s own two sounds; the file names stay as they are</extracomment>
        <translation>Alarm1.wav 或 Alarm2.wav</translation>
    </message>
    <message>
        <source>As the Sound and Recur boxes say</source>
        <translation>按“声音”和“循环”复选框的设置</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No sound at all</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>选择文件…</translation>
    </message>
    <message>
        <source>Alert options – %1</source>
        <extracomment>Dialog title; %1 names the timer or the alarm</extracomment>
        <translation>提醒选项 – %1</translation>
    </message>
    <message>
        <source>A sound for the alert</source>
        <translation>选择提醒声音</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.oga *.flac);;All files (*)</source>
        <extracomment>File dialog filters: keep the patterns in brackets and the ;; between them</extracomment>
        <translation>声音文件 (*.wav *.ogg *.oga *.flac);;所有文件 (*)</translation>
    </message>
    <message>
        <source>This sound could not be played</source>
        <translation>无法播放此声音</translation>
    </message>
</context>
<context>
    <name>AlertTuner</name>
    <message>
        <source>Alarm %1</source>
        <translation>闹钟 %1</translation>
    </message>
</context>
<context>
    <name>AutostartOption</name>
    <message>
        <source>Your own autostart entry, quorbel.desktop, is left as it is; the desktop starts the program as it says.</source>
        <translation>自动启动项 quorbel.desktop 是您自己创建的，将保持不变；桌面会按其中的内容启动本程序。</translation>
    </message>
    <message>
        <source>The desktop cannot start the program from this folder: its name is not UTF-8, or holds a control character, \, $ or `, or an = beside &quot;, &apos; or %. Move the program to a folder with a plain name.</source>
        <translation>桌面无法从此文件夹启动本程序：其名称不是 UTF-8 编码，或含有控制字符、\、$ 或 `，或在 &quot;、&apos; 或 % 旁边含有 =。请将本程序移到名称简单的文件夹中。</translation>
    </message>
    <message>
        <source>The autostart entry could not be changed.</source>
        <translation>无法更改自动启动项。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Restores and raises the window.</source>
        <translation>还原窗口并将其置于最前。</translation>
    </message>
    <message>
        <source>Starts countdown timer N (1 to 10) from its set time.</source>
        <translation>按设定时长启动倒计时器 N（1 至 10）。</translation>
    </message>
    <message>
        <source>Stops countdown timer N (1 to 10), or silences it. Without N, silences every ringing timer and alarm, as Enter in the window does: for a desktop shortcut.</source>
        <translation>停止倒计时器 N（1 至 10），或使其停止响铃。不指定 N 时，使所有正在响铃的计时器和闹钟停止响铃，与在窗口中按 Enter 键相同，适合用作桌面快捷键。</translation>
    </message>
    <message>
        <source>Starts quick timer N (1 to 12, left to right).</source>
        <translation>启动快速计时器 N（1 至 12，从左到右）。</translation>
    </message>
    <message>
        <source>Snoozes the ringing timers and alarms for %1 minutes, as their notification&apos;s &quot;Snooze %1 min&quot; does.</source>
        <extracomment>&quot;Snooze %1 min&quot; is the notification&apos;s button: as it is translated there. %1 is the snooze&apos;s length in minutes (5).</extracomment>
        <translation>使正在响铃的计时器和闹钟贪睡 %1 分钟，与其通知中的“贪睡 %1 分钟”按钮相同。</translation>
    </message>
    <message>
        <source>Starts countdown timer N (1 to 10) again from its set time, ringing or not.</source>
        <translation>按设定时长重新启动倒计时器 N（1 至 10），无论其是否正在响铃。</translation>
    </message>
    <message>
        <source>Quits, asking first while a timer runs.</source>
        <translation>退出程序；若有计时器正在运行，会先询问。</translation>
    </message>
    <message>
        <source>--set takes a countdown timer (1 to 10), a length (H:MM:SS or a sum of hours, minutes and seconds such as 25m, 90s or 1h30m15s) and, if you like, a message.</source>
        <translation>--set 需要一个倒计时器（1 至 10）、一个时长（H:MM:SS，或时、分、秒之和，如 25m、90s 或 1h30m15s），消息可选。</translation>
    </message>
    <message>
        <source>--alarm takes an alarm (1 or 2) and on, off or a time such as 7:30, 7:30 AM or 19:30.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>--alarm 需要一个闹钟（1 或 2），以及 on、off 或时间，如 7:30、7:30 AM 或 19:30。</translation>
    </message>
    <message>
        <source>--autostart takes on or off, not &apos;%1&apos;.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>--autostart 只接受 on 或 off，不接受“%1”。</translation>
    </message>
    <message>
        <source>--status and --watch go one at a time.</source>
        <translation>--status 和 --watch 不能同时使用。</translation>
    </message>
    <message>
        <source>--%1 takes no other option but %2.</source>
        <extracomment>%1 is status or watch, %2 the option --json or --plain.</extracomment>
        <translation>--%1 除 %2 外不接受其他选项。</translation>
    </message>
    <message>
        <source>--json goes with --status.</source>
        <translation>--json 须与 --status 一起使用。</translation>
    </message>
    <message>
        <source>--plain goes with --watch.</source>
        <translation>--plain 须与 --watch 一起使用。</translation>
    </message>
    <message>
        <source>Starts in the notification area, the window hidden.</source>
        <translation>在系统托盘中启动，不显示窗口。</translation>
    </message>
    <message>
        <source>Starts the program with the desktop (on) or not (off).</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>随桌面启动本程序（on）或不随桌面启动（off）。</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The value of an option in --help: a timer&apos;s or an alarm&apos;s number.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Gives idle countdown timer N (1 to 10) a LENGTH, H:MM:SS or a sum such as 25m, 90s or 1h30m15s, and a MESSAGE if one follows: --set 3 25m Pasta.</source>
        <extracomment>LENGTH and MESSAGE as in the value of --set (&quot;N LENGTH [MESSAGE]&quot;).</extracomment>
        <translation>为空闲的倒计时器 N（1 至 10）设置时长（H:MM:SS，或 25m、90s、1h30m15s 这样的和），若后面跟有消息，则一并设置消息：--set 3 25m 煮面。</translation>
    </message>
    <message>
        <source>N LENGTH [MESSAGE]</source>
        <extracomment>The value of --set in --help: N, LENGTH and MESSAGE as its help names them.</extracomment>
        <translation>N 时长 [消息]</translation>
    </message>
    <message>
        <source>Switches alarm N (1 or 2) on or off, or sets its time: 7:30, 7:30 AM or 19:30.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>开启（on）或关闭（off）闹钟 N（1 或 2），或设置其时间：7:30、7:30 AM 或 19:30。</translation>
    </message>
    <message>
        <source>N on|off|TIME</source>
        <extracomment>The value of --alarm in --help: &quot;on|off&quot; is typed as it is, keep it; N and TIME as its help names them.</extracomment>
        <translation>N on|off|时间</translation>
    </message>
    <message>
        <source>Prints what the running copy has: timers, the stopwatch and the alarms that are on.</source>
        <translation>输出正在运行的实例的状态：计时器、秒表和已开启的闹钟。</translation>
    </message>
    <message>
        <source>With --status: as one JSON object (see the manual).</source>
        <translation>与 --status 一起使用：输出为一个 JSON 对象（参见手册）。</translation>
    </message>
    <message>
        <source>Prints a line for a panel bar at once and at every change, JSON as waybar reads it, until ended.</source>
        <translation>立即并在每次变化时为面板栏输出一行 waybar 可读取的 JSON，直到被终止。</translation>
    </message>
    <message>
        <source>With --watch: plain text lines, as polybar and i3blocks read them.</source>
        <translation>与 --watch 一起使用：输出 polybar 和 i3blocks 可读取的纯文本行。</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <extracomment>%1 is an option (--start) or a D-Bus method (StartTimer).</extracomment>
        <translation>%1 需要 %2 至 %3 之间的数字，不接受“%4”。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no length a countdown takes: write H:MM:SS (minutes and seconds 0 to 59) or a sum such as 25m, 90s or 1h30m15s, from 1 second to 59:59:59.</source>
        <extracomment>The units h, m and s are typed as they are: keep them.</extracomment>
        <translation>“%1”不是有效的倒计时时长：请写作 H:MM:SS（分和秒为 0 至 59），或 25m、90s、1h30m15s 这样的和，范围为 1 秒至 59:59:59。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no time of day: write 7:30, 7:30 AM or 19:30.</source>
        <translation>“%1”不是有效的时刻：请写作 7:30、7:30 AM 或 19:30。</translation>
    </message>
    <message>
        <source>Countdown timers with messages, one-click quick timers, a two-alarm clock with snooze, a stopwatch and a big clock, in one small window.
To set a countdown, right-click its button and choose &quot;Edit Time / Message&quot;; a click starts it.</source>
        <extracomment>&quot;Edit Time / Message&quot; is the entry of the timer&apos;s menu: as it is translated there.</extracomment>
        <translation>在一个小窗口中提供带消息的倒计时器、一键启动的快速计时器、带贪睡功能的双闹钟、秒表和大时钟。
要设置倒计时器，请右键单击其按钮并选择“编辑时间/消息”；单击按钮即可启动。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>There is no countdown timer %1.</source>
        <translation>不存在倒计时器 %1。</translation>
    </message>
    <message>
        <source>There is no alarm %1.</source>
        <translation>不存在闹钟 %1。</translation>
    </message>
    <message>
        <source>The running copy could not do it; its log says why.</source>
        <translation>正在运行的实例无法执行此操作；原因请见其日志。</translation>
    </message>
    <message>
        <source>Timer %1 is ringing, and was not changed.</source>
        <translation>计时器 %1 正在响铃，未作更改。</translation>
    </message>
    <message>
        <source>Timer %1 is running, and was not changed.</source>
        <translation>计时器 %1 正在运行，未作更改。</translation>
    </message>
    <message>
        <source>Timer %1 is open in the editor, and was not changed.</source>
        <translation>计时器 %1 正在编辑器中打开，未作更改。</translation>
    </message>
    <message>
        <source>Timer %1, %2</source>
        <extracomment>%2 is the length set (0:25:00).</extracomment>
        <translation>计时器 %1，%2</translation>
    </message>
    <message>
        <source>Timer %1: %2, %3</source>
        <extracomment>%2 is the timer&apos;s message, %3 the length set (0:25:00).</extracomment>
        <translation>计时器 %1：%2，%3</translation>
    </message>
    <message>
        <source>Alarm %1: %2, on</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>闹钟 %1：%2，已开启</translation>
    </message>
    <message>
        <source>Alarm %1: %2, off</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>闹钟 %1：%2，已关闭</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <extracomment>A notification&apos;s button: %1 is the snooze&apos;s length in minutes (5).</extracomment>
        <translation>贪睡 %1 分钟</translation>
    </message>
    <message>
        <source>Again</source>
        <extracomment>A notification&apos;s button: the timer runs its time again.</extracomment>
        <translation>重新开始</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>What a click on the notification itself does, where the desktop names it.</extracomment>
        <translation>显示</translation>
    </message>
    <message>
        <source>Set for %1</source>
        <extracomment>%1 is the timer&apos;s set length (0:25:00).</extracomment>
        <translation>设定时长 %1</translation>
    </message>
    <message>
        <source>Set for %1, ran out at %2</source>
        <extracomment>%1 is the timer&apos;s set length (0:25:00), %2 the time of day it ran out.</extracomment>
        <translation>设定时长 %1，于 %2 到时</translation>
    </message>
    <message>
        <source>Snoozed: rings again at %1</source>
        <extracomment>%1 is a time of day.</extracomment>
        <translation>贪睡中：将于 %1 再次响铃</translation>
    </message>
    <message>
        <source>%1: 1 minute left</source>
        <extracomment>%1 is the timer&apos;s name (Timer 3, or its message).</extracomment>
        <translation>%1：还剩 1 分钟</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n minutes left</source>
        <extracomment>%1 is the timer&apos;s name (Timer 3, or its message); %n, the minutes, is never 1.</extracomment>
        <translation>
            <numerusform>%1：还剩 %n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <translation>闹钟 %1</translation>
    </message>
    <message>
        <source>Alarm %1 missed</source>
        <translation>错过了闹钟 %1</translation>
    </message>
    <message>
        <source>It was due at %1</source>
        <extracomment>%1 is a time of day.</extracomment>
        <translation>原定于 %1 响铃</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>Silence ringing timers and alarms</source>
        <translation>停止计时器和闹钟的响铃</translation>
    </message>
    <message>
        <source>Snooze ringing timers and alarms for %1 minutes</source>
        <translation>使正在响铃的计时器和闹钟贪睡 %1 分钟</translation>
    </message>
    <message>
        <source>Show Quorbel</source>
        <translation>显示 Quorbel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Hide window</source>
        <translation>隐藏窗口</translation>
    </message>
    <message>
        <source>Brought back from the tray icon</source>
        <translation>可通过托盘图标恢复</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button, 49 px wide</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <extracomment>Title of the alarm clock half, 68 px wide in bold; also an entry of its menu</extracomment>
        <translation>闹钟</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>Button 18 px wide: one letter standing for the alarm clock, which it shows or hides</extracomment>
        <translation>闹</translation>
    </message>
    <message>
        <source>Hide alarm clock</source>
        <translation>隐藏闹钟</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Check box, 52 px wide with its box</extracomment>
        <translation>声音</translation>
    </message>
    <message>
        <source>Timers that run out ring with a sound</source>
        <translation>计时器到时后发出声音</translation>
    </message>
    <message>
        <source>Recur</source>
        <extracomment>Check box, 50 px wide with its box: the sound repeats (also 56 px for alarm 1)</extracomment>
        <translation>循环</translation>
    </message>
    <message>
        <source>The sound repeats until the timer is stopped</source>
        <translation>声音重复播放，直到计时器停止</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>A timer&apos;s button, 75 px wide, while no message is set</extracomment>
        <translation>消息</translation>
    </message>
    <message>
        <source>Enter stores the time and message, Escape closes</source>
        <translation>按 Enter 保存时间和消息，按 Esc 关闭</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button of the message editor, 147 px wide</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>Store time and message</source>
        <translation>保存时间和消息</translation>
    </message>
    <message>
        <source>Hours and minutes</source>
        <translation>小时和分钟</translation>
    </message>
    <message>
        <source>Hours : Minutes</source>
        <extracomment>Above the two fields of a timer&apos;s time, about 95 px wide</extracomment>
        <translation>小时 : 分钟</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>Button 17 px wide: one letter standing for Clear (the time back to zero)</extracomment>
        <translation>清</translation>
    </message>
    <message>
        <source>Clear the time</source>
        <translation>时间清零</translation>
    </message>
    <message>
        <source>Hours, minutes and seconds back to zero</source>
        <translation>将时、分、秒归零</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>时钟</translation>
    </message>
    <message>
        <source>ALARM 1</source>
        <extracomment>Heading over alarm 1, 46 px wide</extracomment>
        <translation>闹钟 1</translation>
    </message>
    <message>
        <source>ALARM 2</source>
        <extracomment>Heading over alarm 2, 46 px wide</extracomment>
        <translation>闹钟 2</translation>
    </message>
    <message>
        <source>ALARM 2 - Snooze</source>
        <extracomment>Heading over the snooze lengths of alarm 2, 91 px wide</extracomment>
        <translation>闹钟 2 - 贪睡</translation>
    </message>
    <message>
        <source>1 min</source>
        <extracomment>Snooze length, a radio button about 46 px wide</extracomment>
        <translation>1 分</translation>
    </message>
    <message>
        <source>3 min</source>
        <extracomment>Snooze length, a radio button about 46 px wide</extracomment>
        <translation>3 分</translation>
    </message>
    <message>
        <source>5 min</source>
        <extracomment>Snooze length, a radio button about 46 px wide</extracomment>
        <translation>5 分</translation>
    </message>
    <message>
        <source>9 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>9 分</translation>
    </message>
    <message>
        <source>15 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>15 分</translation>
    </message>
    <message>
        <source>20 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>20 分</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>An alarm&apos;s switch when off, a button of 54 by 53 px</extracomment>
        <translation>关</translation>
    </message>
    <message>
        <source>Alarm 1 recurs</source>
        <translation>闹钟 1 循环响铃</translation>
    </message>
    <message>
        <source>Alarm 1 rings until it is switched off</source>
        <translation>闹钟 1 持续响铃，直到被关闭</translation>
    </message>
    <message>
        <source>Copy alarm 1 to alarm 2</source>
        <translation>将闹钟 1 复制到闹钟 2</translation>
    </message>
    <message>
        <source>Copy alarm 2 to alarm 1</source>
        <translation>将闹钟 2 复制到闹钟 1</translation>
    </message>
    <message>
        <source>Test alarm</source>
        <extracomment>Button, 55 px wide and 17 px high</extracomment>
        <translation>试响</translation>
    </message>
    <message>
        <source>30 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>30 分</translation>
    </message>
    <message>
        <source>Start ON</source>
        <extracomment>Check box, 61 px wide with its box: the alarms are switched on when the program starts</extracomment>
        <translation>自动开</translation>
    </message>
    <message>
        <source>Alarms on at start</source>
        <translation>程序启动时开启闹钟</translation>
    </message>
    <message>
        <source>Edit Time / Message</source>
        <extracomment>Menu entry of a timer: set its time and its message</extracomment>
        <translation>编辑时间/消息</translation>
    </message>
    <message>
        <source>Alert options…</source>
        <translation>提醒选项…</translation>
    </message>
    <message>
        <source>Minimize on timer</source>
        <translation>计时器启动时最小化</translation>
    </message>
    <message>
        <source>Processes</source>
        <extracomment>Menu entry that opens the list of programs started at set times</extracomment>
        <translation>计划任务</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>随桌面启动</translation>
    </message>
    <message>
        <source>Alarm 1 alert options…</source>
        <translation>闹钟 1 提醒选项…</translation>
    </message>
    <message>
        <source>Alarm 2 alert options…</source>
        <translation>闹钟 2 提醒选项…</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Stopwatch menu: back to zero</extracomment>
        <translation>清零</translation>
    </message>
    <message>
        <source>Close no save</source>
        <extracomment>Menu of the Quit button: quit without saving the settings</extracomment>
        <translation>退出且不保存</translation>
    </message>
    <message>
        <source>Seconds %1+</source>
        <extracomment>A submenu of ten seconds; %1 is the tens, 0 to 5</extracomment>
        <translation>%1x 秒</translation>
    </message>
    <message>
        <source>Hide the window; the tray icon brings it back</source>
        <translation>隐藏窗口；单击托盘图标可恢复</translation>
    </message>
    <message>
        <source>Stopwatch: click to start or pause; right-click to clear</source>
        <translation>秒表：单击开始或暂停；右键单击清零</translation>
    </message>
    <message>
        <source>Show the alarm clock</source>
        <translation>显示闹钟</translation>
    </message>
    <message>
        <source>Hide the alarm clock</source>
        <translation>隐藏闹钟</translation>
    </message>
    <message>
        <source>Keep the window on top of the others</source>
        <translation>将窗口保持在其他窗口之上</translation>
    </message>
    <message>
        <source>The sound repeats every second until the timer is stopped</source>
        <translation>声音每秒重复一次，直到计时器停止</translation>
    </message>
    <message>
        <source>Quit; right-click to quit without saving</source>
        <translation>退出；右键单击可退出且不保存</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Timer still in progress. Quit anyway?</source>
        <translation>仍有计时器在运行。是否仍要退出？</translation>
    </message>
    <message>
        <source>Settings could not be saved. Quit anyway?</source>
        <translation>无法保存设置。是否仍要退出？</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Quorbel is ending.</source>
        <extracomment>A D-Bus caller&apos;s answer while the program quits.</extracomment>
        <translation>Quorbel 正在退出。</translation>
    </message>
    <message>
        <source>cannot open the display; set DISPLAY or run from a desktop session</source>
        <translation>无法打开显示；请设置 DISPLAY 或在桌面会话中运行</translation>
    </message>
    <message>
        <source>cannot open the display %1; set DISPLAY or run from a desktop session</source>
        <extracomment>%1 is the display&apos;s name, such as :0.</extracomment>
        <translation>无法打开显示 %1；请设置 DISPLAY 或在桌面会话中运行</translation>
    </message>
</context>
<context>
    <name>Quorbel</name>
    <message>
        <source>The settings file could not be read and will not be overwritten:
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>无法读取设置文件，该文件不会被覆盖：
%1</translation>
    </message>
    <message>
        <source>The running timers cannot be kept for the next start, since this file cannot be written:
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>无法写入以下文件，正在运行的计时器将无法保留到下次启动：
%1</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>Quorbel could not do it; its log says why.</source>
        <translation>Quorbel 无法执行此操作；原因请见其日志。</translation>
    </message>
    <message>
        <source>No method %1.</source>
        <extracomment>A D-Bus caller&apos;s error: %1 is the name of a method the program does not have.</extracomment>
        <translation>不存在方法 %1。</translation>
    </message>
</context>
<context>
    <name>ScheduleDialog</name>
    <message>
        <source>Start Program</source>
        <extracomment>Dialog title: the list of programs started at set times</extracomment>
        <translation>定时启动程序</translation>
    </message>
    <message>
        <source>Format: [HHMM][filename]
(Place a tilde ~  in position 1 to delimiter a record)</source>
        <extracomment>Two lines, 291 px wide; [HHMM] and the tilde ~ are what the user types, keep them</extracomment>
        <translation>格式：[HHMM][文件名]
（行首加波浪号 ~ 即停用该记录）</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>1 hour</source>
        <translation>1 小时</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n 小时</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 分钟</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 秒</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the parts of a time said in words: 5 minutes, 8 seconds</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>0 seconds</source>
        <translation>0 秒</translation>
    </message>
    <message>
        <source>Space starts or stops the timer; the menu key opens its menu: Edit Time / Message, Alert options</source>
        <extracomment>Edit Time / Message and Alert options are the entries of the timer&apos;s menu</extracomment>
        <translation>空格键开始或停止计时器；菜单键打开其菜单：编辑时间/消息、提醒选项</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>贪睡 %1 分钟</translation>
    </message>
    <message>
        <source>Click to start or stop; right-click to set the time and message, or how it alerts</source>
        <translation>单击开始或停止；右键单击设置时间和消息，或提醒方式</translation>
    </message>
    <message>
        <source>Click to start or stop; right-click shows the time left</source>
        <translation>单击开始或停止；右键单击显示剩余时间</translation>
    </message>
    <message>
        <source>The menu key sets the seconds</source>
        <translation>菜单键设置秒数</translation>
    </message>
    <message>
        <source>Right-click to set the seconds</source>
        <translation>右键单击设置秒数</translation>
    </message>
    <message>
        <source>Quick timer 1 minute</source>
        <translation>快速计时器 1 分钟</translation>
    </message>
    <message numerus="yes">
        <source>Quick timer %n minutes</source>
        <translation>
            <numerusform>快速计时器 %n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>Timer %1, %2</source>
        <extracomment>%1 is the timer&apos;s number, %2 the time it is set to (00:25:00)</extracomment>
        <translation>计时器 %1，%2</translation>
    </message>
    <message>
        <source>Timer %1: %2, %3</source>
        <extracomment>%1 is the timer&apos;s number, %2 its message, %3 its time</extracomment>
        <translation>计时器 %1：%2，%3</translation>
    </message>
    <message>
        <source>%1, ringing</source>
        <extracomment>%1 names a timer and its time</extracomment>
        <translation>%1，正在响铃</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>%1 names a timer and its time</extracomment>
        <translation>%1，正在运行</translation>
    </message>
    <message>
        <source>Timer %1 time left: %2</source>
        <extracomment>%2 is a time in words: 5 minutes, 8 seconds</extracomment>
        <translation>计时器 %1 剩余时间：%2</translation>
    </message>
    <message>
        <source>Keep on top (on)</source>
        <translation>窗口置顶（开）</translation>
    </message>
    <message>
        <source>Keep on top (off)</source>
        <translation>窗口置顶（关）</translation>
    </message>
    <message>
        <source>Show alarm clock</source>
        <translation>显示闹钟</translation>
    </message>
    <message>
        <source>Hide alarm clock</source>
        <translation>隐藏闹钟</translation>
    </message>
    <message>
        <source>Stopwatch, stopped at %1</source>
        <extracomment>%1 is the stopwatch&apos;s time, 1:05 or 2h10</extracomment>
        <translation>秒表，停在 %1</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>秒表</translation>
    </message>
    <message>
        <source>Stopwatch, running</source>
        <translation>秒表，正在运行</translation>
    </message>
    <message>
        <source>Alarm %1 time %2:%3 %4</source>
        <extracomment>%2:%3 are the alarm&apos;s hour and minutes on its twelve-hour dial, %4 is AM or PM</extracomment>
        <translation>闹钟 %1 时间 %2:%3 %4</translation>
    </message>
    <message>
        <source>Alarm %1 %2</source>
        <extracomment>%2 is AM or PM, which the user clicks to change</extracomment>
        <translation>闹钟 %1 %2</translation>
    </message>
    <message>
        <source>Alarm %1: ON</source>
        <translation>闹钟 %1：开</translation>
    </message>
    <message>
        <source>Alarm %1: OFF</source>
        <translation>闹钟 %1：关</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Alarm time changed, save new time?</source>
        <translation>闹钟时间已更改，是否保存新时间？</translation>
    </message>
</context>
<context>
    <name>StateText</name>
    <message>
        <source>Quick timer %1</source>
        <extracomment>%1 is its length, such as 1:30.</extracomment>
        <translation>快速计时器 %1</translation>
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
        <translation>%1：自 %2 起响铃</translation>
    </message>
    <message>
        <source>%1: snoozed, %2 left</source>
        <extracomment>%1 is a timer&apos;s name, %2 the time left (0:04:32).</extracomment>
        <translation>%1：贪睡中，剩余 %2</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <extracomment>%1 is a timer&apos;s name, %2 the time left (0:04:32).</extracomment>
        <translation>%1：剩余 %2</translation>
    </message>
    <message>
        <source>Stopwatch: running, %1</source>
        <extracomment>%1 is the time counted (1:15).</extracomment>
        <translation>秒表：正在运行，%1</translation>
    </message>
    <message>
        <source>Stopwatch: paused at %1</source>
        <extracomment>%1 is the time counted (1:15).</extracomment>
        <translation>秒表：暂停于 %1</translation>
    </message>
    <message>
        <source>Alarm %1: %2, ringing</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>闹钟 %1：%2，正在响铃</translation>
    </message>
    <message>
        <source>Alarm %1: %2, snoozing, rings again at %3</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM), %3 a time of day, perhaps with a day name before it.</extracomment>
        <translation>闹钟 %1：%2，贪睡中，将于 %3 再次响铃</translation>
    </message>
    <message>
        <source>Alarm %1: %2, rings at %3</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM), %3 a time of day, perhaps with a day name before it.</extracomment>
        <translation>闹钟 %1：%2，将于 %3 响铃</translation>
    </message>
    <message>
        <source>Nothing is running.</source>
        <translation>没有正在运行的项目。</translation>
    </message>
    <message>
        <source>Quorbel is not running.</source>
        <translation>Quorbel 未在运行。</translation>
    </message>
    <message>
        <source>%1 ringing</source>
        <extracomment>A panel bar&apos;s short line: %1 is a timer&apos;s name.</extracomment>
        <translation>%1 响铃中</translation>
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
        <translation>秒表</translation>
    </message>
</context>
<context>
    <name>Timers</name>
    <message>
        <source>Quick timer %1 min</source>
        <extracomment>A quick timer&apos;s name: %1 is its length in minutes.</extracomment>
        <translation>快速计时器 %1 分钟</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <extracomment>A countdown&apos;s name where it has no message: %1 is its number, 1 to 10.</extracomment>
        <translation>计时器 %1</translation>
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
        <translation>显示</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Tray menu entry</extracomment>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quorbel is not running.</source>
        <translation>Quorbel 未在运行。</translation>
    </message>
</context>
<context>
    <name>platform::LogindPower</name>
    <message>
        <source>Keeping the running timers on disk</source>
        <extracomment>Why the program holds the machine&apos;s sleep back a moment, as the desktop lists it.</extracomment>
        <translation>正在将运行中的计时器保存到磁盘</translation>
    </message>
    <message>
        <source>A timer rings</source>
        <extracomment>Why the program keeps the screen from going idle, as the desktop lists it.</extracomment>
        <translation>计时器正在响铃</translation>
    </message>
</context>
<context>
    <name>platform::SingleInstance</name>
    <message>
        <source>the settings folder %1 takes no lock (%2): a second copy on it cannot be kept out</source>
        <translation>设置文件夹 %1 无法加锁（%2）：无法阻止另一个实例使用它</translation>
    </message>
    <message>
        <source>the command is too long to hand to the running copy; nothing was done</source>
        <translation>命令过长，无法传递给正在运行的实例；未执行任何操作</translation>
    </message>
    <message>
        <source>cannot take the lock %1 (%2): a copy of another user&apos;s may be using these settings, and no second copy runs beside it</source>
        <translation>无法获取锁 %1（%2）：其他用户的实例可能正在使用这些设置，不能同时再运行一个实例</translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings, and no second copy runs beside it</source>
        <translation>其他用户的实例正在使用这些设置，不能同时再运行一个实例</translation>
    </message>
    <message>
        <source>another copy holds these settings but does not answer</source>
        <translation>另一个实例正在使用这些设置，但没有响应</translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings</source>
        <translation>其他用户的实例正在使用这些设置</translation>
    </message>
</context>
</TS>
