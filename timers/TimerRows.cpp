// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerRows.h"

#include "core/Colors.h"
#include "models/Prefs.h"

#include <QCoreApplication>

namespace {

// A caption shorter than 13 characters is centred; a longer one starts at
// the left edge, so that its beginning shows.
int marginFor(const QString& caption) {
    return caption.size() < 13 ? -1 : 1;
}

} // namespace

TimerRows::TimerRows(Timers& timers, Controls controls, HandlerEntry enter, QObject* parent)
    : QObject(parent)
    , timers_(timers)
    , enter_(std::move(enter))
    , rows_(controls.rows)
    , slotMenu_(controls.slotMenu)
    , secondsMenu_(controls.secondsMenu)
    , popup_(controls.timeLeft) {
    timer::forEach([this](int n) { connectRow(n); });
    connect(controls.editItem, &MenuItem::clicked, this, [this] {
        enter_([this] {
            if (timer::isCountdown(pressed_))
                emit editAsked(pressed_);
        });
    });
    // "00" to "59", in their order.
    for (int seconds = 0; seconds < controls.secondsItems.size(); ++seconds) {
        connect(controls.secondsItems[seconds], &MenuItem::clicked, this,
                [this, seconds] { enter_([&] { timers_.setSeconds(pressed_, seconds); }); });
    }

    connect(&timers_, &Timers::changed, this, &TimerRows::show);
    connect(&timers_, &Timers::edited, this,
            [this](int n) { timerButton(n)->setMargin(marginFor(captionShown(n))); });
    connect(&timers_, &Timers::started, this, &TimerRows::showRunning);
    connect(&timers_, &Timers::resumed, this, &TimerRows::showRunning);
    connect(&timers_, &Timers::cleared, this, &TimerRows::showAtRest);
    connect(&timers_, &Timers::lastSecond, this, [this](int n) { panel(n)->setColor(clr::Red); });
}

void TimerRows::connectRow(int n) {
    FlatButton* button = this->timerButton(n);
    connect(button, &FlatButton::clicked, this, [this, n] { emit clicked(n); });
    if (timer::isQuick(n)) {
        connect(button, &FlatButton::mousePressed, this, [this, n](Qt::MouseButton pressed) {
            enter_([&] {
                pressed_ = n;
                if (pressed == Qt::RightButton)
                    showTimeLeft(n);
            });
        });
        return;
    }
    // A busy timer offers no menu.
    connect(button, &FlatButton::mousePressed, this, [this, n] {
        enter_([&] {
            pressed_ = n;
            slotMenu_->setAutoPopup(timers_.stateOf(n) == Timers::State::Idle);
        });
    });
    connect(box(n), &TextBox::mousePressed, this, [this, n] {
        enter_([&] {
            emit timeBoxPressed();
            pressed_ = n;
            secondsMenu_->setAutoPopup(timers_.stateOf(n) == Timers::State::Idle);
        });
    });
}

const TimerRows::RowControls& TimerRows::row(int n) const {
    if (!timer::isTimer(n))
        throw EProgramError("no timer row " + std::to_string(n));
    return rows_[std::size_t(n)];
}

TextBox* TimerRows::box(int n) const {
    if (TextBox* box = row(n).box)
        return box;
    throw EProgramError("no time box in row " + std::to_string(n));
}

QString TimerRows::captionShown(int n) const {
    // The same word the window's rows show before the first load.
    const QString caption = timers_.caption(n);
    return caption == kPlaceholderMessage ? QCoreApplication::translate("MainWindow", "Message")
                                          : caption;
}

void TimerRows::show(int n) {
    if (timer::isCountdown(n))
        box(n)->setText(timers_.timeText(n));
    timerButton(n)->setText(captionShown(n));
}

void TimerRows::showRunning(int n) {
    if (timer::isCountdown(n)) {
        box(n)->setColor(clr::Red);
        return;
    }
    timerButton(n)->setFontColor(clr::White);
    panel(n)->setColor(clr::Red);
}

void TimerRows::showAtRest(int n) {
    timerButton(n)->setFontColor(clr::Navy);
    panel(n)->setColor(clr::Background);
    if (timer::isCountdown(n))
        box(n)->setColor(clr::Blue);
}

void TimerRows::paint(int n, int background, int font) {
    panel(n)->setColor(background);
    if (timer::isCountdown(n))
        box(n)->setColor(background);
    timerButton(n)->setFontColor(font);
}

void TimerRows::showTimeLeft(int n) {
    const int left = timers_.secondsLeft(n);
    const int minutes = left / 60;
    popup_->setCaption(QStringLiteral("%1:%2").arg(minutes).arg(left - 60 * minutes));
    const BevelPanel* frame = panel(n);
    popup_->move(frame->x() - 3, frame->y() - frame->height() + 5);
    popup_->show();
    popup_->raise();
}

void TimerRows::agePopup() {
    if (!popupAged_ && !popup_->isHidden()) {
        popupAged_ = true;
    } else {
        popup_->hide();
        popupAged_ = false;
    }
}

void TimerRows::hidePopup() {
    popup_->hide();
}
