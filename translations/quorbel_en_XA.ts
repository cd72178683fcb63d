<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_XA">
<context>
    <name>AlertOptionsDialog</name>
    <message>
        <source>Alarm2.wav, which plays once, keeps its volume from the start</source>
        <translation>⟪Alarm2.wav, which plays once, keeps its volume from the start⟫</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>The running copy could not do it; its log says why.
</source>
        <translation>⟪The running copy could not do it; its log says why.
⟫</translation>
    </message>
    <message>
        <source>There is no countdown timer %1.</source>
        <translation>⟪There is no countdown timer %1.⟫</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>⟪Timer %1⟫</translation>
    </message>
    <message>
        <source>%1 is ringing, and was not changed.</source>
        <translation>⟪%1 is ringing, and was not changed.⟫</translation>
    </message>
    <message>
        <source>%1 is running, and was not changed.</source>
        <translation>⟪%1 is running, and was not changed.⟫</translation>
    </message>
    <message>
        <source>%1 is open in the editor, and was not changed.</source>
        <translation>⟪%1 is open in the editor, and was not changed.⟫</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>⟪%1, %2⟫</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>⟪%1: %2, %3⟫</translation>
    </message>
    <message>
        <source>There is no alarm %1.</source>
        <translation>⟪There is no alarm %1.⟫</translation>
    </message>
    <message>
        <source>Alarm %1: %2, %3</source>
        <translation>⟪Alarm %1: %2, %3⟫</translation>
    </message>
    <message>
        <source>on</source>
        <translation>⟪on⟫</translation>
    </message>
    <message>
        <source>off</source>
        <translation>⟪off⟫</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>Silence ringing timers and alarms</source>
        <translation>⟪Silence ringing timers and alarms⟫</translation>
    </message>
    <message>
        <source>Snooze ringing timers and alarms for %1 minutes</source>
        <translation>⟪Snooze ringing timers and alarms for %1 minutes⟫</translation>
    </message>
    <message>
        <source>Show Quorbel</source>
        <translation>⟪Show Quorbel⟫</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>Quorbel could not do it; its log says why.</source>
        <translation>⟪Quorbel could not do it; its log says why.⟫</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quorbel is not running.</source>
        <translation>⟪Quorbel is not running.⟫</translation>
    </message>
</context>
<context>
    <name>platform::SingleInstance</name>
    <message>
        <source>the settings folder %1 takes no lock (%2): a second copy on it cannot be kept out</source>
        <translation>⟪the settings folder %1 takes no lock (%2): a second copy on it cannot be kept out⟫</translation>
    </message>
    <message>
        <source>the command is too long to hand to the running copy; nothing was done</source>
        <translation>⟪the command is too long to hand to the running copy; nothing was done⟫</translation>
    </message>
    <message>
        <source>cannot take the lock %1 (%2): a copy of another user's may be using these settings, and no second copy runs beside it</source>
        <translation>⟪cannot take the lock %1 (%2): a copy of another user's may be using these settings, and no second copy runs beside it⟫</translation>
    </message>
    <message>
        <source>a copy of another user's holds these settings, and no second copy runs beside it</source>
        <translation>⟪a copy of another user's holds these settings, and no second copy runs beside it⟫</translation>
    </message>
    <message>
        <source>another copy holds these settings but does not answer</source>
        <translation>⟪another copy holds these settings but does not answer⟫</translation>
    </message>
    <message>
        <source>a copy of another user's holds these settings</source>
        <translation>⟪a copy of another user's holds these settings⟫</translation>
    </message>
</context>
</TS>
