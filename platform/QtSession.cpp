// SPDX-License-Identifier: GPL-3.0-or-later
// Hearing that the program is being ended from outside: a signal, the
// session's logout, the display's loss.
#include "DesktopNotifications.h"
#include "QtPlatform.h"

#include "QuestionBox.h"
#include <sys/timerfd.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The platform that listens, for the display's loss, which Qt's
// connection to it answers with exit() from inside the event loop.
QtPlatform* listeningAtExit = nullptr;

constexpr int kEndSignals[] = {SIGTERM, SIGHUP, SIGINT};
// Carries an end signal to the event loop: a signal handler may do little
// more than write a byte.
int endSignalPipe[2] = {-1, -1};

void onEndSignal(int number) {
    const int saved = errno;
    const char byte = char(number);
    [[maybe_unused]] const ssize_t written = ::write(endSignalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

void QtPlatform::atExit() {
    QtPlatform* platform = std::exchange(listeningAtExit, nullptr);
    if (!platform)
        return;
    // What must survive first; then the alerts left on the desktop by a
    // program that has gone, which would ask for a Stop no one hears.
    if (platform->saveListener_)
        platform->saveListener_();
    if (platform->notifications_)
        platform->notifications_->withdrawAllNow(true);
}

void QtPlatform::listenForEnd(std::function<void()> save, std::function<void()> end) {
    saveListener_ = std::move(save);
    endListener_ = std::move(end);
    if (!saveListener_ && !endListener_) {
        if (listeningAtExit == this)
            listeningAtExit = nullptr;
        return;
    }
    listeningAtExit = this;
    if (!endWatch_)
        watchForEnd();
}

void QtPlatform::watchForEnd() {
    endWatch_ = new QObject;
    std::atexit(atExit);
#if QT_CONFIG(sessionmanager)
    // The session logs out: everything is written now, and the session
    // manager ends the program next.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, endWatch_, [this] {
        if (saveListener_)
            saveListener_();
    });
#endif
    watchEndSignals();
}

void QtPlatform::watchEndSignals() {
    if (::pipe2(endSignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(endSignalPipe[0], QSocketNotifier::Read, endWatch_);
    QObject::connect(notifier, &QSocketNotifier::activated, endWatch_, [this] {
        char byte;
        while (::read(endSignalPipe[0], &byte, 1) > 0) {
        }
        // A question open now would hold the end, and its save, for as
        // long as no one answers it. Later signals come here too: the save
        // the first one asked for is never skipped.
        QuestionBox::answerAllByDefault();
        if (endListener_)
            endListener_();
    });
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kEndSignals) {
        // A signal ignored at start stays ignored: "nohup quorbel" outlives
        // its terminal.
        struct sigaction before {};
        if (::sigaction(number, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
            ::sigaction(number, &action, nullptr);
    }
}

LogindPower& QtPlatform::logindPower() {
    if (!power_)
        power_ = std::make_unique<LogindPower>();
    return *power_;
}

void QtPlatform::listenForSleep(std::function<void(bool sleeping)> listener) {
    logindPower().listen(std::move(listener));
}

void QtPlatform::keepAwake(bool awake) {
    logindPower().keepAwake(awake);
}

void QtPlatform::wakeAt(qint64 wallMs, std::function<void(bool wakes)> answer) {
    if (armWakeTimer(wallMs) || (wallMs <= 0 && !daemonWake_)) {
        answer(true);
        return;
    }
    if (!daemonWake_)
        daemonWake_ = std::make_unique<PowerDaemonWake>([this] { logindPower().woke(); });
    daemonWake_->wakeAt(wallMs, std::move(answer));
}

bool QtPlatform::armWakeTimer(qint64 wallMs) {
    // A timer on the real-time alarm clock wakes a sleeping machine; the
    // kernel grants one to a program with the wake-alarm capability, which
    // newer systemd gives the local session.
    if (wakeTimer_ < 0 && !wakeRefused_ && wallMs > 0) {
        wakeTimer_ = ::timerfd_create(CLOCK_REALTIME_ALARM, TFD_CLOEXEC | TFD_NONBLOCK);
        wakeRefused_ = wakeTimer_ < 0;
    }
    if (wakeTimer_ < 0)
        return false;
    itimerspec when{};
    when.it_value.tv_sec = time_t(wallMs / 1000);
    when.it_value.tv_nsec = long(wallMs % 1000) * 1000000;
    return ::timerfd_settime(wakeTimer_, TFD_TIMER_ABSTIME, &when, nullptr) == 0;
}

void QtPlatform::listenForClockSet(std::function<void()> set) {
    clockSet_ = std::move(set);
    if (!clockSet_ || clockSetTimer_ >= 0)
        return;
    // No time service says when it steps the clock, but the kernel cancels
    // a timer on the wall clock that asked to be: a wake-up only then.
    clockSetTimer_ = ::timerfd_create(CLOCK_REALTIME, TFD_CLOEXEC | TFD_NONBLOCK);
    if (clockSetTimer_ < 0)
        return;
    armClockSetTimer();
    auto* watch = new QSocketNotifier(clockSetTimer_, QSocketNotifier::Read);
    clockSetWatch_ = watch;
    QObject::connect(watch, &QSocketNotifier::activated, watch, [this] {
        uint64_t expired = 0;
        const bool set = ::read(clockSetTimer_, &expired, sizeof expired) < 0 && errno == ECANCELED;
        armClockSetTimer();
        if (set && clockSet_)
            clockSet_();
    });
}

void QtPlatform::armClockSetTimer() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    itimerspec far{};
    far.it_value.tv_sec = now.tv_sec + 365 * 24 * 3600;
    ::timerfd_settime(clockSetTimer_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &far, nullptr);
}

void ignoreBrokenPipes() {
    std::signal(SIGPIPE, SIG_IGN);
}

void whenOutputUnread(QObject* context, std::function<void()> gone) {
    struct stat out {};
    // A pipe only: a terminal's end is also where the user types.
    if (::fstat(STDOUT_FILENO, &out) != 0 || !S_ISFIFO(out.st_mode))
        return;
    // A pipe's writing end polls readable only with an error: no reader.
    auto* notifier = new QSocketNotifier(STDOUT_FILENO, QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [notifier, gone] {
        pollfd output{STDOUT_FILENO, 0, 0};
        const bool unread = ::poll(&output, 1, 0) > 0 && (output.revents & (POLLERR | POLLHUP));
        // Whatever else woke it (a pipe opened both ways) is not waited on.
        notifier->setEnabled(false);
        if (unread)
            gone();
    });
}

} // namespace platform
