// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout as data: one row a control, bottom of the drawing
// order first, and one row a menu entry, in the design's names.
#pragma once

#include "MainWindow.h"

#include <QByteArray>
#include <QRect>
#include <variant>
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

// The design's faces: family, height in pixels, weight, text colour.
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

// The window's member that names the control, when it has one.
template <typename T> using Member = T* MainWindow::*;
using Field = std::variant<std::monostate, Member<Picture>, Member<FlatButton>,
                           Member<CaptionLabel>, Member<BevelPanel>, Member<TextBox>,
                           Member<CheckBox>, Member<RadioButton>, Member<TimePicker>>;

using Click = void (MainWindow::*)(QObject*);
using Press = void (MainWindow::*)(QObject*, Qt::MouseButton, QPoint);

// What a screen reader hears of a control whose caption does not say it
// all: its name, and what it does.
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
    Field field = {};
    Click onClick = nullptr;
    Press onMouseDown = nullptr;
    ReaderText reader = {};
};

enum class Entry { Menu, Submenu, Item };

enum MenuFlag {
    ManualPopup = 1, // opens only when a press allows it
    Checkable = 2,
    CheckedItem = 4,
    HiddenMenu = 8,
};

using MenuField = std::variant<std::monostate, Member<PopupMenu>, Member<QMenu>, Member<MenuItem>>;

struct MenuRow {
    Entry entry;
    QByteArray name;
    QByteArray parent = {}; // the menu or submenu it is in
    QByteArray caption = {};
    int flags = 0;
    MenuField field = {};
    Click onClick = nullptr;
};

FaceSpec SpecOf(Face face);
// The controls of timer n's row, by the names the rows give them.
QString TimerPanelName(int n);
QString TimerBoxName(int n);
QString TimerButtonName(int n);
// The panels the message editor covers: the rows' and the bottom strip's.
QStringList PanelsUnderEditor();
// Tab in reading order: the title row, the ten countdowns, the quick
// timers, the bottom strip, the message editor, then the alarm half.
QStringList TabOrder();
// Every control, and every menu entry, in the order they are made.
std::vector<ControlRow> ControlRows();
std::vector<MenuRow> MenuRows();

} // namespace layout
