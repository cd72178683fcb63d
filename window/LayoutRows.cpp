// SPDX-License-Identifier: GPL-3.0-or-later
#include "LayoutRows.h"

#include "core/Colors.h"
#include "core/TimerNumbers.h"

namespace layout {

FaceSpec specOf(Face face) {
    switch (face) {
    case Face::Window:
        return {nullptr, 0, false, kNone};
    case Face::Navy:
        return {nullptr, 0, false, clr::Navy};
    case Face::Title:
        return {"MS Sans Serif", 11, true, clr::Navy};
    case Face::AlarmHalf:
        return {"Microsoft Sans Serif", 11, true, clr::Maroon};
    case Face::AmPm:
        return {"Microsoft Sans Serif", 11, false, clr::Maroon};
    case Face::Small:
        return {"Small Fonts", 8, false, kNone};
    case Face::TimeBox:
        return {"Arial", 13, false, clr::White};
    case Face::Clock:
        return {"Verdana", 41, false, clr::White};
    case Face::Message:
        return {"MS Sans Serif", 13, false, clr::White};
    case Face::Picker:
        return {"Arial", 13, false, clr::Navy};
    case Face::C:
        return {"Arial", 11, false, kNone};
    case Face::Arrow:
        // The original window drew the arrows from a symbol font; plain arrows read
        // the same.
        return {"DejaVu Sans", 12, false, kNone};
    }
    return {nullptr, 0, false, kNone};
}

namespace {

using K = Kind;
using F = Face;
using R = Role;
constexpr int kBack = clr::Background;

// clang-format off
// The title row, before the countdown rows.
const ControlRow kTitleRows[] = {
    // Background and title row.
    {.kind = K::Image, .name = "Image1", .bounds = {0, 0, 298, 239}, .picture = ":/background.png",
     .menu = "PopupMenu3", .role = R::BackgroundPicture},
    {.kind = K::Button, .name = "SpeedButton16Y", .bounds = {245, 8, 30, 14},
     .picture = ":/bar.png", .flags = GlyphAt18, .role = R::HideButton,
     .reader = {QT_TRANSLATE_NOOP("MainWindow", "Hide window"),
                QT_TRANSLATE_NOOP("MainWindow", "Brought back from the tray icon")}},
    {.kind = K::Button, .name = "SpeedButton15X", .bounds = {275, 8, 14, 14}, .picture = ":/x.png",
     .role = R::CloseButton, .reader = {QT_TRANSLATE_NOOP("MainWindow", "Quit")}},
    {.kind = K::Label, .name = "Label2", .bounds = {12, 8, 59, 13}, .caption = "Quorbel",
     .color = clr::TitleStrip, .face = F::Title, .role = R::TitleLabel},
    {.kind = K::Image, .name = "Image2", .bounds = {298, 0, 298, 239},
     .picture = ":/background.png", .menu = "PopupMenu3", .role = R::AlarmBackgroundPicture},
    {.kind = K::Label, .name = "Label8", .bounds = {311, 8, 68, 13},
     //: Title of the alarm clock half, 68 px wide in bold; also an entry of its menu
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Alarm Clock"),
     .color = clr::TitleStrip, .face = F::Title, .role = R::AlarmTitleLabel},
    {.kind = K::Button, .name = "SpeedButton18", .bounds = {557, 8, 30, 14}, .picture = ":/bar.png",
     .flags = GlyphAt18, .role = R::AlarmHideButton,
     .reader = {QT_TRANSLATE_NOOP("MainWindow", "Hide window"),
                QT_TRANSLATE_NOOP("MainWindow", "Brought back from the tray icon")}},
    {.kind = K::Button, .name = "SpeedButton21", .bounds = {539, 8, 18, 14},
     //: Button 18 px wide: one letter standing for the alarm clock, which it shows or hides
     .caption = QT_TRANSLATE_NOOP("MainWindow", "A"),
     .face = F::AlarmHalf, .role = R::CloseAlarmHalfButton,
     .reader = {QT_TRANSLATE_NOOP("MainWindow", "Hide alarm clock")}},
    {.kind = K::Button, .name = "SpeedButton35", .bounds = {120, 7, 39, 16}, .caption = "SW",
     .face = F::Small, .menu = "PopupMenu4", .role = R::StopwatchButton},
    {.kind = K::Panel, .name = "Panel14", .bounds = {224, 8, 21, 14}, .color = clr::TitleStrip,
     .role = R::TitleStrip},
    {.kind = K::Button, .name = "SpeedButton15", .parent = "Panel14", .bounds = {3, 0, 18, 14},
     .picture = ":/pin.png", .flags = Toggle, .role = R::PinButton},
    {.kind = K::Panel, .name = "Panel47", .bounds = {209, 8, 18, 14}, .color = clr::TitleStrip,
     .role = R::AlarmTitleStrip},
    {.kind = K::Button, .name = "SpeedButton20", .parent = "Panel47", .bounds = {0, 0, 18, 14},
     .caption = QT_TRANSLATE_NOOP("MainWindow", "A"),
     .face = F::AlarmHalf, .role = R::OpenAlarmHalfButton},

};

// The rest of the window, after the countdown rows.
const ControlRow kBottomRows[] = {
    // Bottom strip.
    {.kind = K::CheckBox, .name = "CheckBox1", .bounds = {10, 215, 52, 17},
     //: Check box, 52 px wide with its box
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Sound"),
     .color = kBack, .face = F::Navy, .flags = Checked, .role = R::SoundBox,
     .reader = {QT_TRANSLATE_NOOP("MainWindow", "Sound"),
                QT_TRANSLATE_NOOP("MainWindow", "Timers that run out ring with a sound")}},
    {.kind = K::CheckBox, .name = "CheckBox2", .bounds = {240, 215, 50, 17},
     //: Check box, 50 px wide with its box: the sound repeats (also 56 px for alarm 1)
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Recur"),
     .color = kBack, .face = F::Navy, .flags = Checked, .role = R::RecurBox,
     .reader = {QT_TRANSLATE_NOOP("MainWindow", "Recur"),
                QT_TRANSLATE_NOOP("MainWindow", "The sound repeats until the timer is stopped")}},
    {.kind = K::Panel, .name = "Panel20", .bounds = {7, 215, 3, 17}, .color = kBack,
     .role = R::SoundStrip},
    {.kind = K::Panel, .name = "Panel21", .bounds = {237, 215, 3, 17}, .color = kBack,
     .role = R::RecurStrip},
    {.kind = K::Panel, .name = "Panel36", .bounds = {61, 231, 1, 1}, .color = clr::CornerDot},
    {.kind = K::Panel, .name = "Panel37", .bounds = {7, 215, 1, 1}, .color = clr::CornerDot},
    {.kind = K::Panel, .name = "Panel38", .bounds = {7, 231, 1, 1}, .color = clr::CornerDot},
    {.kind = K::Panel, .name = "Panel39", .bounds = {237, 215, 1, 1}, .color = clr::CornerDot},
    {.kind = K::Panel, .name = "Panel40", .bounds = {237, 231, 1, 1}, .color = clr::CornerDot},
    {.kind = K::Panel, .name = "Panel41", .bounds = {289, 215, 1, 1}, .color = clr::CornerDot},
    {.kind = K::Panel, .name = "Panel42", .bounds = {289, 231, 1, 1}, .color = clr::CornerDot},
    {.kind = K::Panel, .name = "Panel43", .bounds = {61, 215, 1, 1}, .color = clr::CornerDot},
    {.kind = K::Lowered, .name = "Panel11", .bounds = {123, 211, 51, 24}, .color = clr::ButtonPanel,
     .role = R::QuitPanel},
    {.kind = K::Button, .name = "SpeedButton11", .parent = "Panel11", .bounds = {1, 1, 49, 22},
     //: Button, 49 px wide
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Quit"),
     .menu = "PopupMenu5", .role = R::QuitButton},
    {.kind = K::Panel, .name = "Panel35", .bounds = {78, 215, 29, 14}, .color = clr::Popup,
     .face = F::Navy, .flags = Hidden, .role = R::TimeLeftPopup},

};

// The rest of the window, after the quick timers.
const ControlRow kEditorAndAlarmRows[] = {
    // The message editor, hidden until a slot is edited. The cover panels
    // lie over the picker, so that only its two middle fields show.
    {.kind = K::Lowered, .name = "Panel12", .bounds = {5, 87, 288, 64}, .color = kBack,
     .flags = Hidden, .role = R::EditorPanel},
    {.kind = K::Edit, .name = "Edit11", .parent = "Panel12", .bounds = {5, 4, 278, 24},
     .caption = "message", .color = clr::Blue, .face = F::Message, .role = R::MessageEdit,
     .reader = {QT_TRANSLATE_NOOP("MainWindow", "Message"),
                QT_TRANSLATE_NOOP("MainWindow", "Enter stores the time and message, Escape closes")}},
    {.kind = K::Lowered, .name = "Panel13", .parent = "Panel12", .bounds = {110, 34, 149, 24},
     .color = clr::ButtonPanel, .role = R::EditorOkPanel},
    {.kind = K::Button, .name = "SpeedButton12", .parent = "Panel13", .bounds = {1, 1, 147, 22},
     //: Button of the message editor, 147 px wide
     .caption = QT_TRANSLATE_NOOP("MainWindow", "OK"), .role = R::EditorOkButton,
     .reader = {QT_TRANSLATE_NOOP("MainWindow", "Store time and message")}},
    {.kind = K::Picker, .name = "DateTimePicker1", .parent = "Panel12", .bounds = {9, 38, 97, 24},
     .color = kBack, .face = F::Picker, .flags = SlotFields, .role = R::EditorPicker,
     .reader = {QT_TRANSLATE_NOOP("MainWindow", "Hours and minutes")}},
    {.kind = K::Panel, .name = "Panel15", .parent = "Panel12", .bounds = {28, 58, 126, 4},
     .color = kBack, .role = R::EditorCover1},
    {.kind = K::Panel, .name = "Panel16", .parent = "Panel12", .bounds = {5, 31, 105, 11},
     .color = kBack, .role = R::EditorCover2},
    {.kind = K::Label, .name = "Label1", .parent = "Panel16", .bounds = {9, -3, 0, 0},
     //: Above the two fields of a timer's time, about 95 px wide
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Hours : Minutes"),
     .face = F::Navy, .role = R::EditorTimeLabel},
    {.kind = K::Panel, .name = "Panel17", .parent = "Panel12", .bounds = {5, 42, 24, 20},
     .color = kBack, .role = R::EditorCover3},
    {.kind = K::Panel, .name = "Panel18", .parent = "Panel12", .bounds = {64, 39, 46, 23},
     .color = kBack, .role = R::EditorCover4},
    {.kind = K::Lowered, .name = "Panel22", .parent = "Panel18", .bounds = {7, 4, 19, 15},
     .color = kBack, .role = R::EditorCover5},
    {.kind = K::Button, .name = "SpeedButton13", .parent = "Panel22", .bounds = {1, 1, 17, 13},
     //: Button 17 px wide: one letter standing for Clear (the time back to zero)
     .caption = QT_TRANSLATE_NOOP("MainWindow", "C"), .face = F::C, .role = R::EditorClearButton,
     .reader = {QT_TRANSLATE_NOOP("MainWindow", "Clear the time"),
                QT_TRANSLATE_NOOP("MainWindow", "Hours, minutes and seconds back to zero")}},

    // The clock.
    {.kind = K::Lowered, .name = "Panel19", .bounds = {304, 31, 286, 69}, .color = kBack,
     .role = R::ClockPanel},
    {.kind = K::TimeBox, .name = "Edit12", .parent = "Panel19", .bounds = {5, 6, 275, 57},
     .caption = "00:00:00", .face = F::Clock, .menu = "PopupMenu2", .role = R::ClockBox,
     .reader = {QT_TRANSLATE_NOOP("MainWindow", "Clock")}},

    // The alarm clock. The cover panels hide the pickers' own AM/PM, which
    // the panels beside them stand in for.
    {.kind = K::Lowered, .name = "Panel45", .bounds = {304, 98, 286, 135}, .color = kBack,
     .menu = "PopupMenu3", .role = R::AlarmPanel},
    {.kind = K::Label, .name = "Label4", .parent = "Panel45", .bounds = {23, 6, 46, 13},
     //: Heading over alarm 1, 46 px wide
     .caption = QT_TRANSLATE_NOOP("MainWindow", "ALARM 1"),
     .face = F::Navy, .role = R::Alarm1Label},
    {.kind = K::Label, .name = "Label5", .parent = "Panel45", .bounds = {114, 6, 46, 13},
     //: Heading over alarm 2, 46 px wide
     .caption = QT_TRANSLATE_NOOP("MainWindow", "ALARM 2"),
     .face = F::Navy, .role = R::Alarm2Label},
    {.kind = K::Label, .name = "Label7", .parent = "Panel45", .bounds = {188, 5, 91, 13},
     //: Heading over the snooze lengths of alarm 2, 91 px wide
     .caption = QT_TRANSLATE_NOOP("MainWindow", "ALARM 2 - Snooze"),
     .face = F::Navy, .role = R::SnoozeLabel},
    {.kind = K::Picker, .name = "DateTimePicker2", .parent = "Panel45", .bounds = {16, 20, 99, 24},
     .color = kBack, .face = F::Picker, .flags = AlarmFields, .role = R::Alarm1Picker},
    {.kind = K::Panel, .name = "Panel48", .parent = "Panel45", .bounds = {3, 18, 75, 5},
     .color = kBack},
    {.kind = K::Panel, .name = "Panel49", .parent = "Panel45", .bounds = {2, 24, 16, 20},
     .color = kBack},
    {.kind = K::Panel, .name = "Panel50", .parent = "Panel45", .bounds = {125, 20, 56, 24},
     .color = kBack},
    {.kind = K::Panel, .name = "Panel46", .parent = "Panel45", .bounds = {17, 40, 61, 4},
     .color = kBack},
    {.kind = K::Panel, .name = "Panel51", .parent = "Panel45", .bounds = {4, 23, 15, 17},
     .color = kBack},
    {.kind = K::Picker, .name = "DateTimePicker3", .parent = "Panel45", .bounds = {108, 20, 98, 24},
     .color = kBack, .face = F::Picker, .flags = AlarmFields, .role = R::Alarm2Picker},
    {.kind = K::Panel, .name = "Panel52", .parent = "Panel45", .bounds = {86, 18, 83, 5},
     .color = kBack},
    {.kind = K::Panel, .name = "Panel55", .parent = "Panel45", .bounds = {109, 40, 61, 4},
     .color = kBack},
    {.kind = K::Radio, .name = "RadioButton1", .parent = "Panel45", .bounds = {201, 19, 46, 17},
     //: Snooze length, a radio button about 46 px wide
     .caption = QT_TRANSLATE_NOOP("MainWindow", "1 min"), .face = F::Navy, .role = R::Snooze1Min},
    {.kind = K::Radio, .name = "RadioButton2", .parent = "Panel45", .bounds = {201, 33, 46, 17},
     //: Snooze length, a radio button about 46 px wide
     .caption = QT_TRANSLATE_NOOP("MainWindow", "3 min"),
     .face = F::Navy, .flags = Checked, .role = R::Snooze3Min},
    {.kind = K::Radio, .name = "RadioButton3", .parent = "Panel45", .bounds = {201, 47, 46, 17},
     //: Snooze length, a radio button about 46 px wide
     .caption = QT_TRANSLATE_NOOP("MainWindow", "5 min"), .face = F::Navy, .role = R::Snooze5Min},
    {.kind = K::Radio, .name = "RadioButton4", .parent = "Panel45", .bounds = {201, 61, 52, 17},
     //: Snooze length, a radio button about 52 px wide
     .caption = QT_TRANSLATE_NOOP("MainWindow", "9 min"), .face = F::Navy, .role = R::Snooze9Min},
    {.kind = K::Radio, .name = "RadioButton5", .parent = "Panel45", .bounds = {201, 75, 52, 17},
     //: Snooze length, a radio button about 52 px wide
     .caption = QT_TRANSLATE_NOOP("MainWindow", "15 min"), .face = F::Navy, .role = R::Snooze15Min},
    {.kind = K::Radio, .name = "RadioButton6", .parent = "Panel45", .bounds = {201, 89, 52, 17},
     //: Snooze length, a radio button about 52 px wide
     .caption = QT_TRANSLATE_NOOP("MainWindow", "20 min"), .face = F::Navy, .role = R::Snooze20Min},
    {.kind = K::Lowered, .name = "Panel44", .parent = "Panel45", .bounds = {19, 44, 56, 55},
     .color = clr::ButtonPanel, .role = R::Alarm1OnOffPanel},
    {.kind = K::Button, .name = "SpeedButton14", .parent = "Panel44", .bounds = {1, 1, 54, 53},
     //: An alarm's switch when off, a button of 54 by 53 px
     .caption = QT_TRANSLATE_NOOP("MainWindow", "OFF"), .role = R::Alarm1OnOff},
    {.kind = K::CheckBox, .name = "CheckBox3", .parent = "Panel45", .bounds = {21, 105, 56, 14},
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Recur"),
     .color = kBack, .face = F::Navy, .flags = Checked, .role = R::Alarm1RecurBox,
     .reader = {QT_TRANSLATE_NOOP("MainWindow", "Alarm 1 recurs"),
                QT_TRANSLATE_NOOP("MainWindow", "Alarm 1 rings until it is switched off")}},
    {.kind = K::Panel, .name = "Panel54", .parent = "Panel45", .bounds = {145, 20, 56, 24},
     .color = kBack, .role = R::Alarm2AmPmFrame},
    {.kind = K::Panel, .name = "Panel56", .parent = "Panel54", .bounds = {-1, 3, 22, 17},
     .caption = "AM", .color = kBack, .face = F::AmPm, .flags = Clickable, .role = R::Alarm2AmPm},
    {.kind = K::Panel, .name = "Panel53", .parent = "Panel45", .bounds = {53, 20, 58, 24},
     .color = kBack, .role = R::Alarm1AmPmFrame},
    {.kind = K::Button, .name = "SpeedButton16", .parent = "Panel53", .bounds = {39, 4, 14, 15},
     .caption = "\u2192", .face = F::Arrow, .role = R::CopyAlarm1Button,
     .reader = {QT_TRANSLATE_NOOP("MainWindow", "Copy alarm 1 to alarm 2")}},
    {.kind = K::Button, .name = "SpeedButton22", .parent = "Panel53", .bounds = {27, 4, 14, 15},
     .caption = "\u2190", .face = F::Arrow, .role = R::CopyAlarm2Button,
     .reader = {QT_TRANSLATE_NOOP("MainWindow", "Copy alarm 2 to alarm 1")}},
    {.kind = K::Panel, .name = "Panel57", .parent = "Panel53", .bounds = {-1, 3, 22, 17},
     .caption = "AM", .color = kBack, .face = F::AmPm, .flags = Clickable, .role = R::Alarm1AmPm},
    {.kind = K::Lowered, .name = "Panel59", .parent = "Panel45", .bounds = {111, 44, 56, 55},
     .color = clr::ButtonPanel, .role = R::Alarm2OnOffPanel},
    {.kind = K::Button, .name = "SpeedButton17", .parent = "Panel59", .bounds = {1, 1, 54, 53},
     .caption = QT_TRANSLATE_NOOP("MainWindow", "OFF"), .role = R::Alarm2OnOff},
    {.kind = K::Lowered, .name = "Panel61", .parent = "Panel45", .bounds = {111, 105, 57, 19},
     .color = clr::ButtonPanel, .role = R::TestAlarmPanel},
    {.kind = K::Button, .name = "SpeedButton19", .parent = "Panel61", .bounds = {1, 1, 55, 17},
     //: Button, 55 px wide and 17 px high
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Test alarm"), .role = R::TestAlarmButton},
    {.kind = K::Radio, .name = "RadioButton7", .parent = "Panel45", .bounds = {201, 103, 52, 17},
     //: Snooze length, a radio button about 52 px wide
     .caption = QT_TRANSLATE_NOOP("MainWindow", "30 min"), .face = F::Navy, .role = R::Snooze30Min},
    {.kind = K::CheckBox, .name = "CheckBox4", .parent = "Panel45", .bounds = {21, 118, 61, 14},
     //: Check box, 61 px wide with its box: the alarms are switched on when the program starts
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Start ON"),
     .color = kBack, .face = F::Navy, .role = R::StartOnBox,
     .reader = {QT_TRANSLATE_NOOP("MainWindow", "Alarms on at start")}},
};
// clang-format on

using E = Entry;

// clang-format off
// The slot menu and the seconds menu, before its sixty seconds.
const MenuRow kFirstMenus[] = {
    {.entry = E::Menu, .name = "PopupMenu1", .role = R::SlotMenu},
    {.entry = E::Item, .name = "EditAlarmMessage1", .parent = "PopupMenu1",
     //: Menu entry of a timer: set its time and its message
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Edit Time / Message"), .role = R::EditMessageItem},
    {.entry = E::Item, .name = "AlertOptions", .parent = "PopupMenu1",
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Alert options…"), .role = R::SlotAlertOptionsItem},

    {.entry = E::Menu, .name = "PopupMenu2", .flags = ManualPopup, .role = R::SecondsMenu},
};

// The background's menu and the rest, after the seconds.
const MenuRow kLaterMenus[] = {
    {.entry = E::Menu, .name = "PopupMenu3", .role = R::BackgroundMenu},
    {.entry = E::Item, .name = "ClickMinimize1", .parent = "PopupMenu3",
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Minimize on timer"),
     .flags = Checkable, .role = R::MinimizeOnTimerItem},
    {.entry = E::Item, .name = "AlarmClock1", .parent = "PopupMenu3",
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Alarm Clock"),
     .flags = Checkable, .role = R::AlarmClockItem},
    {.entry = E::Item, .name = "Processes1", .parent = "PopupMenu3",
     //: Menu entry that opens the list of programs started at set times
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Processes"),
     .role = R::ProcessesItem},
    {.entry = E::Item, .name = "StartWithDesktop", .parent = "PopupMenu3",
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Start with the desktop"),
     .flags = Checkable, .role = R::StartWithDesktopItem},
    {.entry = E::Item, .name = "Alarm1AlertOptions", .parent = "PopupMenu3",
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Alarm 1 alert options…"),
     .role = R::Alarm1AlertOptionsItem},
    {.entry = E::Item, .name = "Alarm2AlertOptions", .parent = "PopupMenu3",
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Alarm 2 alert options…"),
     .role = R::Alarm2AlertOptionsItem},
    // Two submenus the user never sees; their check marks still travel
    // through the settings. The alarm delays do nothing when chosen.
    {.entry = E::Submenu, .name = "Alarmdelay1", .parent = "PopupMenu3", .caption = "Alarm delay",
     .flags = HiddenMenu, .role = R::AlarmDelayMenu},
    {.entry = E::Item, .name = "N100", .parent = "Alarmdelay1", .caption = "100",
     .flags = Checkable | CheckedItem},
    {.entry = E::Item, .name = "N150", .parent = "Alarmdelay1", .caption = "150",
     .flags = Checkable},
    {.entry = E::Item, .name = "N200", .parent = "Alarmdelay1", .caption = "200",
     .flags = Checkable},
    {.entry = E::Item, .name = "N250", .parent = "Alarmdelay1", .caption = "250",
     .flags = Checkable},
    {.entry = E::Item, .name = "N300", .parent = "Alarmdelay1", .caption = "300",
     .flags = Checkable},
    {.entry = E::Item, .name = "N400", .parent = "Alarmdelay1", .caption = "400",
     .flags = Checkable},
    {.entry = E::Item, .name = "N500", .parent = "Alarmdelay1", .caption = "500",
     .flags = Checkable},
    {.entry = E::Item, .name = "N750", .parent = "Alarmdelay1", .caption = "750",
     .flags = Checkable},
    {.entry = E::Item, .name = "N1000", .parent = "Alarmdelay1", .caption = "1000",
     .flags = Checkable},
    {.entry = E::Submenu, .name = "Trayiconcolorchange1", .parent = "PopupMenu3",
     .caption = "Tray icon color change", .flags = HiddenMenu, .role = R::TrayColourMenu},
    {.entry = E::Item, .name = "N60sec1", .parent = "Trayiconcolorchange1", .caption = "60 min",
     .flags = Checkable},
    {.entry = E::Item, .name = "N45sec1", .parent = "Trayiconcolorchange1", .caption = "45 sec",
     .flags = Checkable},
    {.entry = E::Item, .name = "N30sec1", .parent = "Trayiconcolorchange1", .caption = "30 sec",
     .flags = Checkable},
    {.entry = E::Item, .name = "N20sec1", .parent = "Trayiconcolorchange1", .caption = "20 sec",
     .flags = Checkable},
    {.entry = E::Item, .name = "N15sec1", .parent = "Trayiconcolorchange1", .caption = "15 sec",
     .flags = Checkable},
    {.entry = E::Item, .name = "N10sec1", .parent = "Trayiconcolorchange1", .caption = "10 sec",
     .flags = Checkable},

    {.entry = E::Menu, .name = "PopupMenu4", .role = R::StopwatchMenu},
    {.entry = E::Item, .name = "Clear1", .parent = "PopupMenu4",
     //: Stopwatch menu: back to zero
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Clear"),
     .role = R::ClearStopwatchItem},

    {.entry = E::Menu, .name = "PopupMenu5", .role = R::QuitMenu},
    {.entry = E::Item, .name = "CloseNoSave1", .parent = "PopupMenu5",
     //: Menu of the Quit button: quit without saving the settings
     .caption = QT_TRANSLATE_NOOP("MainWindow", "Close no save"),
     .role = R::CloseNoSaveItem},
};
// clang-format on

} // namespace

// The rows that repeat: ten countdown rows (slots 1 to 5 in the left column,
// 6 to 10 beside them), twelve quick timers under them, and the seconds
// menu's sixty items in six submenus of ten.
std::vector<ControlRow> controlRows() {
    std::vector<ControlRow> rows(std::begin(kTitleRows), std::end(kTitleRows));
    for (int n = timer::FirstCountdown; n <= timer::LastCountdown; ++n) {
        const QByteArray panel = "Panel" + QByteArray::number(n);
        const QPoint at((n <= 5 ? 5 : 148), 31 + 31 * ((n - 1) % 5));
        rows.push_back(
            {.kind = K::Lowered, .name = panel, .bounds = {at, QSize(145, 33)}, .color = kBack});
        rows.push_back({.kind = K::TimeBox,
                        .name = "Edit" + QByteArray::number(n),
                        .parent = panel,
                        .bounds = {5, 4, 56, 24},
                        .caption = "00:00:00",
                        .face = F::TimeBox,
                        .menu = "PopupMenu2"});
        rows.push_back({.kind = K::Button,
                        .name = "SpeedButton" + QByteArray::number(n),
                        .parent = panel,
                        .bounds = {65, 5, 75, 23},
                        //: A timer's button, 75 px wide, while no message is set
                        .caption = QT_TRANSLATE_NOOP("MainWindow", "Message"),
                        .menu = "PopupMenu1"});
    }
    rows.insert(rows.end(), std::begin(kBottomRows), std::end(kBottomRows));
    const char* const minutes[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "15", "20"};
    for (int n = timer::FirstQuick; n <= timer::LastQuick; ++n) {
        const QByteArray panel = "Panel" + QByteArray::number(n);
        rows.push_back({.kind = K::Lowered,
                        .name = panel,
                        .bounds = {5 + 24 * (n - timer::FirstQuick), 190, 24, 19},
                        .color = kBack});
        rows.push_back({.kind = K::Button,
                        .name = "SpeedButton" + QByteArray::number(n),
                        .parent = panel,
                        .bounds = {1, 1, 22, 17},
                        .caption = minutes[n - timer::FirstQuick]});
    }
    rows.insert(rows.end(), std::begin(kEditorAndAlarmRows), std::end(kEditorAndAlarmRows));
    return rows;
}

QString timerPanelName(int n) {
    return QStringLiteral("Panel%1").arg(n);
}

QString timerBoxName(int n) {
    return QStringLiteral("Edit%1").arg(n);
}

QString timerButtonName(int n) {
    return QStringLiteral("SpeedButton%1").arg(n);
}

QStringList panelsUnderEditor() {
    QStringList panels;
    for (int n = 1; n <= 43; ++n) {
        if (n <= 11 || (n >= 23 && n != 35))
            panels << QStringLiteral("Panel%1").arg(n);
    }
    return panels;
}

QStringList tabOrder() {
    // clang-format off
    return {
        "SpeedButton35", "SpeedButton20",   "SpeedButton15",   "SpeedButton16Y", "SpeedButton15X",
        "Edit1",         "SpeedButton1",    "Edit2",           "SpeedButton2",   "Edit3",
        "SpeedButton3",  "Edit4",           "SpeedButton4",    "Edit5",          "SpeedButton5",
        "Edit6",         "SpeedButton6",    "Edit7",           "SpeedButton7",   "Edit8",
        "SpeedButton8",  "Edit9",           "SpeedButton9",    "Edit10",         "SpeedButton10",
        "SpeedButton23", "SpeedButton24",   "SpeedButton25",   "SpeedButton26",  "SpeedButton27",
        "SpeedButton28", "SpeedButton29",   "SpeedButton30",   "SpeedButton31",  "SpeedButton32",
        "SpeedButton33", "SpeedButton34",   "CheckBox1",       "SpeedButton11",  "CheckBox2",
        "Edit11",        "DateTimePicker1", "SpeedButton13",   "SpeedButton12",  "SpeedButton21",
        "SpeedButton18", "Edit12",          "DateTimePicker2", "Panel57",        "SpeedButton22",
        "SpeedButton16", "DateTimePicker3", "Panel56",         "SpeedButton14",  "SpeedButton17",
        "CheckBox3",     "SpeedButton19",   "CheckBox4",       "RadioButton1",   "RadioButton2",
        "RadioButton3",  "RadioButton4",    "RadioButton5",    "RadioButton6",   "RadioButton7"};
    // clang-format on
}

std::vector<MenuRow> menuRows() {
    std::vector<MenuRow> rows(std::begin(kFirstMenus), std::end(kFirstMenus));
    for (int tens = 0; tens < 6; ++tens) {
        const QByteArray submenu = "Seconds" + QByteArray::number(tens) + "1";
        rows.push_back({.entry = E::Submenu,
                        .name = submenu,
                        .parent = "PopupMenu2",
                        //: A submenu of ten seconds; %1 is the tens, 0 to 5
                        .caption = QT_TRANSLATE_NOOP("MainWindow", "Seconds %1+"),
                        .number = tens});
        for (int units = 0; units < 10; ++units) {
            const QByteArray seconds = QByteArray::number(tens) + QByteArray::number(units);
            rows.push_back(
                {.entry = E::Item, .name = "N" + seconds, .parent = submenu, .caption = seconds});
        }
    }
    rows.insert(rows.end(), std::begin(kLaterMenus), std::end(kLaterMenus));
    return rows;
}

} // namespace layout
