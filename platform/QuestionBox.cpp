// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionBox.h"
#include "QtPlatform.h"

#include <QCloseEvent>
#include <QCursor>
#include <QFontDatabase>
#include <QPushButton>

namespace platform {

QuestionBox::QuestionBox(Icon icon, const QString& title, const QString& text,
                         Questions::Button pointer)
    : QMessageBox(icon, title, text, Yes | No)
    , target_(button(pointer == Questions::Button::Yes ? Yes : No)) {
    // The application's face is the main window's; a question is the
    // desktop's.
    setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
}

void QuestionBox::answerAllByDefault() {
    for (QMessageBox* box : std::as_const(open_)) {
        if (auto* question = dynamic_cast<QuestionBox*>(box))
            question->answeredByEnd = true;
        box->done(QMessageBox::Yes);
    }
}

int QuestionBox::exec() {
    open_.append(this);
    const int result = QMessageBox::exec();
    open_.removeOne(this);
    return result;
}

void QuestionBox::execNotice(QMessageBox& box) {
    open_.append(&box);
    box.exec();
    open_.removeOne(&box);
}

void QuestionBox::closeEvent(QCloseEvent* event) {
    closedByWindow = clickedButton() == nullptr;
    QMessageBox::closeEvent(event);
}

void QuestionBox::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);
    placePointer();
}

void QuestionBox::moveEvent(QMoveEvent* event) {
    QMessageBox::moveEvent(event);
    if (QCursor::pos() == placed_)
        placePointer();
}

void QuestionBox::placePointer() {
    placed_ = target_->mapToGlobal(target_->rect().center());
    QCursor::setPos(placed_);
}

Questions::Answer QtPlatform::ask(Kind kind, const QString& title, const QString& text,
                                  Button pointer) {
    QuestionBox box(kind == Kind::Warning ? QMessageBox::Warning : QMessageBox::Question, title,
                    text, pointer);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    // A window that an alert put on top never covers the question.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.adjustSize();
    box.move(primary().center() - box.rect().center());
    box.exec();
    if (box.answeredByEnd)
        return Answer::Yes;
    if (box.closedByWindow)
        return Answer::Closed;
    return box.clickedButton() == box.button(QMessageBox::Yes) ? Answer::Yes : Answer::No;
}

void QtPlatform::tell(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok);
    box.setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.adjustSize();
    box.move(primary().center() - box.rect().center());
    QuestionBox::execNotice(box);
}

} // namespace platform
