<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AlarmPanel</name>
    <message>
        <source>ON</source>
        <extracomment>An alarm&apos;s switch when on, a button of 54 by 53 px</extracomment>
        <translation>LIGADO</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>An alarm&apos;s switch when off, a button of 54 by 53 px</extracomment>
        <translation>DESLIG.</translation>
    </message>
    <message>
        <source>Rings only while the computer is awake</source>
        <extracomment>Tip of the alarms&apos; ON/OFF buttons where the system cannot wake the computer for them</extracomment>
        <translation>Só toca enquanto o computador não estiver suspenso</translation>
    </message>
</context>
<context>
    <name>AlertOptionsDialog</name>
    <message>
        <source>Alarm2.wav, which plays once, keeps its volume from the start</source>
        <translation>O Alarm2.wav, que toca uma só vez, já começa com o volume escolhido</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Despertador</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Sino</translation>
    </message>
    <message>
        <source>Complete</source>
        <extracomment>A sound that says something is finished</extracomment>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>A sound: the one the desktop plays for an incoming message</extracomment>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Button, 68 px wide</extracomment>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Reproduzir o som</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Start so&amp;ftly (rising over 15 seconds)</source>
        <translation>Aumentar &amp;gradualmente (ao longo de 15 segundos)</translation>
    </message>
    <message>
        <source> min</source>
        <extracomment>After the number of minutes in a box; keep the space if the unit is spaced</extracomment>
        <translation> min</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>In the box of minutes, for no warning</extracomment>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>&amp;Warn before</source>
        <translation>&amp;Avisar antes</translation>
    </message>
    <message>
        <source>&amp;Repeat: start again when acknowledged</source>
        <translation>&amp;Repetir: recomeçar quando for silenciado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Alarm1.wav or Alarm2.wav</source>
        <extracomment>The program&apos;s own two sounds; the file names stay as they are</extracomment>
        <translation>Alarm1.wav ou Alarm2.wav</translation>
    </message>
    <message>
        <source>As the Sound and Recur boxes say</source>
        <translation>Conforme as caixas Som e Loop</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No sound at all</extracomment>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Um arquivo…</translation>
    </message>
    <message>
        <source>Alert options – %1</source>
        <extracomment>Dialog title; %1 names the timer or the alarm</extracomment>
        <translation>Opções de alerta – %1</translation>
    </message>
    <message>
        <source>A sound for the alert</source>
        <translation>Escolha um som para o alerta</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.oga *.flac);;All files (*)</source>
        <extracomment>File dialog filters: keep the patterns in brackets and the ;; between them</extracomment>
        <translation>Sons (*.wav *.ogg *.oga *.flac);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>This sound could not be played</source>
        <translation>Não foi possível reproduzir este som</translation>
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
        <translation>Sua própria entrada de inicialização automática, quorbel.desktop, foi mantida como está; o ambiente de trabalho inicia o programa do jeito que ela indica.</translation>
    </message>
    <message>
        <source>The desktop cannot start the program from this folder: its name is not UTF-8, or holds a control character, \, $ or `, or an = beside &quot;, &apos; or %. Move the program to a folder with a plain name.</source>
        <translation>O ambiente de trabalho não consegue iniciar o programa a partir desta pasta: o nome dela não está em UTF-8 ou contém um caractere de controle, \, $ ou `, ou um = junto de &quot;, &apos; ou %. Mova o programa para uma pasta com um nome simples.</translation>
    </message>
    <message>
        <source>The autostart entry could not be changed.</source>
        <translation>Não foi possível alterar a entrada de inicialização automática.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Restores and raises the window.</source>
        <translation>Restaura a janela e a traz para a frente.</translation>
    </message>
    <message>
        <source>Starts countdown timer N (1 to 10) from its set time.</source>
        <translation>Inicia o temporizador N (1 a 10) a partir do tempo definido.</translation>
    </message>
    <message>
        <source>Stops countdown timer N (1 to 10), or silences it. Without N, silences every ringing timer and alarm, as Enter in the window does: for a desktop shortcut.</source>
        <translation>Para o temporizador N (1 a 10) ou o silencia. Sem N, silencia todos os temporizadores e alarmes que estiverem tocando, como Enter faz na janela: útil para um atalho global.</translation>
    </message>
    <message>
        <source>Starts quick timer N (1 to 12, left to right).</source>
        <translation>Inicia o temporizador rápido N (1 a 12, da esquerda para a direita).</translation>
    </message>
    <message>
        <source>Snoozes the ringing timers and alarms for %1 minutes, as their notification&apos;s &quot;Snooze %1 min&quot; does.</source>
        <extracomment>&quot;Snooze %1 min&quot; is the notification&apos;s button: as it is translated there. %1 is the snooze&apos;s length in minutes (5).</extracomment>
        <translation>Ativa a soneca de %1 minutos nos temporizadores e alarmes que estiverem tocando, como faz o botão “Soneca de %1 min” das notificações.</translation>
    </message>
    <message>
        <source>Starts countdown timer N (1 to 10) again from its set time, ringing or not.</source>
        <translation>Reinicia o temporizador N (1 a 10) a partir do tempo definido, esteja ele tocando ou não.</translation>
    </message>
    <message>
        <source>Quits, asking first while a timer runs.</source>
        <translation>Sai do programa, perguntando antes se houver um temporizador em andamento.</translation>
    </message>
    <message>
        <source>--set takes a countdown timer (1 to 10), a length (H:MM:SS or a sum of hours, minutes and seconds such as 25m, 90s or 1h30m15s) and, if you like, a message.</source>
        <translation>--set exige um temporizador (1 a 10), uma duração (H:MM:SS ou uma soma de horas, minutos e segundos, como 25m, 90s ou 1h30m15s) e, opcionalmente, uma mensagem.</translation>
    </message>
    <message>
        <source>--alarm takes an alarm (1 or 2) and on, off or a time such as 7:30, 7:30 AM or 19:30.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>--alarm exige um alarme (1 ou 2) e on, off ou um horário, como 7:30, 7:30 AM ou 19:30.</translation>
    </message>
    <message>
        <source>--autostart takes on or off, not &apos;%1&apos;.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>--autostart aceita on ou off, não “%1”.</translation>
    </message>
    <message>
        <source>--status and --watch go one at a time.</source>
        <translation>--status e --watch não podem ser usados juntos.</translation>
    </message>
    <message>
        <source>--%1 takes no other option but %2.</source>
        <extracomment>%1 is status or watch, %2 the option --json or --plain.</extracomment>
        <translation>--%1 não aceita nenhuma outra opção além de %2.</translation>
    </message>
    <message>
        <source>--json goes with --status.</source>
        <translation>--json só pode ser usado com --status.</translation>
    </message>
    <message>
        <source>--plain goes with --watch.</source>
        <translation>--plain só pode ser usado com --watch.</translation>
    </message>
    <message>
        <source>Starts in the notification area, the window hidden.</source>
        <translation>Inicia na área de notificação, com a janela oculta.</translation>
    </message>
    <message>
        <source>Starts the program with the desktop (on) or not (off).</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>Inicia o programa junto com a sessão (on) ou não (off).</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The value of an option in --help: a timer&apos;s or an alarm&apos;s number.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Gives idle countdown timer N (1 to 10) a LENGTH, H:MM:SS or a sum such as 25m, 90s or 1h30m15s, and a MESSAGE if one follows: --set 3 25m Pasta.</source>
        <extracomment>LENGTH and MESSAGE as in the value of --set (&quot;N LENGTH [MESSAGE]&quot;).</extracomment>
        <translation>Define a DURAÇÃO do temporizador parado N (1 a 10), em H:MM:SS ou como uma soma, por exemplo 25m, 90s ou 1h30m15s, e a MENSAGEM, se houver: --set 3 25m Macarrão.</translation>
    </message>
    <message>
        <source>N LENGTH [MESSAGE]</source>
        <extracomment>The value of --set in --help: N, LENGTH and MESSAGE as its help names them.</extracomment>
        <translation>N DURAÇÃO [MENSAGEM]</translation>
    </message>
    <message>
        <source>Switches alarm N (1 or 2) on or off, or sets its time: 7:30, 7:30 AM or 19:30.</source>
        <extracomment>&quot;on&quot; and &quot;off&quot; are typed as they are: keep them in English.</extracomment>
        <translation>Liga (on) ou desliga (off) o alarme N (1 ou 2), ou define o horário dele: 7:30, 7:30 AM ou 19:30.</translation>
    </message>
    <message>
        <source>N on|off|TIME</source>
        <extracomment>The value of --alarm in --help: &quot;on|off&quot; is typed as it is, keep it; N and TIME as its help names them.</extracomment>
        <translation>N on|off|HORÁRIO</translation>
    </message>
    <message>
        <source>Prints what the running copy has: timers, the stopwatch and the alarms that are on.</source>
        <translation>Exibe o estado da instância em execução: temporizadores, cronômetro e os alarmes ligados.</translation>
    </message>
    <message>
        <source>With --status: as one JSON object (see the manual).</source>
        <translation>Com --status: como um único objeto JSON (veja o manual).</translation>
    </message>
    <message>
        <source>Prints a line for a panel bar at once and at every change, JSON as waybar reads it, until ended.</source>
        <translation>Exibe uma linha para uma barra de painel imediatamente e a cada mudança, em JSON como o waybar o lê, até ser encerrado.</translation>
    </message>
    <message>
        <source>With --watch: plain text lines, as polybar and i3blocks read them.</source>
        <translation>Com --watch: linhas de texto simples, como o polybar e o i3blocks as leem.</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <extracomment>%1 is an option (--start) or a D-Bus method (StartTimer).</extracomment>
        <translation>%1 aceita um número de %2 a %3, não “%4”.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no length a countdown takes: write H:MM:SS (minutes and seconds 0 to 59) or a sum such as 25m, 90s or 1h30m15s, from 1 second to 59:59:59.</source>
        <extracomment>The units h, m and s are typed as they are: keep them.</extracomment>
        <translation>“%1” não é uma duração válida para um temporizador: escreva H:MM:SS (minutos e segundos de 0 a 59) ou uma soma como 25m, 90s ou 1h30m15s, de 1 segundo a 59:59:59.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no time of day: write 7:30, 7:30 AM or 19:30.</source>
        <translation>“%1” não é um horário: escreva 7:30, 7:30 AM ou 19:30.</translation>
    </message>
    <message>
        <source>Countdown timers with messages, one-click quick timers, a two-alarm clock with snooze, a stopwatch and a big clock, in one small window.
