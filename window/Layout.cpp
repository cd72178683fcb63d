// SPDX-License-Identifier: GPL-3.0-or-later
// The two small builders that make the main window's controls and menus
// from the rows of its layout.
#include "LayoutRows.h"
#include "MainWindow.h"
#include "core/Colors.h"
#include "widgets/ControlParts.h"
#include "widgets/IntervalTimer.h"

#include <QCoreApplication>
#include <QHash>
#include <QPixmap>
#include <algorithm>
#include <variant>
#include <vector>

using namespace layout;
using widget_parts::setPaletteColor;

namespace {

// A text of the rows as the user's language has it; the rows mark theirs
// for translation under the window's context, and leave data as it is.
QString shown(const char* text) {
    return QCoreApplication::translate("MainWindow", text);
}

QString shown(const QByteArray& text) {
    return text.isEmpty() ? QString() : shown(text.constData());
}

void applyFace(QWidget* control, Face face) {
    const FaceSpec spec = specOf(face);
    if (spec.family) {
        QFont font = windowFont(QLatin1String(spec.family), spec.height, spec.bold);
        if (face == Face::Message)
            font = withFallbacks(font);
        if (auto* edit = qobject_cast<TextBox*>(control))
            edit->setFace(font);
        else
            control->setFont(font);
    }
    if (spec.color == kNone)
        return;
    if (auto* button = qobject_cast<FlatButton*>(control))
        button->setFontColor(spec.color);
    else if (auto* panel = qobject_cast<BevelPanel*>(control))
        panel->setFontColor(spec.color);
    else if (auto* edit = qobject_cast<TextBox*>(control))
        edit->setFontColor(spec.color);
    else if (qobject_cast<TimePicker*>(control))
        setPaletteColor(control, QPalette::Text, spec.color);
    else
        setPaletteColor(control, QPalette::WindowText, spec.color);
}

} // namespace

namespace {

template <typename T> using Member = T* MainWindow::*;
using Field =
    std::variant<Member<Picture>, Member<FlatButton>, Member<CaptionLabel>, Member<BevelPanel>,
                 Member<TextBox>, Member<CheckBox>, Member<RadioButton>, Member<TimePicker>,
                 Member<PopupMenu>, Member<QMenu>, Member<MenuItem>>;

} // namespace

struct MainWindow::RoleMember {
    Role role;
    Field field;
};

