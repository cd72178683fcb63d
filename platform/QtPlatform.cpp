// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPlatform.h"
#include "BusService.h"
#include "DesktopNotifications.h"
#include "PortalShortcuts.h"
#include "SingleInstance.h"
#include "Translations.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QWindow>

#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fontconfig/fontconfig.h>
#include <malloc.h>
#include <string>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {
// Fontconfig reads its configuration and caches once, a few milliseconds
// that nothing on screen needs until the first text: they pass on a
// second core while Qt connects to the display.
// A start that hands over to the running copy ends before any text: the
// set-up is waited for at exit all the same.
struct FontconfigReady {
    std::thread thread;
    ~FontconfigReady() {
        if (thread.joinable())
            thread.join();
    }
} fontconfigReady;

// Set for this program's own connection to the display only: the programs
// the schedule starts get the environment the user gave it.
bool noSharedMemorySet = false;
bool windowingSystemSet = false;
// No program moves the pointer in a Wayland session, natively or through
// XWayland, whose idea of the pointer the compositor does not share.
bool waylandSession = false;
} // namespace

void prepareEnvironment() {
    // Each thread (fontconfig's set-up, Qt's X and D-Bus readers) would
    // otherwise get a heap of its own that is never given back, for a
    // program that does almost all its work on one thread.
    mallopt(M_ARENA_MAX, 1);
    fontconfigReady.thread = std::thread([] { FcInit(); });
    // Wayland lets no program keep itself on top or take the keyboard on its
    // own. GNOME's and KDE's X side still raise a window that rings and keep
    // a pinned one on top, so there the program goes through XWayland; other
    // compositors give an X program neither, so it draws natively, where a
    // ring asks the compositor for attention.
    waylandSession = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
                     qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (waylandSession && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
        const bool xRaises = desktop.contains(QLatin1String("GNOME"), Qt::CaseInsensitive) ||
                             desktop.contains(QLatin1String("KDE"), Qt::CaseInsensitive);
        if (!xRaises)
            qputenv("QT_QPA_PLATFORM", "wayland;xcb");
        else if (qEnvironmentVariableIsSet("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "xcb");
        windowingSystemSet = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    }
    // A window this small is sent to the X server whole in a moment. Through
    // shared memory, every frame would wake the program again when the
    // server reports it done: twice a second more while a timer runs.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
        noSharedMemorySet = true;
    }
}

namespace {

QtMessageHandler beforeDisplay = nullptr;
// What Qt says while it opens the display, kept until it is known whether
// there is one.
QList<std::pair<QtMsgType, QString>>* saidBeforeDisplay = nullptr;

void whileOpeningDisplay(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        // Qt gives up on the display with an abort and a core dump; this
        // is no crash but a program started where there is no desktop.
        const QString display = qEnvironmentVariable("DISPLAY");
        // Said before the translators are installed, which needs the
        // application object being made.
        const char* const none = QT_TRANSLATE_NOOP(
            "QtPlatform", "cannot open the display; set DISPLAY or run from a desktop session");
        //: %1 is the display's name, such as :0.
        const char* const named = QT_TRANSLATE_NOOP(
            "QtPlatform", "cannot open the display %1; set DISPLAY or run from a desktop session");
        const QString said = display.isEmpty() ? translateEarly("QtPlatform", none)
                                               : translateEarly("QtPlatform", named).arg(display);
        std::fprintf(stderr, "quorbel: %s\n", qPrintable(said));
        std::_Exit(1);
    }
    if (saidBeforeDisplay)
        saidBeforeDisplay->append({type, message});
}

} // namespace

DisplayCheck::DisplayCheck() {
    saidBeforeDisplay = new QList<std::pair<QtMsgType, QString>>;
    beforeDisplay = qInstallMessageHandler(whileOpeningDisplay);
}

DisplayCheck::~DisplayCheck() {
    qInstallMessageHandler(beforeDisplay);
    // The display is there: whatever Qt said on the way is said now.
    for (const auto& [type, message] : std::exchange(*saidBeforeDisplay, {}))
        qt_message_output(type, QMessageLogContext(), message);
    delete std::exchange(saidBeforeDisplay, nullptr);
}