To set a countdown, right-click its button and choose &quot;Edit Time / Message&quot;; a click starts it.</source>
        <extracomment>&quot;Edit Time / Message&quot; is the entry of the timer&apos;s menu: as it is translated there.</extracomment>
        <translation>Temporizadores com mensagens, temporizadores rápidos de um clique, dois alarmes com soneca, um cronômetro e um relógio grande, numa pequena janela.
Para configurar um temporizador, clique com o botão direito no botão dele e escolha “Editar tempo / mensagem”; um clique o inicia.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado: “%1”.</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>There is no countdown timer %1.</source>
        <translation>Não existe o temporizador %1.</translation>
    </message>
    <message>
        <source>There is no alarm %1.</source>
        <translation>Não existe o alarme %1.</translation>
    </message>
    <message>
        <source>The running copy could not do it; its log says why.</source>
        <translation>A instância em execução não conseguiu fazer isso; o registro dela diz o motivo.</translation>
    </message>
    <message>
        <source>Timer %1 is ringing, and was not changed.</source>
        <translation>O temporizador %1 está tocando e não foi alterado.</translation>
    </message>
    <message>
        <source>Timer %1 is running, and was not changed.</source>
        <translation>O temporizador %1 está em andamento e não foi alterado.</translation>
    </message>
    <message>
        <source>Timer %1 is open in the editor, and was not changed.</source>
        <translation>O temporizador %1 está aberto no editor e não foi alterado.</translation>
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
        <translation>Alarme %1: %2, ligado</translation>
    </message>
    <message>
        <source>Alarm %1: %2, off</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Alarme %1: %2, desligado</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <extracomment>A notification&apos;s button: %1 is the snooze&apos;s length in minutes (5).</extracomment>
        <translation>Soneca de %1 min</translation>
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
        <translation>Duração: %1</translation>
    </message>
    <message>
        <source>Set for %1, ran out at %2</source>
        <extracomment>%1 is the timer&apos;s set length (0:25:00), %2 the time of day it ran out.</extracomment>
        <translation>Duração: %1, terminou às %2</translation>
    </message>
    <message>
        <source>Snoozed: rings again at %1</source>
        <extracomment>%1 is a time of day.</extracomment>
        <translation>Em soneca: toca de novo às %1</translation>
    </message>
    <message>
        <source>%1: 1 minute left</source>
        <extracomment>%1 is the timer&apos;s name (Timer 3, or its message).</extracomment>
        <translation>%1: falta 1 minuto</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n minutes left</source>
        <extracomment>%1 is the timer&apos;s name (Timer 3, or its message); %n, the minutes, is never 1.</extracomment>
        <translation>
            <numerusform>%1: falta %n minuto</numerusform>
            <numerusform>%1: faltam %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <translation>Alarme %1</translation>
    </message>
    <message>
        <source>Alarm %1 missed</source>
        <translation>Alarme %1 perdido</translation>
    </message>
    <message>
        <source>It was due at %1</source>
        <extracomment>%1 is a time of day.</extracomment>
        <translation>Deveria ter tocado às %1</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>Silence ringing timers and alarms</source>
        <translation>Silenciar os temporizadores e alarmes que estão tocando</translation>
    </message>
    <message>
        <source>Snooze ringing timers and alarms for %1 minutes</source>
        <translation>Ativar a soneca de %1 minutos nos temporizadores e alarmes que estão tocando</translation>
    </message>
    <message>
        <source>Show Quorbel</source>
        <translation>Mostrar o Quorbel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Hide window</source>
        <translation>Ocultar janela</translation>
    </message>
    <message>
        <source>Brought back from the tray icon</source>
        <translation>O ícone na área de notificação a traz de volta</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button, 49 px wide</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <extracomment>Title of the alarm clock half, 68 px wide in bold; also an entry of its menu</extracomment>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>Button 18 px wide: one letter standing for the alarm clock, which it shows or hides</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>Hide alarm clock</source>
        <translation>Ocultar alarmes</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Check box, 52 px wide with its box</extracomment>
        <translation>Som</translation>
    </message>
    <message>
        <source>Timers that run out ring with a sound</source>
        <translation>Os temporizadores que terminam tocam um som</translation>
    </message>
    <message>
        <source>Recur</source>
        <extracomment>Check box, 50 px wide with its box: the sound repeats (also 56 px for alarm 1)</extracomment>
        <translation>Loop</translation>
    </message>
    <message>
        <source>The sound repeats until the timer is stopped</source>
        <translation>O som se repete até o temporizador ser parado</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>A timer&apos;s button, 75 px wide, while no message is set</extracomment>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Enter stores the time and message, Escape closes</source>
        <translation>Enter salva o tempo e a mensagem, Esc fecha</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button of the message editor, 147 px wide</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Store time and message</source>
        <translation>Salvar tempo e mensagem</translation>
    </message>
    <message>
        <source>Hours and minutes</source>
        <translation>Horas e minutos</translation>
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
        <translation>Zerar o tempo</translation>
    </message>
    <message>
        <source>Hours, minutes and seconds back to zero</source>
        <translation>Horas, minutos e segundos voltam a zero</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Relógio</translation>
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
        <translation>Alarme 2 - Soneca</translation>
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
        <translation>DESLIG.</translation>
    </message>
    <message>
        <source>Alarm 1 recurs</source>
        <translation>Repetir alarme 1</translation>
    </message>
    <message>
        <source>Alarm 1 rings until it is switched off</source>
        <translation>O alarme 1 toca até ser desligado</translation>
    </message>
    <message>
        <source>Copy alarm 1 to alarm 2</source>
        <translation>Copiar o alarme 1 para o alarme 2</translation>
    </message>
    <message>
        <source>Copy alarm 2 to alarm 1</source>
        <translation>Copiar o alarme 2 para o alarme 1</translation>
    </message>
    <message>
        <source>Test alarm</source>
        <extracomment>Button, 55 px wide and 17 px high</extracomment>
        <translation>Testar</translation>
    </message>
    <message>
        <source>30 min</source>
        <extracomment>Snooze length, a radio button about 52 px wide</extracomment>
        <translation>30 min</translation>
    </message>
    <message>
        <source>Start ON</source>
        <extracomment>Check box, 61 px wide with its box: the alarms are switched on when the program starts</extracomment>
        <translation>Autoligar</translation>
    </message>
    <message>
        <source>Alarms on at start</source>
        <translation>Ligar os alarmes ao iniciar o programa</translation>
    </message>
    <message>
        <source>Edit Time / Message</source>
        <extracomment>Menu entry of a timer: set its time and its message</extracomment>
        <translation>Editar tempo / mensagem</translation>
    </message>
    <message>
        <source>Alert options…</source>
        <translation>Opções de alerta…</translation>
    </message>
    <message>
        <source>Minimize on timer</source>
        <translation>Minimizar ao iniciar um temporizador</translation>
    </message>
    <message>
        <source>Processes</source>
        <extracomment>Menu entry that opens the list of programs started at set times</extracomment>
        <translation>Processos</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Iniciar com a sessão</translation>
    </message>
    <message>
        <source>Alarm 1 alert options…</source>
        <translation>Opções de alerta do alarme 1…</translation>
    </message>
    <message>
        <source>Alarm 2 alert options…</source>
        <translation>Opções de alerta do alarme 2…</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Stopwatch menu: back to zero</extracomment>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>Close no save</source>
        <extracomment>Menu of the Quit button: quit without saving the settings</extracomment>
        <translation>Fechar sem salvar</translation>
    </message>
    <message>
        <source>Seconds %1+</source>
        <extracomment>A submenu of ten seconds; %1 is the tens, 0 to 5</extracomment>
        <translation>Segundos %1+</translation>
    </message>
    <message>
        <source>Hide the window; the tray icon brings it back</source>
        <translation>Ocultar a janela; o ícone na área de notificação a traz de volta</translation>
    </message>
    <message>
        <source>Stopwatch: click to start or pause; right-click to clear</source>
        <translation>Cronômetro: clique para iniciar ou pausar; clique com o botão direito para zerar</translation>
    </message>
    <message>
        <source>Show the alarm clock</source>
        <translation>Mostrar os alarmes</translation>
    </message>
    <message>
        <source>Hide the alarm clock</source>
        <translation>Ocultar os alarmes</translation>
    </message>
    <message>
        <source>Keep the window on top of the others</source>
        <translation>Manter a janela acima das outras</translation>
    </message>
    <message>
        <source>The sound repeats every second until the timer is stopped</source>
        <translation>O som se repete a cada segundo até o temporizador ser parado</translation>
    </message>
    <message>
        <source>Quit; right-click to quit without saving</source>
        <translation>Sair; clique com o botão direito para sair sem salvar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Timer still in progress. Quit anyway?</source>
        <translation>Ainda há um temporizador em andamento. Sair mesmo assim?</translation>
    </message>
    <message>
        <source>Settings could not be saved. Quit anyway?</source>
        <translation>Não foi possível salvar as configurações. Sair mesmo assim?</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Quorbel is ending.</source>
        <extracomment>A D-Bus caller&apos;s answer while the program quits.</extracomment>
        <translation>O Quorbel está sendo encerrado.</translation>
    </message>
    <message>
        <source>cannot open the display; set DISPLAY or run from a desktop session</source>
        <translation>não foi possível abrir o display; defina DISPLAY ou execute a partir de uma sessão gráfica</translation>
    </message>
    <message>
        <source>cannot open the display %1; set DISPLAY or run from a desktop session</source>
        <extracomment>%1 is the display&apos;s name, such as :0.</extracomment>
        <translation>não foi possível abrir o display %1; defina DISPLAY ou execute a partir de uma sessão gráfica</translation>
    </message>