// Where the window keeps each control it reaches by its role.
// clang-format off
const MainWindow::RoleMember MainWindow::kRoleMembers[] = {
    {Role::BackgroundPicture, &MainWindow::backgroundPicture},
    {Role::HideButton, &MainWindow::hideButton},
    {Role::CloseButton, &MainWindow::closeButton},
    {Role::TitleLabel, &MainWindow::titleLabel},
    {Role::AlarmBackgroundPicture, &MainWindow::alarmBackgroundPicture},
    {Role::AlarmTitleLabel, &MainWindow::alarmTitleLabel},
    {Role::AlarmHideButton, &MainWindow::alarmHideButton},
    {Role::CloseAlarmHalfButton, &MainWindow::closeAlarmHalfButton},
    {Role::StopwatchButton, &MainWindow::stopwatchButton},
    {Role::TitleStrip, &MainWindow::titleStrip},
    {Role::PinButton, &MainWindow::pinButton},
    {Role::AlarmTitleStrip, &MainWindow::alarmTitleStrip},
    {Role::OpenAlarmHalfButton, &MainWindow::openAlarmHalfButton},
    {Role::SoundBox, &MainWindow::soundBox},
    {Role::RecurBox, &MainWindow::recurBox},
    {Role::SoundStrip, &MainWindow::soundStrip},
    {Role::RecurStrip, &MainWindow::recurStrip},
    {Role::QuitPanel, &MainWindow::quitPanel},
    {Role::QuitButton, &MainWindow::quitButton},
    {Role::TimeLeftPopup, &MainWindow::timeLeftPopup},
    {Role::EditorPanel, &MainWindow::editorPanel},
    {Role::MessageEdit, &MainWindow::messageEdit},
    {Role::EditorOkPanel, &MainWindow::editorOkPanel},
    {Role::EditorOkButton, &MainWindow::editorOkButton},
    {Role::EditorPicker, &MainWindow::editorPicker},
    {Role::EditorCover1, &MainWindow::editorCover1},
    {Role::EditorCover2, &MainWindow::editorCover2},
    {Role::EditorTimeLabel, &MainWindow::editorTimeLabel},
    {Role::EditorCover3, &MainWindow::editorCover3},
    {Role::EditorCover4, &MainWindow::editorCover4},
    {Role::EditorCover5, &MainWindow::editorCover5},
    {Role::EditorClearButton, &MainWindow::editorClearButton},
    {Role::ClockPanel, &MainWindow::clockPanel},
    {Role::ClockBox, &MainWindow::clockBox},
    {Role::AlarmPanel, &MainWindow::alarmPanel},
    {Role::Alarm1Label, &MainWindow::alarm1Label},
    {Role::Alarm2Label, &MainWindow::alarm2Label},
    {Role::SnoozeLabel, &MainWindow::snoozeLabel},
    {Role::Alarm1Picker, &MainWindow::alarm1Picker},
    {Role::Alarm2Picker, &MainWindow::alarm2Picker},
    {Role::Snooze1Min, &MainWindow::snooze1Min},
    {Role::Snooze3Min, &MainWindow::snooze3Min},
    {Role::Snooze5Min, &MainWindow::snooze5Min},
    {Role::Snooze9Min, &MainWindow::snooze9Min},
    {Role::Snooze15Min, &MainWindow::snooze15Min},
    {Role::Snooze20Min, &MainWindow::snooze20Min},
    {Role::Alarm1OnOffPanel, &MainWindow::alarm1OnOffPanel},
    {Role::Alarm1OnOff, &MainWindow::alarm1OnOff},
    {Role::Alarm1RecurBox, &MainWindow::alarm1RecurBox},
    {Role::Alarm2AmPmFrame, &MainWindow::alarm2AmPmFrame},
    {Role::Alarm2AmPm, &MainWindow::alarm2AmPm},
    {Role::Alarm1AmPmFrame, &MainWindow::alarm1AmPmFrame},
    {Role::CopyAlarm1Button, &MainWindow::copyAlarm1Button},
    {Role::CopyAlarm2Button, &MainWindow::copyAlarm2Button},
    {Role::Alarm1AmPm, &MainWindow::alarm1AmPm},
    {Role::Alarm2OnOffPanel, &MainWindow::alarm2OnOffPanel},
    {Role::Alarm2OnOff, &MainWindow::alarm2OnOff},
    {Role::TestAlarmPanel, &MainWindow::testAlarmPanel},
    {Role::TestAlarmButton, &MainWindow::testAlarmButton},
    {Role::Snooze30Min, &MainWindow::snooze30Min},
    {Role::StartOnBox, &MainWindow::startOnBox},
    {Role::SlotMenu, &MainWindow::slotMenu},
    {Role::EditMessageItem, &MainWindow::editMessageItem},
    {Role::SlotAlertOptionsItem, &MainWindow::slotAlertOptionsItem},
    {Role::SecondsMenu, &MainWindow::secondsMenu},
    {Role::BackgroundMenu, &MainWindow::backgroundMenu},
    {Role::MinimizeOnTimerItem, &MainWindow::minimizeOnTimerItem},
    {Role::AlarmClockItem, &MainWindow::alarmClockItem},
    {Role::ProcessesItem, &MainWindow::processesItem},
    {Role::StartWithDesktopItem, &MainWindow::startWithDesktopItem},
    {Role::Alarm1AlertOptionsItem, &MainWindow::alarm1AlertOptionsItem},
    {Role::Alarm2AlertOptionsItem, &MainWindow::alarm2AlertOptionsItem},
    {Role::AlarmDelayMenu, &MainWindow::alarmDelayMenu},
    {Role::TrayColourMenu, &MainWindow::trayColourMenu},
    {Role::StopwatchMenu, &MainWindow::stopwatchMenu},
    {Role::ClearStopwatchItem, &MainWindow::clearStopwatchItem},
    {Role::QuitMenu, &MainWindow::quitMenu},
    {Role::CloseNoSaveItem, &MainWindow::closeNoSaveItem},
};
// clang-format on