QTime QtPlatform::timeOfDay() const {
    return QTime::currentTime();
}

qint64 QtPlatform::wallMs() const {
    return QDateTime::currentMSecsSinceEpoch();
}

QString QtPlatform::bootId() const {
    static const QString id = [] {
        QFile file(QStringLiteral("/proc/sys/kernel/random/boot_id"));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).trimmed()
                                              : QString();
    }();
    return id;
}

qint64 QtPlatform::sinceBoot() {
    // CLOCK_BOOTTIME goes on while the machine sleeps; the monotonic clock
    // Qt's timers use does not.
    timespec now{};
    if (::clock_gettime(CLOCK_BOOTTIME, &now) == 0)
        return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
    static QElapsedTimer started;
    if (!started.isValid())
        started.start();
    return started.elapsed();
}

void QtPlatform::after(int milliseconds, QObject* context, std::function<void()> then) {
    // Qt makes a wait of two seconds or more coarse, which may end it a
    // twentieth early: a snooze would ring before its moment.
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, context, std::move(then));
}

QPoint QtPlatform::pos() const {
    return QCursor::pos();
}

void QtPlatform::setPos(QPoint pos) {
    if (!waylandSession)
        QCursor::setPos(pos);
}

bool QtPlatform::leftButtonDown() const {
    return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
}

QRect QtPlatform::primary() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QRect QtPlatform::virtualDesktop() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect();
}

namespace {

// An open question stays above the window just shown or put on top.
void keepQuestionAbove(QWidget* window) {
    QWidget* box = QApplication::activeModalWidget();
    if (box && box != window && box->isVisible())
        box->raise();
}

} // namespace

QtPlatform::QtPlatform(std::unique_ptr<SingleInstance> instance)
    : executableDir_(executableFolder())
    , instance_(std::move(instance))
    , activation_(QGuiApplication::desktopFileName()) {
    // The display's connection has read them by now.
    if (std::exchange(noSharedMemorySet, false))
        qunsetenv("QT_XCB_NO_MITSHM");
    if (std::exchange(windowingSystemSet, false))
        qunsetenv("QT_QPA_PLATFORM");
    if (instance_)
        QObject::connect(instance_.get(), &SingleInstance::tokenGiven, instance_.get(),
                         [this](const QByteArray& token) { activation_.offer(token); });
}

QtPlatform::~QtPlatform() {
    // A start from now on is the running copy, whatever the end still does.
    if (instance_)
        instance_->release();
    listenForEnd({}, {});
    delete endWatch_;
    delete clockSetWatch_;
    if (clockSetTimer_ >= 0)
        ::close(clockSetTimer_);
    delete bus_;
    delete portalShortcuts_;
    if (notifications_)
        notifications_->withdrawAllNow();
    delete notifications_;
    delete trayIcon_;
    closeSound();
    for (const int handle : std::as_const(ending_))
        ::close(handle);
}

void QtPlatform::listenForStarts(std::function<void(const QStringList&, Reply)> listener) {
    if (instance_)
        instance_->listen(std::move(listener));
}

void QtPlatform::answerProbes(std::function<QByteArray()> state) {
    if (instance_)
        instance_->answerProbes(std::move(state));
}

void QtPlatform::announceChange() {
    if (instance_)
        instance_->announceChange();
}

int QtPlatform::width(const QFont& font, const QString& text) const {
    return QFontMetrics(font).horizontalAdvance(text);
}