</context>
<context>
    <name>Quorbel</name>
    <message>
        <source>The settings file could not be read and will not be overwritten:
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Não foi possível ler o arquivo de configurações, e ele não será sobrescrito:
%1</translation>
    </message>
    <message>
        <source>The running timers cannot be kept for the next start, since this file cannot be written:
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Os temporizadores em andamento não poderão ser mantidos para a próxima inicialização, pois não é possível gravar este arquivo:
%1</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>Quorbel could not do it; its log says why.</source>
        <translation>O Quorbel não conseguiu fazer isso; o registro dele diz o motivo.</translation>
    </message>
    <message>
        <source>No method %1.</source>
        <extracomment>A D-Bus caller&apos;s error: %1 is the name of a method the program does not have.</extracomment>
        <translation>Não existe o método %1.</translation>
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
        <translation>Formato: [HHMM][nome do arquivo]
(Um til ~ na posição 1 desativa o registro)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>A tecla Espaço inicia ou para o temporizador; a tecla Menu abre o menu dele: Editar tempo / mensagem, Opções de alerta</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Soneca de %1 min</translation>
    </message>
    <message>
        <source>Click to start or stop; right-click to set the time and message, or how it alerts</source>
        <translation>Clique para iniciar ou parar; clique com o botão direito para definir o tempo e a mensagem, ou como ele alerta</translation>
    </message>
    <message>
        <source>Click to start or stop; right-click shows the time left</source>
        <translation>Clique para iniciar ou parar; o botão direito mostra o tempo restante</translation>
    </message>
    <message>
        <source>The menu key sets the seconds</source>
        <translation>A tecla Menu define os segundos</translation>
    </message>
    <message>
        <source>Right-click to set the seconds</source>
        <translation>Clique com o botão direito para definir os segundos</translation>
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
        <translation>%1, tocando</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>%1 names a timer and its time</extracomment>
        <translation>%1, em andamento</translation>
    </message>
    <message>
        <source>Timer %1 time left: %2</source>
        <extracomment>%2 is a time in words: 5 minutes, 8 seconds</extracomment>
        <translation>Tempo restante do temporizador %1: %2</translation>
    </message>
    <message>
        <source>Keep on top (on)</source>
        <translation>Manter acima (ligado)</translation>
    </message>
    <message>
        <source>Keep on top (off)</source>
        <translation>Manter acima (desligado)</translation>
    </message>
    <message>
        <source>Show alarm clock</source>
        <translation>Mostrar alarmes</translation>
    </message>
    <message>
        <source>Hide alarm clock</source>
        <translation>Ocultar alarmes</translation>
    </message>
    <message>
        <source>Stopwatch, stopped at %1</source>
        <extracomment>%1 is the stopwatch&apos;s time, 1:05 or 2h10</extracomment>
        <translation>Cronômetro, parado em %1</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronômetro</translation>
    </message>
    <message>
        <source>Stopwatch, running</source>
        <translation>Cronômetro, em andamento</translation>
    </message>
    <message>
        <source>Alarm %1 time %2:%3 %4</source>
        <extracomment>%2:%3 are the alarm&apos;s hour and minutes on its twelve-hour dial, %4 is AM or PM</extracomment>
        <translation>Horário do alarme %1: %2:%3 %4</translation>
    </message>
    <message>
        <source>Alarm %1 %2</source>
        <extracomment>%2 is AM or PM, which the user clicks to change</extracomment>
        <translation>Alarme %1 %2</translation>
    </message>
    <message>
        <source>Alarm %1: ON</source>
        <translation>Alarme %1: LIGADO</translation>
    </message>
    <message>
        <source>Alarm %1: OFF</source>
        <translation>Alarme %1: DESLIGADO</translation>
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
        <translation>O horário do alarme mudou. Salvar o novo horário?</translation>
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
        <translation>%1: tocando desde as %2</translation>
    </message>
    <message>
        <source>%1: snoozed, %2 left</source>
        <extracomment>%1 is a timer&apos;s name, %2 the time left (0:04:32).</extracomment>
        <translation>%1: em soneca, faltam %2</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <extracomment>%1 is a timer&apos;s name, %2 the time left (0:04:32).</extracomment>
        <translation>%1: faltam %2</translation>
    </message>
    <message>
        <source>Stopwatch: running, %1</source>
        <extracomment>%1 is the time counted (1:15).</extracomment>
        <translation>Cronômetro: em andamento, %1</translation>
    </message>
    <message>
        <source>Stopwatch: paused at %1</source>
        <extracomment>%1 is the time counted (1:15).</extracomment>
        <translation>Cronômetro: pausado em %1</translation>
    </message>
    <message>
        <source>Alarm %1: %2, ringing</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM).</extracomment>
        <translation>Alarme %1: %2, tocando</translation>
    </message>
    <message>
        <source>Alarm %1: %2, snoozing, rings again at %3</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM), %3 a time of day, perhaps with a day name before it.</extracomment>
        <translation>Alarme %1: %2, em soneca, próximo toque: %3</translation>
    </message>
    <message>
        <source>Alarm %1: %2, rings at %3</source>
        <extracomment>%2 is the alarm&apos;s time as its dial shows it (7:30 AM), %3 a time of day, perhaps with a day name before it.</extracomment>
        <translation>Alarme %1: %2, próximo toque: %3</translation>
    </message>
    <message>
        <source>Nothing is running.</source>
        <translation>Nada em andamento.</translation>
    </message>
    <message>
        <source>Quorbel is not running.</source>
        <translation>O Quorbel não está em execução.</translation>
    </message>
    <message>
        <source>%1 ringing</source>
        <extracomment>A panel bar&apos;s short line: %1 is a timer&apos;s name.</extracomment>
        <translation>%1 tocando</translation>
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
        <translation>Cron.</translation>
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
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quorbel is not running.</source>
        <translation>O Quorbel não está em execução.</translation>
    </message>
