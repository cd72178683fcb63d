// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerRows.h"

#include "core/Colors.h"

namespace {

// A caption shorter than 13 characters is centred; a longer one starts at
// the left edge, so that its beginning shows.
int MarginFor(const QString& caption) {
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
    slot::ForEachSlot([this](int n) { Connect(n); });
    connect(controls.editItem, &MenuItem::Click, this, [this] {
        enter_([this] {
            if (slot::IsCountdown(pressed_))
                emit EditAsked(pressed_);
        });
    });
    for (MenuItem* item : controls.secondsItems) {
        const QString digits = item->text();
        connect(item, &MenuItem::Click, this,
                [this, digits] { enter_([&] { timers_.SetSeconds(pressed_, digits); }); });
    }

    connect(&timers_, &Timers::Changed, this, &TimerRows::Show);
    connect(&timers_, &Timers::Edited, this,
            [this](int n) { Button(n)->SetMargin(MarginFor(timers_.Caption(n))); });
    connect(&timers_, &Timers::Started, this, &TimerRows::ShowRunning);
    connect(&timers_, &Timers::Resumed, this, &TimerRows::ShowRunning);
    connect(&timers_, &Timers::Cleared, this, &TimerRows::ShowAtRest);
    connect(&timers_, &Timers::LastSecond, this, [this](int n) { Panel(n)->SetColor(clr::Red); });
}

void TimerRows::Connect(int n) {
    FlatButton* button = Button(n);
    connect(button, &FlatButton::clicked, this, [this, n] { emit Clicked(n); });
    if (slot::IsQuick(n)) {
        connect(button, &FlatButton::MouseDown, this, [this, n](Qt::MouseButton pressed) {
            enter_([&] {
                pressed_ = n;
                if (pressed == Qt::RightButton)
                    ShowTimeLeft(n);
            });
        });
        return;
    }
    // A busy timer offers no menu.
    connect(button, &FlatButton::MouseDown, this, [this, n] {
        enter_([&] {
            pressed_ = n;
            slotMenu_->SetAutoPopup(timers_.StateOf(n) == Timers::State::Idle);
        });
    });
    connect(Box(n), &TextBox::MouseDown, this, [this, n] {
        enter_([&] {
            emit TimeBoxPressed();
            pressed_ = n;
            secondsMenu_->SetAutoPopup(timers_.StateOf(n) == Timers::State::Idle);
        });
    });
}

const TimerRows::RowControls& TimerRows::Row(int n) const {
    if (!slot::IsSlot(n))
        throw EProgramError("no timer row " + std::to_string(n));
    return rows_[std::size_t(n)];
}

TextBox* TimerRows::Box(int n) const {
    if (TextBox* box = Row(n).box)
        return box;
    throw EProgramError("no time box in row " + std::to_string(n));
}

void TimerRows::Show(int n) {
    if (slot::IsCountdown(n))
        Box(n)->setText(timers_.TimeText(n));
    Button(n)->setText(timers_.Caption(n));
}

void TimerRows::ShowRunning(int n) {
    if (slot::IsCountdown(n)) {
        Box(n)->SetColor(clr::Red);
        return;
    }
    Button(n)->SetFontColor(clr::White);
    Panel(n)->SetColor(clr::Red);
}

void TimerRows::ShowAtRest(int n) {
    Button(n)->SetFontColor(clr::Navy);
    Panel(n)->SetColor(clr::Background);
    if (slot::IsCountdown(n))
        Box(n)->SetColor(clr::Blue);
}

void TimerRows::Paint(int n, int background, int font) {
    Panel(n)->SetColor(background);
    if (slot::IsCountdown(n))
        Box(n)->SetColor(background);
    Button(n)->SetFontColor(font);
}

void TimerRows::ShowTimeLeft(int n) {
    const int left = timers_.SecondsLeft(n);
    const int minutes = left / 60;
    popup_->SetCaption(QStringLiteral("%1:%2").arg(minutes).arg(left - 60 * minutes));
    const BevelPanel* frame = Panel(n);
    popup_->move(frame->x() - 3, frame->y() - frame->height() + 5);
    popup_->show();
    popup_->raise();
}

void TimerRows::AgePopup() {
    if (!popupAged_ && !popup_->isHidden()) {
        popupAged_ = true;
    } else {
        popup_->hide();
        popupAged_ = false;
    }
}

void TimerRows::HidePopup() {
    popup_->hide();
}
