#include "QtPlatform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_LINUX
#include <canberra.h>
#endif

namespace platform {

void PrepareEnvironment() {
#ifdef Q_OS_LINUX
    // Wayland lets no client move the pointer or keep itself on top, and both
    // are what this program is for; XWayland gives us both.
    const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
                         qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (wayland && qEnvironmentVariableIsSet("DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
#endif
}

void LoadDesignFonts() {
#ifdef Q_OS_LINUX
    // Debian's fonts-wine carries metric-faithful copies of the old Windows
    // faces, outside fontconfig's search path.
    static const char* const kFiles[] = {"ms_sans_serif.ttf", "small_fonts.ttf", "tahoma.ttf",
                                         "tahomabd.ttf"};
    for (const char* file : kFiles) {
        const QString path = QStringLiteral("/usr/share/wine/fonts/") + QLatin1String(file);
        if (QFileInfo::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
#endif
    // The faces of the same look that a Linux desktop has.
    QFont::insertSubstitution(QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

QTime QtPlatform::TimeOfDay() const {
    return QTime::currentTime();
}

QPoint QtPlatform::Pos() const {
    return QCursor::pos();
}

void QtPlatform::SetPos(QPoint pos) {
    QCursor::setPos(pos);
}

bool QtPlatform::LeftButtonDown() const {
    return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
}

QRect QtPlatform::Primary() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QRect QtPlatform::VirtualDesktop() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect();
}

namespace {

// A question box that tells a close by the window's title bar apart from an
// answer; both end the box with the escape button's role in Qt.
class QuestionBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool closedByWindow = false;

protected:
    void closeEvent(QCloseEvent* event) override {
        closedByWindow = clickedButton() == nullptr;
        QMessageBox::closeEvent(event);
    }
};

} // namespace

Questions::Answer QtPlatform::Ask(Kind kind, const QString& title, const QString& text) {
    QuestionBox box(kind == Kind::Warning ? QMessageBox::Warning : QMessageBox::Question, title,
                    text, QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    box.adjustSize();
    box.move(Primary().center() - box.rect().center());
    box.exec();
    if (box.closedByWindow)
        return Answer::Closed;
    return box.clickedButton() == box.button(QMessageBox::Yes) ? Answer::Yes : Answer::No;
}

QString QtPlatform::ExecutableDir() const {
    // applicationFilePath() reads /proc/self/exe on Linux, which already
    // names the file behind any symlink.
    return QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
}

int QtPlatform::Width(const QFont& font, const QString& text) const {
    return QFontMetrics(font).horizontalAdvance(text);
}

void QtPlatform::SetStayOnTop(QWidget* window, bool onTop) {
    // setWindowFlag() would re-create and hide the native window; changing
    // the flags on the live QWindow keeps it mapped where it is.
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    window->overrideWindowFlags(flags);
    if (QWindow* handle = window->windowHandle())
        handle->setFlags(flags);
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
            Finish();
            QWindow* handle = window_->windowHandle();
            if (!handle || !handle->startSystemMove())
                new MoveTracker(window_);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            Finish();
        }
        return false;
    }

private:
    void Finish() {
        qApp->removeEventFilter(this);
        deleteLater();
    }

    QWidget* window_;
};

} // namespace

void QtPlatform::Raise(QWidget* window) {
    window->show();
    window->raise();
    // On X11 this asks the window manager to activate the window.
    window->activateWindow();
}

void QtPlatform::StartMove(QWidget* window) {
    new MoveStarter(window);
}

bool QtPlatform::Add(const QIcon& icon, const QString& tip) {
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
    // Shown whatever the answer: an icon shown before the desktop had a
    // notification area docks as soon as one starts.
    trayIcon_->show();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtPlatform::Modify(const QIcon& icon, const QString& tip) {
    if (!trayIcon_)
        return;
    trayIcon_->setIcon(icon);
    trayIcon_->setToolTip(tip);
}

void QtPlatform::Delete() {
    if (trayIcon_)
        trayIcon_->hide();
}

void QtPlatform::Listen(Listener listener) {
    trayListener_ = std::move(listener);
}

#ifdef Q_OS_LINUX

// libcanberra speaks to PulseAudio (or ALSA) from a thread of its own, so a
// play returns at once; one id for all of the program's sounds lets each new
// one cut off the last.
struct QtPlatform::SoundService {
    ca_context* context = nullptr;
    static constexpr uint32_t kSoundId = 1;
};

QtPlatform::~QtPlatform() {
    delete trayIcon_;
    if (sound_) {
        if (sound_->context)
            ca_context_destroy(sound_->context);
        delete sound_;
    }
}

void QtPlatform::Play(const QString& path) {
    if (!sound_) {
        sound_ = new SoundService;
        if (ca_context_create(&sound_->context) != CA_SUCCESS)
            sound_->context = nullptr;
    }
    ca_context* context = sound_->context;
    if (context) {
        ca_context_cancel(context, SoundService::kSoundId);
        // The user may replace the file at any time: never keep it cached.
        if (ca_context_play(context, SoundService::kSoundId, CA_PROP_MEDIA_FILENAME,
                            QFile::encodeName(path).constData(), CA_PROP_CANBERRA_CACHE_CONTROL,
                            "never", CA_PROP_MEDIA_ROLE, "event", nullptr) == CA_SUCCESS)
            return;
        if (ca_context_play(context, SoundService::kSoundId, CA_PROP_EVENT_ID,
                            "alarm-clock-elapsed", CA_PROP_MEDIA_ROLE, "event",
                            nullptr) == CA_SUCCESS)
            return;
    }
    QApplication::beep();
}

#else

QtPlatform::~QtPlatform() {
    delete trayIcon_;
}

void QtPlatform::Play(const QString&) {
    QApplication::beep();
}

#endif

} // namespace platform