void QtPlatform::loadFonts(bool bitmapFaces) {
    if (fontsLoaded_)
        return;
    fontsLoaded_ = true;
    if (fontconfigReady.thread.joinable())
        fontconfigReady.thread.join();
    // Debian's fonts-wine carries metric-faithful copies of the old Windows
    // faces, outside fontconfig's search path. In fontconfig's own
    // application set, Qt finds them with the rest when it first lists the
    // fonts. Past the first, they draw from bitmaps, which only a screen of
    // one device pixel to the pixel shows as drawn; on a finer screen Qt
    // emboldens Tahoma's own outlines, and its advances stay those of the
    // regular face, as the bitmap face's bold did.
    static const char* const kFiles[] = {"tahoma.ttf", "tahomabd.ttf", "ms_sans_serif.ttf",
                                         "small_fonts.ttf"};
    for (std::size_t i = 0; i < (bitmapFaces ? std::size(kFiles) : 1); ++i) {
        const char* file = kFiles[i];
        const std::string path = std::string("/usr/share/wine/fonts/") + file;
        FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(path.c_str()));
    }
    // The faces of the same look that a Linux desktop has.
    QFont::insertSubstitution(QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

namespace {

// The stay-on-top state the program wants for a window, whatever it has now.
const char* const kOnTop = "quorbelOnTop";

void applyStayOnTop(QWidget* window, bool onTop) {
    // setWindowFlag() would re-create and hide the native window; changing
    // the flags on the live QWindow keeps it mapped where it is.
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    window->overrideWindowFlags(flags);
    if (QWindow* handle = window->windowHandle())
        handle->setFlags(flags);
}

// A window mapped with the stay-on-top state keeps it for good on some
// window managers (icewm): it is mapped without, and given the state once
// it is on screen.
class OnTopOnceExposed : public QObject {
public:
    static constexpr const char* kName = "quorbelOnTopOnceExposed";
    explicit OnTopOnceExposed(QWidget* window)
        : QObject(window)
        , window_(window) {
        setObjectName(kName);
        window->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* handle = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && handle && handle->isExposed()) {
            handle->removeEventFilter(this);
            deleteLater();
            QTimer::singleShot(0, window_, [window = window_] {
                applyStayOnTop(window, window->property(kOnTop).toBool());
            });
        }
        return false;
    }

private:
    QWidget* window_;
};

// Before a hidden window is shown: mapped without the state.
bool holdBackOnTop(QWidget* window) {
    if (!window->isHidden() || !window->property(kOnTop).toBool())
        return false;
    applyStayOnTop(window, false);
    return true;
}

// Once for a window, however many ask before it is on screen.
void onTopOnceOnScreen(QWidget* window) {
    if (window->windowHandle() &&
        !window->findChild<QObject*>(QLatin1String(OnTopOnceExposed::kName),
                                     Qt::FindDirectChildrenOnly))
        new OnTopOnceExposed(window);
}

void giveBackOnTop(QWidget* window, bool heldBack) {
    if (heldBack)
        onTopOnceOnScreen(window);
}

} // namespace

void QtPlatform::setStayOnTop(QWidget* window, bool onTop) {
    window->setProperty(kOnTop, onTop);
    QWindow* handle = window->windowHandle();
    const bool waiting = onTop && window->isVisible() && handle && !handle->isExposed();
    applyStayOnTop(window, onTop && !waiting);
    if (waiting)
        onTopOnceOnScreen(window);
    keepQuestionAbove(window);
}

namespace {

// Moves a window with the mouse until the button is released, for desktops
// without a window manager to do it.
class MoveTracker : public QObject {
public:
    MoveTracker(QWidget* window)
        : QObject(window)
        , window_(window)
        , grab_(QCursor::pos() - window->pos()) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            window_->move(QCursor::pos() - grab_);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            qApp->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* window_;
    QPoint grab_;
};

// Hands the window to the window manager's move once the mouse moves with
// the button held. Handing it over at the press itself loses a quick
// click's release to the window manager, which then keeps moving the
// window until the next click.
class MoveStarter : public QObject {
public:
    MoveStarter(QWidget* window)
        : QObject(window)
        , window_(window) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove &&
            static_cast<QMouseEvent*>(event)->buttons().testFlag(Qt::LeftButton)) {
            finish();
            QWindow* handle = window_->windowHandle();
            if (!handle || !handle->startSystemMove())
                new MoveTracker(window_);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            finish();
        }
        return false;
    }

private:
    void finish() {
        qApp->removeEventFilter(this);
        deleteLater();
    }

    QWidget* window_;
};

} // namespace

