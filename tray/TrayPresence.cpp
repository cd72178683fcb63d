// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayPresence.h"

#include "core/Convert.h"
#include "widgets/Controls.h"

namespace {

const QString kProgram = QStringLiteral("Quorbel");
// The most timers the tip names.
constexpr int kTipTimers = 3;
constexpr int kLongestMenuShowMs = 20000;

} // namespace

TrayPresence::TrayPresence(const Timers& timers, QWidget& window, platform::Platform platform,
                           HandlerEntry enter, QObject* parent)
    : QObject(parent)
    , timers_(timers)
    , window_(window)
    , platform_(platform)
    , enter_(std::move(enter))
    , icon_(new TrayIcon(&window, QStringLiteral("TrayIcon1"), &platform.tray)) {
    icon_->SetInterval(450);
    for (int frame = 0; frame < 8; ++frame)
        icon_->Icons.Add(TrayPicture(QStringLiteral("frame%1").arg(frame)));
    icon_->SetHint(kProgram);
    CreateMenu();
    if (window.isVisible()) {
        icon_->SetActive(false);
        waiting_ = true;
    }
    // The still clock last: setting it puts the icon in the notification area.
    icon_->SetIcon(TrayPicture(QStringLiteral("clock")));
    connect(icon_, &TrayIcon::Click, this, [this] {
        enter_([this] {
            // Shown, even from the task bar's minimised state, and above the
            // windows that may have buried it.
            platform_.windows.Raise(&window_);
            platform_.cursor.SetPos(window_.pos() + QPoint(210, 220));
        });
    });
}

void TrayPresence::ShowAfterFirstFrame() {
    waiting_ = false;
    icon_->SetActive(true);
}

void TrayPresence::CreateMenu() {
    auto* menu = new PopupMenu(&window_, QStringLiteral("TrayMenu1"));
    icon_->SetPopupMenu(menu);
    // The entries that are always there; the running timers come between
    // the two separators.
    const auto add = [this, menu](const QString& caption, auto command) {
        QAction* entry = menu->addAction(caption);
        connect(entry, &QAction::triggered, this, [this, command] { enter_(command); });
    };
    add(QStringLiteral("Show"), [this] { platform_.windows.Raise(&window_); });
    menu->addSeparator();
    timersEnd_ = menu->addSeparator();
    add(QStringLiteral("Quit"), [this] { emit QuitAsked(); });
    // A panel that asks for the menu but never says it closed it holds
    // the entries still for a while only.
    menuShowing_.setSingleShot(true);
    menuShowing_.setInterval(kLongestMenuShowMs);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        menuOpen_ = true;
        menuShowing_.start();
        Guard([this] { Settle(); });
    });
    const auto closed = [this] {
        menuOpen_ = false;
        menuShowing_.stop();
    };
    connect(menu, &QMenu::aboutToHide, this, closed);
    connect(&menuShowing_, &QTimer::timeout, this, closed);
}

void TrayPresence::Animate(bool timersRunning) {
    if (!timersRunning)
        icon_->SetAnimated(false);
    else if (!numberShown_)
        icon_->SetAnimated(true);
}

void TrayPresence::ShowNumber(const QString& number) {
    if (number.isEmpty()) {
        icon_->LoadIcon(QStringLiteral("M7"));
        numberShown_ = false;
        return;
    }
    icon_->SetAnimated(false);
    icon_->LoadIcon(number);
    numberShown_ = true;
}

void TrayPresence::ReleaseNumber() {
    if (!numberShown_)
        return;
    for (int n = slot::FirstCountdown; n <= slot::LastCountdown; ++n) {
        if (timers_.InLastMinute(n))
            return;
    }
    // A number that counts nothing down any more would show a time that
    // does not exist.
    ShowNumber({});
}

void TrayPresence::UpdateHint() {
    // Nothing to tell a notification area that is not there; and a tip
    // renewed over an open menu may be drawn on top of it.
    if (!icon_->Shown() || menuOpen_)
        return;
    QStringList nearest;
    for (const Timers::RunningTimer& timer : timers_.RunningTimers().mid(0, kTipTimers))
        nearest << timer.label + u' ' + DurationText(timer.left);
    icon_->SetHint(nearest.isEmpty() ? kProgram : nearest.join(u'\n'));
}

void TrayPresence::Settle() {
    QMenu* menu = icon_->ContextMenu();
    const QList<Timers::RunningTimer> running = timers_.RunningTimers();
    QList<int> order;
    for (const Timers::RunningTimer& timer : running)
        order << timer.slot;
    // The entries change only while the menu is closed: a panel that shows
    // it in a process of its own (a StatusNotifierItem host) fetches them
    // once, as it opens, and a change while it shows leaves it half drawn.
    if (order != menuSlots_ && !menuOpen_) {
        for (QAction* entry : std::exchange(timerEntries_, {})) {
            menu->removeAction(entry);
            entry->deleteLater();
        }
        for (int n : order) {
            auto* entry = new QAction(menu);
            connect(entry, &QAction::triggered, this, [this, n] {
                enter_([this, n] {
                    if (timers_.IsRunning(n))
                        emit StopAsked(n);
                });
            });
            menu->insertAction(timersEnd_, entry);
            timerEntries_ << entry;
        }
        menuSlots_ = order;
    }
    // The times as they are now, each as wide as it was when the menu
    // opened: figure spaces keep a shorter time from narrowing it.
    for (qsizetype i = 0; i < timerEntries_.size(); ++i) {
        for (const Timers::RunningTimer& timer : running) {
            if (timer.slot != menuSlots_[i])
                continue;
            QString left = DurationText(timer.left);
            const qsizetype shown = timerEntries_[i]->text().size() - timer.label.size() - 1;
            if (menuOpen_ && left.size() < shown)
                left.prepend(QString(shown - left.size(), QChar(0x2007)));
            const QString text = timer.label + u' ' + left;
            if (timerEntries_[i]->text() != text)
                timerEntries_[i]->setText(text);
        }
    }
}
