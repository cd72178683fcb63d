// SPDX-License-Identifier: GPL-3.0-or-later
#include "StopwatchButton.h"

namespace {

QFont restLook() {
    return windowFont(QStringLiteral("Small Fonts"), 8);
}

QFont countingLook() {
    return windowFont(QStringLiteral("MS Sans Serif"), 11, true);
}

} // namespace

StopwatchButton::StopwatchButton(Stopwatch& stopwatch, FlatButton* button, MenuItem* clear,
                                 const HandlerEntry& enter, QObject* parent)
    : QObject(parent)
    , stopwatch_(stopwatch)
    , button_(button) {
    connect(button, &FlatButton::clicked, this,
            [this, enter] { enter([this] { stopwatch_.toggle(); }); });
    connect(clear, &MenuItem::clicked, this,
            [this, enter] { enter([this] { stopwatch_.backToZero(); }); });
    connect(&stopwatch_, &Stopwatch::changed, this, [this] { guard([this] { show(); }); });
    // The stopwatch's own word at rest, in the user's language, from the start.
    show();
}

void StopwatchButton::show() {
    button_->setText(stopwatch_.text());
    const QFont look = stopwatch_.atRest() ? restLook() : countingLook();
    if (button_->font() != look)
        button_->setFont(look);
}