void MainWindow::bindRole(Role role, QObject* component) {
    const auto found = std::find_if(std::begin(kRoleMembers), std::end(kRoleMembers),
                                    [role](const auto& entry) { return entry.role == role; });
    if (found == std::end(kRoleMembers))
        return;
    std::visit(
        [this, component](auto member) {
            using Class = std::remove_pointer_t<std::remove_reference_t<decltype(this->*member)>>;
            this->*member = qobject_cast<Class*>(component);
        },
        found->field);
}

void MainWindow::createMenus() {
    QHash<QString, QMenu*> menus;
    for (const MenuRow& row : menuRows()) {
        const QString name = QString::fromLatin1(row.name);
        QString caption = shown(row.caption);
        if (row.number != kNone)
            caption = caption.arg(row.number);
        QMenu* parent =
            row.parent.isEmpty() ? nullptr : menus.value(QString::fromLatin1(row.parent));
        if (row.entry == Entry::Menu) {
            auto* menu = new PopupMenu(this, name);
            menu->setAutoPopup(!(row.flags & ManualPopup));
            menus.insert(name, menu);
            bindRole(row.role, menu);
        } else if (row.entry == Entry::Submenu) {
            QMenu* submenu = parent->addMenu(caption);
            submenu->setObjectName(name);
            submenu->menuAction()->setVisible(!(row.flags & HiddenMenu));
            menus.insert(name, submenu);
            bindRole(row.role, submenu);
        } else {
            auto* item = new MenuItem(parent, name, caption, row.flags & Checkable);
            item->setChecked(row.flags & CheckedItem);
            bindRole(row.role, item);
        }
    }
    registerComponents();
}

namespace {

using Pictures = QHash<QString, QPixmap>;

QWidget* makeImage(const ControlRow& row, QWidget* parent, Pictures& pictures) {
    const QString path = QLatin1String(row.picture);
    if (!pictures.contains(path))
        pictures.insert(path, windowPicture(path));
    return new Picture(parent, QString::fromLatin1(row.name), row.bounds, pictures.value(path));
}

QWidget* makeButton(const ControlRow& row, QWidget* parent) {
    auto* button =
        new FlatButton(parent, QString::fromLatin1(row.name), row.bounds, shown(row.caption));
    if (row.picture)
        button->setGlyph(QLatin1String(row.picture));
    if (row.flags & GlyphAt18)
        button->setMargin(18);
    button->setCheckable(row.flags & Toggle);
    return button;
}

QWidget* makePanel(const ControlRow& row, QWidget* parent) {
    auto* panel = new BevelPanel(parent, QString::fromLatin1(row.name), row.bounds, row.color,
                                 row.kind == Kind::Lowered ? BevelPanel::Bevel::Lowered
                                                           : BevelPanel::Bevel::None);
    panel->setCaption(shown(row.caption));
    if (row.flags & Clickable)
        panel->setKeyboardClickable();
    return panel;
}

QWidget* makeBox(const ControlRow& row, QWidget* parent) {
    auto* edit = new TextBox(parent, QString::fromLatin1(row.name), row.bounds, shown(row.caption));
    edit->setColor(row.kind == Kind::TimeBox ? clr::Blue : row.color);
    if (row.kind == Kind::TimeBox) {
        // Read by Tab and a screen reader, never typed into.
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::TabFocus);
    }
    return edit;
}

QWidget* makeCheckBox(const ControlRow& row, QWidget* parent) {
    // On the panel colour; the keyboard reaches it by Tab alone, so that a
    // click leaves the focus where it was.
    auto* box = new CheckBox(parent, QString::fromLatin1(row.name), row.bounds, shown(row.caption),
                             row.flags & Checked);
    setPaletteColor(box, QPalette::Window, row.color);
    box->setBackgroundRole(QPalette::Window);
    box->setAutoFillBackground(true);
    box->setFocusPolicy(Qt::TabFocus);
    return box;
}

