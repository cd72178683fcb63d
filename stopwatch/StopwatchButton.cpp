// SPDX-License-Identifier: GPL-3.0-or-later
#include "StopwatchButton.h"

namespace {

QFont RestLook() {
    return DesignFont(QStringLiteral("Small Fonts"), 8);
}

QFont CountingLook() {
    return DesignFont(QStringLiteral("MS Sans Serif"), 11, true);
}

} // namespace

StopwatchButton::StopwatchButton(Stopwatch& stopwatch, FlatButton* button, MenuItem* clear,
                                 const HandlerEntry& enter, QObject* parent)
    : QObject(parent)
    , stopwatch_(stopwatch)
    , button_(button) {
    connect(button, &FlatButton::clicked, this,
            [this, enter] { enter([this] { stopwatch_.Toggle(); }); });
    connect(clear, &MenuItem::Click, this,
            [this, enter] { enter([this] { stopwatch_.Clear(); }); });
    connect(&stopwatch_, &Stopwatch::Changed, this, [this] { Guard([this] { Show(); }); });
}

void StopwatchButton::Show() {
    button_->setText(stopwatch_.Text());
    const QFont look = stopwatch_.AtRest() ? RestLook() : CountingLook();
    if (button_->font() != look)
        button_->setFont(look);
}
