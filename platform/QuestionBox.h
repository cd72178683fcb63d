// SPDX-License-Identifier: GPL-3.0-or-later
// The program's questions, as the desktop's message boxes.
#pragma once

#include "Platform.h"

#include <QList>
#include <QMessageBox>

namespace platform {

// A question box that tells a close by the window's title bar apart from an
// answer; both end the box with the escape button's role in Qt. Once on
// screen it puts the pointer on one of its buttons, and again should the
// window manager move it there before the user has touched the mouse.
class QuestionBox : public QMessageBox {
public:
    QuestionBox(Icon icon, const QString& title, const QString& text, Questions::Button pointer);
    bool closedByWindow = false;
    // Answered for the user, by a request from the system to end.
    bool answeredByEnd = false;

    // Every question still open gets its default answer, and every notice
    // goes: the program is ending, and nothing on screen may hold it.
    static void answerAllByDefault();
    int exec() override;
    // A notice's box, shown until read or until the program ends.
    static void execNotice(QMessageBox& box);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void placePointer();

    QAbstractButton* target_;
    QPoint placed_{-1, -1};
    static inline QList<QMessageBox*> open_;
};

} // namespace platform
