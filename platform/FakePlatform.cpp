#include "FakePlatform.h"

#include <QFileInfo>

namespace platform {

void FakePlatform::SetPos(QPoint pos) {
    pointer = pos;
    pointerMoves.append(pos);
}

Questions::Answer FakePlatform::Ask(Kind kind, const QString& title, const QString& text) {
    asked.append({kind, title, text});
    if (whileAsking)
        whileAsking();
    return answers.isEmpty() ? Answer::Closed : answers.takeFirst();
}

void FakePlatform::SetStayOnTop(QWidget*, bool top) {
    onTop = top;
    ++onTopChanges;
}

void FakePlatform::StartMove(QWidget*) {
    ++moves;
}

void FakePlatform::Play(const QString& path) {
    played.append(QFileInfo(path).fileName());
}

} // namespace platform
