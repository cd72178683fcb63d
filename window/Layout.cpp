// SPDX-License-Identifier: GPL-3.0-or-later
// The two small builders that make the main window's controls and menus
// from the rows of its layout.
#include "LayoutRows.h"
#include "core/Colors.h"
#include "widgets/ControlParts.h"
#include "widgets/IntervalTimer.h"

#include <QHash>
#include <QPixmap>
#include <variant>
#include <vector>

using namespace layout;
using widget_parts::SetPaletteColor;

namespace {

void ApplyFace(QWidget* control, Face face) {
    const FaceSpec spec = SpecOf(face);
    if (spec.family) {
        QFont font = DesignFont(QLatin1String(spec.family), spec.height, spec.bold);
        if (face == Face::Message)
            font = WithFallbacks(font);
        if (auto* edit = qobject_cast<TextBox*>(control))
            edit->SetFace(font);
        else
            control->setFont(font);
    }
    if (spec.color == kNone)
        return;
    if (auto* button = qobject_cast<FlatButton*>(control))
        button->SetFontColor(spec.color);
    else if (auto* panel = qobject_cast<BevelPanel*>(control))
        panel->SetFontColor(spec.color);
    else if (auto* edit = qobject_cast<TextBox*>(control))
        edit->SetFontColor(spec.color);
    else if (qobject_cast<TimePicker*>(control))
        SetPaletteColor(control, QPalette::Text, spec.color);
    else
        SetPaletteColor(control, QPalette::WindowText, spec.color);
}

} // namespace

template <typename Field> void MainWindow::Bind(const Field& field, QObject* component) {
    std::visit(
        [this, component](auto member) {
            if constexpr (!std::is_same_v<decltype(member), std::monostate>) {
                using Class =
                    std::remove_pointer_t<std::remove_reference_t<decltype(this->*member)>>;
                this->*member = qobject_cast<Class*>(component);
            }
        },
        field);
}

void MainWindow::CreateMenus() {
    QHash<QString, QMenu*> menus;
    for (const MenuRow& row : MenuRows()) {
        const QString name = QString::fromLatin1(row.name);
        const QString caption = QString::fromUtf8(row.caption);
        QMenu* parent =
            row.parent.isEmpty() ? nullptr : menus.value(QString::fromLatin1(row.parent));
        if (row.entry == Entry::Menu) {
            auto* menu = new PopupMenu(this, name);
            menu->SetAutoPopup(!(row.flags & ManualPopup));
            menus.insert(name, menu);
            Bind(row.field, menu);
        } else if (row.entry == Entry::Submenu) {
            QMenu* submenu = parent->addMenu(caption);
            submenu->setObjectName(name);
            submenu->menuAction()->setVisible(!(row.flags & HiddenMenu));
            menus.insert(name, submenu);
            Bind(row.field, submenu);
        } else {
            auto* item = new MenuItem(parent, name, caption, row.flags & Checkable);
            item->setChecked(row.flags & CheckedItem);
            Bind(row.field, item);
            if (row.onClick)
                On(item, &MenuItem::Click, row.onClick);
        }
    }
    RegisterComponents();
}

namespace {

using Pictures = QHash<QString, QPixmap>;

QWidget* MakeImage(const ControlRow& row, QWidget* parent, Pictures& pictures) {
    const QString path = QLatin1String(row.picture);
    if (!pictures.contains(path))
        pictures.insert(path, DesignPicture(path));
    return new Picture(parent, QString::fromLatin1(row.name), row.bounds, pictures.value(path));
}

QWidget* MakeButton(const ControlRow& row, QWidget* parent) {
    auto* button = new FlatButton(parent, QString::fromLatin1(row.name), row.bounds,
                                  QString::fromUtf8(row.caption));
    if (row.picture)
        button->SetGlyph(QLatin1String(row.picture));
    if (row.flags & GlyphAt18)
        button->SetMargin(18);
    button->setCheckable(row.flags & Toggle);
    return button;
}

QWidget* MakePanel(const ControlRow& row, QWidget* parent) {
    auto* panel = new BevelPanel(parent, QString::fromLatin1(row.name), row.bounds, row.color,
                                 row.kind == Kind::Lowered ? BevelPanel::Bevel::Lowered
                                                           : BevelPanel::Bevel::None);
    panel->SetCaption(QString::fromUtf8(row.caption));
    if (row.onClick || (row.flags & Clickable))
        panel->SetKeyboardClickable();
    return panel;
}

QWidget* MakeBox(const ControlRow& row, QWidget* parent) {
    auto* edit = new TextBox(parent, QString::fromLatin1(row.name), row.bounds,
                             QString::fromUtf8(row.caption));
    edit->SetColor(row.kind == Kind::TimeBox ? clr::Blue : row.color);
    if (row.kind == Kind::TimeBox) {
        // Read by Tab and a screen reader, never typed into.
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::TabFocus);
    }
    return edit;
}

QWidget* MakeCheckBox(const ControlRow& row, QWidget* parent) {
    // On the panel colour; the keyboard reaches it by Tab alone, so that a
    // click leaves the focus where it was.
    auto* box = new CheckBox(parent, QString::fromLatin1(row.name), row.bounds,
                             QString::fromUtf8(row.caption), row.flags & Checked);
    SetPaletteColor(box, QPalette::Window, row.color);
    box->setBackgroundRole(QPalette::Window);
    box->setAutoFillBackground(true);
    box->setFocusPolicy(Qt::TabFocus);
    return box;
}