void QtPlatform::show(QWidget* window) {
    const bool heldBack = holdBackOnTop(window);
    // showNormal(), not show(): a window minimised from the task bar counts
    // as shown, and only leaving the minimised state brings it back.
    window->showNormal();
    giveBackOnTop(window, heldBack);
    keepQuestionAbove(window);
}

void QtPlatform::raise(QWidget* window) {
    const bool hidden = window->isHidden();
    const bool heldBack = holdBackOnTop(window);
    window->showNormal();
    giveBackOnTop(window, heldBack);
    window->raise();
    // On X11 this asks the window manager to activate the window.
    if (WaylandActivation::native())
        activation_.activate(window->windowHandle(), hidden);
    else
        window->activateWindow();
    keepQuestionAbove(window);
}

void QtPlatform::alert(QWidget* window) {
    const bool hidden = window->isHidden();
    show(window);
    if (WaylandActivation::native())
        activation_.activate(window->windowHandle(), hidden);
}

void QtPlatform::startMove(QWidget* window) {
    new MoveStarter(window);
}

bool QtPlatform::add(const QIcon& icon, const QString& tip) {
    if (!trayIcon_) {
        trayIcon_ = new QSystemTrayIcon;
        QObject::connect(trayIcon_, &QSystemTrayIcon::activated, trayIcon_,
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             if (!trayListener_)
                                 return;
                             using M = Mouse;
                             switch (reason) {
                             case QSystemTrayIcon::Trigger:
                                 trayListener_(M::LeftDown);
                                 trayListener_(M::LeftUp);
                                 break;
                             case QSystemTrayIcon::Context:
                                 trayListener_(M::RightDown);
                                 trayListener_(M::RightUp);
                                 break;
                             case QSystemTrayIcon::DoubleClick:
                                 trayListener_(M::LeftDouble);
                                 break;
                             case QSystemTrayIcon::MiddleClick:
                                 trayListener_(M::MiddleDown);
                                 trayListener_(M::MiddleUp);
                                 break;
                             default:
                                 break;
                             }
                         });
    }
    trayIcon_->setIcon(icon);
    trayIcon_->setToolTip(tip);
    trayIcon_->setContextMenu(trayMenu_);
    // Shown whatever the answer: an icon shown before the desktop had a
    // notification area docks as soon as one starts.
    trayIcon_->show();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtPlatform::modify(const QIcon& icon, const QString& tip) {
    if (!trayIcon_)
        return;
    // Qt draws the icon again, and tells a panel, at every call: a new tip
    // alone is no new picture.
    if (icon.cacheKey() != trayIcon_->icon().cacheKey())
        trayIcon_->setIcon(icon);
    if (tip != trayIcon_->toolTip())
        trayIcon_->setToolTip(tip);
}

void QtPlatform::removeIcon() {
    if (trayIcon_)
        trayIcon_->hide();
}

void QtPlatform::notify(int key, const Notice& notice) {
    // Made at the first alert: most runs never need the session bus.
    if (!notifications_) {
        notifications_ = new DesktopNotifications(QGuiApplication::desktopFileName());
        QObject::connect(notifications_, &DesktopNotifications::actionChosen, notifications_,
                         [this](int acted, Action action) {
                             if (actionListener_)
                                 actionListener_(acted, action);
                         });
        QObject::connect(notifications_, &DesktopNotifications::tokenGiven, notifications_,
                         [this](const QByteArray& token) { activation_.offer(token); });
    }
    notifications_->notify(key, notice);
}

void QtPlatform::withdraw(int key) {
    if (notifications_)
        notifications_->withdraw(key);
}

void QtPlatform::listenForActions(std::function<void(int key, Action action)> listener) {
    actionListener_ = std::move(listener);
}

void QtPlatform::setMenu(QMenu* menu) {
    trayMenu_ = menu;
    if (trayIcon_)
        trayIcon_->setContextMenu(menu);
}

void QtPlatform::listen(Listener listener) {
    trayListener_ = std::move(listener);
}

} // namespace platform
