// SPDX-License-Identifier: GPL-3.0-or-later
#include "Keyboard.h"

#include "Components.h"
#include "LayoutRows.h"
#include "widgets/Controls.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>

namespace {

bool takesTab(const QWidget* control) {
    return control->isVisible() && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus);
}

} // namespace

Keyboard::Keyboard(QWidget& window, const Components& controls, const QWidget& editorPanel,
                   PopupMenu& backgroundMenu)
    : window_(window)
    , controls_(controls)
    , editorPanel_(editorPanel)
    , backgroundMenu_(backgroundMenu) {}

void Keyboard::applyTabOrder() const {
    QWidget* previous = nullptr;
    for (const QString& name : layout::tabOrder()) {
        QWidget* control = controls_.find<QWidget>(name);
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

bool Keyboard::keyboardMode() const {
    // Qt marks the window when Tab moves the focus; a mouse press clears it.
    return window_.testAttribute(Qt::WA_KeyboardFocusChange);
}

void Keyboard::leaveKeyboardMode(QObject* pressed) {
    auto* control = qobject_cast<QWidget*>(pressed);
    if (!keyboardMode() || !control || control->window() != &window_)
        return;
    window_.setAttribute(Qt::WA_KeyboardFocusChange, false);
    // The focus mark goes with it.
    if (QWidget* focus = QApplication::focusWidget())
        focus->update();
}

bool Keyboard::keepsKeyboard(const QWidget* focus) const {
    return keyboardMode() && focus && focus->window() == &window_ && takesTab(focus) &&
           !editorPanel_.isAncestorOf(focus);
}

void Keyboard::returnKeyboardTo(QWidget* control) const {
    if (keyboardMode() && takesTab(control))
        control->setFocus(Qt::TabFocusReason);
}

Keyboard::Key Keyboard::keyboardKey(QWidget* focus, const QKeyEvent& key) {
    const auto modifiers = key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                              Qt::AltModifier | Qt::MetaModifier);
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Qt's own chain goes on from a control; from a panel at rest the
        // keyboard enters the order at the panel's first control.
        if ((modifiers & ~Qt::ShiftModifier) || (focus->focusPolicy() & Qt::TabFocus))
            return Key::Passed;
        tabFromRest(focus, key.key() == Qt::Key_Tab && modifiers == Qt::NoModifier);
        return Key::Taken;
    case Qt::Key_F10:
        if (modifiers != Qt::ShiftModifier)
            return Key::Passed;
        openMenuFor(focus);
        return Key::Taken;
    case Qt::Key_Menu:
        openMenuFor(focus);
        return Key::Taken;
    case Qt::Key_Escape:
        return editorPanel_.isHidden() ? Key::Passed : Key::LeavesEditor;
    default:
        return Key::Passed;
    }
}

void Keyboard::tabFromRest(QWidget* rest, bool forward) {
    QList<QWidget*> order;
    int start = -1;
    for (const QString& name : layout::tabOrder()) {
        QWidget* control = controls_.find<QWidget>(name);
        if (start < 0 && (rest == &window_ || rest->isAncestorOf(control)))
            start = int(order.size());
        order.append(control);
    }
    if (start < 0)
        start = 0;
    const int count = int(order.size());
    for (int step = 0; step < count; ++step) {
        const int index = forward ? (start + step) % count : (start - 1 - step + 2 * count) % count;
        if (takesTab(order[index])) {
            order[index]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

QWidget* Keyboard::keyboardMenuFor(QObject* watched, const QContextMenuEvent& event) const {
    // The request goes the way of the keys: the handlers hear of the
    // control first.
    auto* control = qobject_cast<QWidget*>(watched);
    if (!event.spontaneous() || event.reason() != QContextMenuEvent::Keyboard || !control ||
        control->window() != &window_)
        return nullptr;
    QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == &window_ ? focus : &window_;
}

void Keyboard::openMenuFor(QWidget* focus) {
    const QPoint centre = focus->rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, centre, focus->mapToGlobal(centre));
    if (!(focus->focusPolicy() & Qt::TabFocus)) {
        // The keyboard at rest on the window's background: its main menu.
        backgroundMenu_.popupFor(&menu);
        return;
    }
    // A control's own menu, as a right click opens it: the press first,
    // which tells the handlers the slot and allows or holds back the menu.
    if (auto* button = qobject_cast<FlatButton*>(focus))
        emit button->mousePressed(Qt::RightButton, centre);
    else if (auto* box = qobject_cast<TextBox*>(focus))
        emit box->mousePressed(Qt::RightButton, centre);
    else if (auto* panel = qobject_cast<BevelPanel*>(focus))
        emit panel->mousePressed(Qt::RightButton, centre);
    QCoreApplication::sendEvent(focus, &menu);
}