QWidget* MakeRadio(const ControlRow& row, QWidget* parent) {
    // Drawn in a scalable face, the snooze lengths run a little wider than
    // in the bitmap one; there is room to their right.
    const QRect bounds = DesignBitmaps() ? row.bounds : row.bounds.adjusted(0, 0, 6, 0);
    auto* radio = new RadioButton(parent, QString::fromLatin1(row.name), bounds,
                                  QString::fromUtf8(row.caption));
    radio->setChecked(row.flags & Checked);
    // Opaque on its panel's colour, as the design's buttons are: the picker
    // beside them never shows through.
    if (auto* panel = qobject_cast<BevelPanel*>(parent)) {
        SetPaletteColor(radio, QPalette::Window, panel->Color());
        radio->setBackgroundRole(QPalette::Window);
        radio->setAutoFillBackground(true);
    }
    return radio;
}

QWidget* MakePicker(const ControlRow& row, QWidget* parent) {
    auto* picker = new TimePicker(parent, QString::fromLatin1(row.name), row.bounds);
    // The face first: the fields are placed by its digits.
    ApplyFace(picker, row.face);
    SetPaletteColor(picker, QPalette::Base, row.color);
    if (row.flags & SlotFields) {
        // Hours and minutes of a slot, which the picker holds as the minutes
        // and seconds of a time in the hour of noon. They show in the gap the
        // cover panels leave.
        picker->setDisplayFormat(QStringLiteral("mm:ss"));
        picker->setTimeRange(QTime(12, 0, 0), QTime(12, 59, 59));
        picker->SetTextIndent(17);
    } else if (row.flags & AlarmFields) {
        // Its own AM/PM lies under a cover panel.
        picker->setDisplayFormat(QStringLiteral("h:mm AP"));
        picker->SetShownFields(2);
        picker->SetHourRightAligned();
    }
    picker->SetTime(QTime(12, 0, 0));
    return picker;
}

QWidget* MakeControl(const ControlRow& row, QWidget* parent, Pictures& pictures) {
    switch (row.kind) {
    case Kind::Image:
        return MakeImage(row, parent, pictures);
    case Kind::Button:
        return MakeButton(row, parent);
    case Kind::Label: {
        auto* label = new CaptionLabel(parent, QString::fromLatin1(row.name), row.bounds,
                                       QString::fromUtf8(row.caption));
        if (row.color != kNone)
            label->SetColor(row.color);
        return label;
    }
    case Kind::Panel:
    case Kind::Lowered:
        return MakePanel(row, parent);
    case Kind::TimeBox:
    case Kind::Edit:
        return MakeBox(row, parent);
    case Kind::CheckBox:
        return MakeCheckBox(row, parent);
    case Kind::Radio:
        return MakeRadio(row, parent);
    case Kind::Picker:
        return MakePicker(row, parent);
    }
    return nullptr;
}

} // namespace

void MainWindow::ConnectRow(const ControlRow& row, QWidget* control) {
    if (row.menu) {
        auto* menu = Find<PopupMenu>(QLatin1String(row.menu));
        if (auto* image = qobject_cast<Picture*>(control))
            image->ContextMenu = menu;
        else if (auto* button = qobject_cast<FlatButton*>(control))
            button->ContextMenu = menu;
        else if (auto* panel = qobject_cast<BevelPanel*>(control))
            panel->ContextMenu = menu;
        else if (auto* edit = qobject_cast<TextBox*>(control))
            edit->ContextMenu = menu;
    }
    if (row.onClick) {
        if (auto* button = qobject_cast<FlatButton*>(control))
            On(button, &FlatButton::clicked, row.onClick);
        else if (auto* panel = qobject_cast<BevelPanel*>(control))
            On(panel, &BevelPanel::Click, row.onClick);
        else if (auto* box = qobject_cast<CheckBox*>(control))
            On(box, &CheckBox::clicked, row.onClick);
    }
    if (row.onMouseDown) {
        if (auto* image = qobject_cast<Picture*>(control))
            On(image, &Picture::MouseDown, row.onMouseDown);
        else if (auto* button = qobject_cast<FlatButton*>(control))
            On(button, &FlatButton::MouseDown, row.onMouseDown);
        else if (auto* label = qobject_cast<CaptionLabel*>(control))
            On(label, &CaptionLabel::MouseDown, row.onMouseDown);
        else if (auto* edit = qobject_cast<TextBox*>(control))
            On(edit, &TextBox::MouseDown, row.onMouseDown);
    }
}

void MainWindow::CreateControls() {
    Pictures pictures;
    for (const ControlRow& row : ControlRows()) {
        QWidget* parent =
            row.parent.isEmpty() ? this : Find<QWidget>(QString::fromLatin1(row.parent));
        QWidget* control = MakeControl(row, parent, pictures);
        ConnectRow(row, control);
        if (row.kind != Kind::Picker)
            ApplyFace(control, row.face);
        if (row.reader.name)
            control->setAccessibleName(QString::fromUtf8(row.reader.name));
        if (row.reader.description)
            control->setAccessibleDescription(QString::fromUtf8(row.reader.description));
        if (row.flags & Hidden)
            control->hide();
        Bind(row.field, control);
        components_.Insert(control);
    }

    // Non-visual parts.
    tickTimer = new IntervalTimer(this, QStringLiteral("Timer1"), 1000);
    alertTimer = new IntervalTimer(this, QStringLiteral("Timer2"), 0);
    snoozeTimer = new IntervalTimer(this, QStringLiteral("Timer3"), 0);
    scheduleTimer = new IntervalTimer(this, QStringLiteral("Timer4"), 0);
}
