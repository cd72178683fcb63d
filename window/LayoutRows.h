// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout as data: one row a control, bottom of the drawing
// order first, and one row a menu entry, under the controls' object names.
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

namespace layout {

enum class Kind {
    Image,   // a picture
    Button,  // a flat button
    Label,   // a text label, transparent unless given a colour
    Panel,   // a plain panel
    Lowered, // a panel in a sunken frame inside a raised one
    TimeBox, // white on blue, reached by a click only
    Edit,    // a single-line edit box
    CheckBox,
    Radio,
    Picker, // a time picker
};

// The window's faces: family, height in pixels, weight, text colour.
enum class Face {
    Window,
    Navy,
    Title,
    AlarmHalf,
    AmPm,
    Small,
    TimeBox,
    Clock,
    Message,
    Picker,
    C,
    Arrow
};

// A family of nullptr is the window's own font.
struct FaceSpec {
    const char* family;
    int height;
    bool bold;
    int color;
};

constexpr int kNone = -1;

enum Flag {
    Hidden = 1,
    Checked = 2,
    Toggle = 4,       // a button that stays pressed or released on each click
    GlyphAt18 = 8,    // the picture 18 pixels from the left edge
    SlotFields = 16,  // the editor's picker: hours and minutes of a slot
    AlarmFields = 32, // an alarm's picker: hour and minutes, its AM/PM apart
    Clickable = 64,   // a panel that answers a click, reached by Tab
};

// What a control is to the window, for the controls the window or a
// feature reaches by themselves; most rows need none.
enum class Role {
    None,
    BackgroundPicture,
    HideButton,
    CloseButton,
    TitleLabel,
    AlarmBackgroundPicture,
    AlarmTitleLabel,
    AlarmHideButton,
    CloseAlarmHalfButton,
    StopwatchButton,
    TitleStrip,
    PinButton,
    AlarmTitleStrip,
    OpenAlarmHalfButton,
    SoundBox,
    RecurBox,
    SoundStrip,
    RecurStrip,
    QuitPanel,
    QuitButton,
    TimeLeftPopup,
    EditorPanel,
    MessageEdit,
    EditorOkPanel,
    EditorOkButton,
    EditorPicker,
    EditorCover1,
    EditorCover2,
    EditorTimeLabel,
    EditorCover3,
    EditorCover4,
    EditorCover5,
    EditorClearButton,
    ClockPanel,
    ClockBox,
    AlarmPanel,
    Alarm1Label,
    Alarm2Label,
    SnoozeLabel,
    Alarm1Picker,
    Alarm2Picker,
    Snooze1Min,
    Snooze3Min,
    Snooze5Min,
    Snooze9Min,
    Snooze15Min,
    Snooze20Min,
    Alarm1OnOffPanel,
    Alarm1OnOff,
    Alarm1RecurBox,
    Alarm2AmPmFrame,
    Alarm2AmPm,
    Alarm1AmPmFrame,
    CopyAlarm1Button,
    CopyAlarm2Button,
    Alarm1AmPm,
    Alarm2OnOffPanel,
    Alarm2OnOff,
    TestAlarmPanel,
    TestAlarmButton,
    Snooze30Min,
    StartOnBox,
    SlotMenu,
    EditMessageItem,
    SlotAlertOptionsItem,
    SecondsMenu,
    BackgroundMenu,
    MinimizeOnTimerItem,
    AlarmClockItem,
    ProcessesItem,
    StartWithDesktopItem,
    Alarm1AlertOptionsItem,
    Alarm2AlertOptionsItem,
    AlarmDelayMenu,
    TrayColourMenu,
    StopwatchMenu,
    ClearStopwatchItem,
    QuitMenu,
    CloseNoSaveItem,
};

struct ReaderText {
    const char* name = nullptr;
    const char* description = nullptr;
};

struct ControlRow {
    Kind kind;
    QByteArray name;
    QByteArray parent = {}; // empty: the window
    QRect bounds;
    QByteArray caption = {};
    int color = kNone;
    Face face = Face::Window;
    const char* picture = nullptr;
    const char* menu = nullptr;
    int flags = 0;
    Role role = Role::None;
    ReaderText reader = {};
};

enum class Entry { Menu, Submenu, Item };

enum MenuFlag {
    ManualPopup = 1, // opens only when a press allows it
    Checkable = 2,
    CheckedItem = 4,
    HiddenMenu = 8,
};

struct MenuRow {
    Entry entry;
    QByteArray name;
    QByteArray parent = {}; // the menu or submenu it is in
    QByteArray caption = {};
    int flags = 0;
    Role role = Role::None;
    int number = kNone; // what the caption's %1 stands for
};

FaceSpec specOf(Face face);
// The controls of timer n's row, by the names the rows give them.
QString timerPanelName(int n);
QString timerBoxName(int n);
QString timerButtonName(int n);
// The panels the message editor covers: the rows' and the bottom strip's.
QStringList panelsUnderEditor();
// Tab in reading order: the title row, the ten countdowns, the quick
// timers, the bottom strip, the message editor, then the alarm half.
QStringList tabOrder();
// Every control, and every menu entry, in the order they are made.
std::vector<ControlRow> controlRows();
std::vector<MenuRow> menuRows();

} // namespace layout