</context>
<context>
    <name>platform::LogindPower</name>
    <message>
        <source>Keeping the running timers on disk</source>
        <extracomment>Why the program holds the machine&apos;s sleep back a moment, as the desktop lists it.</extracomment>
        <translation>Salvando no disco os temporizadores em andamento</translation>
    </message>
    <message>
        <source>A timer rings</source>
        <extracomment>Why the program keeps the screen from going idle, as the desktop lists it.</extracomment>
        <translation>Um temporizador está tocando</translation>
    </message>
</context>
<context>
    <name>platform::SingleInstance</name>
    <message>
        <source>the settings folder %1 takes no lock (%2): a second copy on it cannot be kept out</source>
        <translation>a pasta de configurações %1 não aceita bloqueio (%2): não é possível impedir que uma segunda instância a use</translation>
    </message>
    <message>
        <source>the command is too long to hand to the running copy; nothing was done</source>
        <translation>o comando é longo demais para ser passado à instância em execução; nada foi feito</translation>
    </message>
    <message>
        <source>cannot take the lock %1 (%2): a copy of another user&apos;s may be using these settings, and no second copy runs beside it</source>
        <translation>não foi possível obter o bloqueio %1 (%2): uma instância de outro usuário pode estar usando estas configurações, e não é possível executar uma segunda instância junto com ela</translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings, and no second copy runs beside it</source>
        <translation>uma instância de outro usuário está usando estas configurações, e não é possível executar uma segunda instância junto com ela</translation>
    </message>
    <message>
        <source>another copy holds these settings but does not answer</source>
        <translation>outra instância está usando estas configurações, mas não responde</translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings</source>
        <translation>uma instância de outro usuário está usando estas configurações</translation>
    </message>
</context>
</TS>
