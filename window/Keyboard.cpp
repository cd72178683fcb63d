// SPDX-License-Identifier: GPL-3.0-or-later
// The window from the keyboard: Tab in reading order, the menu key and
// Shift+F10 for a control's own menu, Escape out of the message editor, and
// a keyboard that stays where Tab left it. A mouse press hands the window
// back to the mouse, which then finds everything as it always was.
#include "LayoutRows.h"
#include "MainWindow.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>

namespace {

bool takesTab(const QWidget* control) {
    return control->isVisible() && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus);
}

} // namespace

void MainWindow::applyTabOrder() {
    QWidget* previous = nullptr;
    for (const QString& name : layout::tabOrder()) {
        QWidget* control = components_.find<QWidget>(name);
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
}

bool MainWindow::keyboardMode() const {
    // Qt marks the window when Tab moves the focus; a mouse press clears it.
    return testAttribute(Qt::WA_KeyboardFocusChange);
}

void MainWindow::leaveKeyboardMode(QObject* pressed) {
    auto* control = qobject_cast<QWidget*>(pressed);
    if (!keyboardMode() || !control || control->window() != this)
        return;
    setAttribute(Qt::WA_KeyboardFocusChange, false);
    // The focus mark goes with it.
    if (QWidget* focus = QApplication::focusWidget())
        focus->update();
}

bool MainWindow::keepsKeyboard(const QWidget* focus) const {
    return keyboardMode() && focus && focus->window() == this && takesTab(focus) &&
           !editorPanel->isAncestorOf(focus);
}

void MainWindow::returnKeyboardTo(QWidget* control) {
    if (keyboardMode() && takesTab(control))
        control->setFocus(Qt::TabFocusReason);
}

bool MainWindow::keyboardKey(QWidget* focus, const QKeyEvent& key) {
    const auto modifiers = key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                              Qt::AltModifier | Qt::MetaModifier);
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Qt's own chain goes on from a control; from a panel at rest the
        // keyboard enters the order at the panel's first control.
        if ((modifiers & ~Qt::ShiftModifier) || (focus->focusPolicy() & Qt::TabFocus))
            return false;
        tabFromRest(focus, key.key() == Qt::Key_Tab && modifiers == Qt::NoModifier);
        return true;
    case Qt::Key_F10:
        if (modifiers != Qt::ShiftModifier)
            return false;
        openMenuFor(focus);
        return true;
    case Qt::Key_Menu:
        openMenuFor(focus);
        return true;
    case Qt::Key_Escape:
        if (editorPanel->isHidden())
            return false;
        emit editorCancelled();
        return true;
    default:
        return false;
    }
}

void MainWindow::tabFromRest(QWidget* rest, bool forward) {
    QList<QWidget*> order;
    int start = -1;
    for (const QString& name : layout::tabOrder()) {
        QWidget* control = components_.find<QWidget>(name);
        if (start < 0 && (rest == this || rest->isAncestorOf(control)))
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

bool MainWindow::keyboardMenu(QObject* watched, QContextMenuEvent* event) {
    // The desktop turns the menu key into a menu request of its own, which
    // goes the way of the keys: the handlers hear of the control first. A
    // right click, and the requests sent from here, go their own way.
    auto* control = qobject_cast<QWidget*>(watched);
    if (!event->spontaneous() || event->reason() != QContextMenuEvent::Keyboard || !control ||
        control->window() != this)
        return false;
    QWidget* focus = QApplication::focusWidget();
    handle([&] { openMenuFor(focus && focus->window() == this ? focus : this); });
    return true;
}

void MainWindow::openMenuFor(QWidget* focus) {
    const QPoint centre = focus->rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, centre, focus->mapToGlobal(centre));
    if (!(focus->focusPolicy() & Qt::TabFocus)) {
        // The keyboard at rest on the window's background: its main menu.
        backgroundMenu->popupFor(&menu);
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
