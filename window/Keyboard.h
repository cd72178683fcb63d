// SPDX-License-Identifier: GPL-3.0-or-later
// The window from the keyboard: Tab in reading order, the menu key and
// Shift+F10 for a control's own menu, Escape out of the message editor, and
// a keyboard that stays where Tab left it. A mouse press hands the window
// back to the mouse, which then finds everything as it always was.
#pragma once

class Components;
class PopupMenu;
class QContextMenuEvent;
class QKeyEvent;
class QObject;
class QWidget;

class Keyboard {
public:
    // What a key did: nothing of the window's, the window's own, or Escape
    // in the open message editor.
    enum class Key { Passed, Taken, LeavesEditor };

    Keyboard(QWidget& window, const Components& controls, const QWidget& editorPanel,
             PopupMenu& backgroundMenu);

    void applyTabOrder() const;
    // Whether Tab moved the keyboard since the last mouse press.
    bool keyboardMode() const;
    void leaveKeyboardMode(QObject* pressed);
    // Whether the keyboard stays on that control rather than going back to
    // its resting place.
    bool keepsKeyboard(const QWidget* focus) const;
    // Gives a control back the keyboard it had.
    void returnKeyboardTo(QWidget* control) const;
    Key keyboardKey(QWidget* focus, const QKeyEvent& key);
    // The desktop turns the menu key into a menu request of its own: the
    // control whose menu it asks for, or none where the request is a right
    // click's or one sent from here.
    QWidget* keyboardMenuFor(QObject* watched, const QContextMenuEvent& event) const;
    void openMenuFor(QWidget* focus);

private:
    void tabFromRest(QWidget* rest, bool forward);

    QWidget& window_;
    const Components& controls_;
    const QWidget& editorPanel_;
    PopupMenu& backgroundMenu_;
};
