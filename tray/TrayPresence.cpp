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
    icon_->setFrameInterval(450);
    for (int frame = 0; frame < 8; ++frame)
        icon_->icons().add(trayPicture(QStringLiteral("frame%1").arg(frame)));
    icon_->setHint(kProgram);
    createMenu();
    if (window.isVisible()) {
        icon_->setActive(false);
        waiting_ = true;
    }
    // The still clock last: setting it puts the icon in the notification area.
    icon_->setStillPicture(trayPicture(QStringLiteral("clock")));
    connect(icon_, &TrayIcon::clicked, this, [this] {
        enter_([this] {
            // Shown, even from the task bar's minimised state, and above the
            // windows that may have buried it.
            platform_.windows.raise(&window_);
            platform_.cursor.setPos(window_.pos() + QPoint(210, 220));
        });
    });
}

QString TrayPresence::timerLine(const QString& label, const QString& left) {
    //: A running timer in the tray's tip and menu: %1 names it, %2 is the time left (0:25:00)
    return tr("%1 %2").arg(label, left);
}

void TrayPresence::showAfterFirstFrame() {
    waiting_ = false;
    icon_->setActive(true);
}

void TrayPresence::createMenu() {
    auto* menu = new PopupMenu(&window_, QStringLiteral("TrayMenu1"));
    icon_->setPopupMenu(menu);
    // The entries that are always there; the running timers come between
    // the two separators.
    const auto add = [this, menu](const QString& caption, auto command) {
        QAction* entry = menu->addAction(caption);
        connect(entry, &QAction::triggered, this, [this, command] { enter_(command); });
    };
    //: Tray menu entry: brings the window back
    add(tr("Show"), [this] { platform_.windows.raise(&window_); });
    menu->addSeparator();
    timersEnd_ = menu->addSeparator();
    //: Tray menu entry
    add(tr("Quit"), [this] { emit quitAsked(); });
    // A panel that asks for the menu but never says it closed it holds
    // the entries still for a while only.
    menuShowing_.setSingleShot(true);
    menuShowing_.setInterval(kLongestMenuShowMs);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        menuOpen_ = true;
        menuShowing_.start();
        guard([this] { settle(); });
    });
    const auto closed = [this] {
        menuOpen_ = false;
        menuShowing_.stop();
    };
    connect(menu, &QMenu::aboutToHide, this, closed);
    connect(&menuShowing_, &QTimer::timeout, this, closed);
}

void TrayPresence::animate(bool timersRunning) {
    if (!timersRunning)
        icon_->setAnimated(false);
    else if (!numberShown_)
        icon_->setAnimated(true);
}

void TrayPresence::showNumber(const QString& number) {
    if (number.isEmpty()) {
        icon_->loadIcon(QStringLiteral("M7"));
        numberShown_ = false;
        return;
    }
    icon_->setAnimated(false);
    icon_->loadIcon(number);
    numberShown_ = true;
}

void TrayPresence::releaseNumber() {
    if (!numberShown_)
        return;
    for (int n = timer::FirstCountdown; n <= timer::LastCountdown; ++n) {
        if (timers_.inLastMinute(n))
            return;
    }
    // A number that counts nothing down any more would show a time that
    // does not exist.
    showNumber({});
}

void TrayPresence::updateHint() {
    // Nothing to tell a notification area that is not there; and a tip
    // renewed over an open menu may be drawn on top of it.
    if (!icon_->isShown() || menuOpen_)
        return;
    QStringList nearest;
    for (const Timers::RunningTimer& timer : timers_.runningTimers().mid(0, kTipTimers))
        nearest << timerLine(timer.label, durationText(timer.left));
    icon_->setHint(nearest.isEmpty() ? kProgram : nearest.join(u'\n'));
}

void TrayPresence::settle() {
    QMenu* menu = icon_->contextMenu();
    const QList<Timers::RunningTimer> running = timers_.runningTimers();
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
                    if (timers_.isRunning(n))
                        emit stopAsked(n);
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
            QString left = durationText(timer.left);
            const qsizetype shown =
                timerEntries_[i]->text().size() - timerLine(timer.label, {}).size();
            if (menuOpen_ && left.size() < shown)
                left.prepend(QString(shown - left.size(), QChar(0x2007)));
            const QString text = timerLine(timer.label, left);
            if (timerEntries_[i]->text() != text)
                timerEntries_[i]->setText(text);
        }
    }
}