QWidget* makeRadio(const ControlRow& row, QWidget* parent) {
    // Drawn in a scalable face, the snooze lengths run a little wider than
    // in the bitmap one; there is room to their right.
    const QRect bounds = bitmapFaces() ? row.bounds : row.bounds.adjusted(0, 0, 6, 0);
    auto* radio =
        new RadioButton(parent, QString::fromLatin1(row.name), bounds, shown(row.caption));
    radio->setChecked(row.flags & Checked);
    // Opaque on its panel's colour, as the window's buttons are: the picker
    // beside them never shows through.
    if (auto* panel = qobject_cast<BevelPanel*>(parent)) {
        setPaletteColor(radio, QPalette::Window, panel->color());
        radio->setBackgroundRole(QPalette::Window);
        radio->setAutoFillBackground(true);
    }
    return radio;
}

QWidget* makePicker(const ControlRow& row, QWidget* parent) {
    auto* picker = new TimePicker(parent, QString::fromLatin1(row.name), row.bounds);
    // The face first: the fields are placed by its digits.
    applyFace(picker, row.face);
    setPaletteColor(picker, QPalette::Base, row.color);
    if (row.flags & SlotFields) {
        // Hours and minutes of a slot, which the picker holds as the minutes
        // and seconds of a time in the hour of noon. They show in the gap the
        // cover panels leave.
        picker->setDisplayFormat(QStringLiteral("mm:ss"));
        picker->setTimeRange(QTime(12, 0, 0), QTime(12, 59, 59));
        picker->setTextIndent(17);
    } else if (row.flags & AlarmFields) {
        // Its own AM/PM lies under a cover panel.
        picker->setDisplayFormat(QStringLiteral("h:mm AP"));
        picker->setShownFields(2);
        picker->setHourRightAligned();
    }
    picker->showTime(QTime(12, 0, 0));
    return picker;
}

QWidget* makeControl(const ControlRow& row, QWidget* parent, Pictures& pictures) {
    switch (row.kind) {
    case Kind::Image:
        return makeImage(row, parent, pictures);
    case Kind::Button:
        return makeButton(row, parent);
    case Kind::Label: {
        auto* label =
            new CaptionLabel(parent, QString::fromLatin1(row.name), row.bounds, shown(row.caption));
        if (row.color != kNone)
            label->setColor(row.color);
        return label;
    }
    case Kind::Panel:
    case Kind::Lowered:
        return makePanel(row, parent);
    case Kind::TimeBox:
    case Kind::Edit:
        return makeBox(row, parent);
    case Kind::CheckBox:
        return makeCheckBox(row, parent);
    case Kind::Radio:
        return makeRadio(row, parent);
    case Kind::Picker:
        return makePicker(row, parent);
    }
    return nullptr;
}

} // namespace

void MainWindow::attachMenu(const ControlRow& row, QWidget* control) {
    if (row.menu) {
        auto* menu = components_.find<PopupMenu>(QLatin1String(row.menu));
        if (auto* image = qobject_cast<Picture*>(control))
            image->ContextMenu = menu;
        else if (auto* button = qobject_cast<FlatButton*>(control))
            button->ContextMenu = menu;
        else if (auto* panel = qobject_cast<BevelPanel*>(control))
            panel->ContextMenu = menu;
        else if (auto* edit = qobject_cast<TextBox*>(control))
            edit->ContextMenu = menu;
    }
}

void MainWindow::createControls() {
    Pictures pictures;
    for (const ControlRow& row : controlRows()) {
        QWidget* parent = row.parent.isEmpty()
                              ? this
                              : components_.find<QWidget>(QString::fromLatin1(row.parent));
        QWidget* control = makeControl(row, parent, pictures);
        attachMenu(row, control);
        if (row.kind != Kind::Picker)
            applyFace(control, row.face);
        if (row.reader.name)
            control->setAccessibleName(shown(row.reader.name));
        if (row.reader.description)
            control->setAccessibleDescription(shown(row.reader.description));
        if (row.flags & Hidden)
            control->hide();
        bindRole(row.role, control);
        components_.record(control);
    }
}
