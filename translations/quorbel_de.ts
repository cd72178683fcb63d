<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AlertOptionsDialog</name>
    <message>
        <source>Alarm2.wav, which plays once, keeps its volume from the start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>The running copy could not do it; its log says why.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no countdown timer %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is ringing, and was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is running, and was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is open in the editor, and was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no alarm %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1: %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>Silence ringing timers and alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze ringing timers and alarms for %1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Quorbel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>Quorbel could not do it; its log says why.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quorbel is not running.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::SingleInstance</name>
    <message>
        <source>the settings folder %1 takes no lock (%2): a second copy on it cannot be kept out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the command is too long to hand to the running copy; nothing was done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot take the lock %1 (%2): a copy of another user&apos;s may be using these settings, and no second copy runs beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings, and no second copy runs beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another copy holds these settings but does not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a copy of another user&apos;s holds these settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
