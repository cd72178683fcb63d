// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPlatform.h"
#include "DesktopNotifications.h"
#include "StartSocket.h"

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
#include <QSessionManager>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_LINUX
#include "WriteAll.h"
#include <canberra.h>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <malloc.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <time.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLibrary>
#include <QLockFile>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>

namespace platform {

#ifdef Q_OS_LINUX
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
} // namespace
#endif

void PrepareEnvironment() {
#ifdef Q_OS_LINUX
    // Each thread (fontconfig's set-up, Qt's X and D-Bus readers) would
    // otherwise get a heap of its own that is never given back, for a
    // program that does almost all its work on one thread.
    mallopt(M_ARENA_MAX, 1);
    fontconfigReady.thread = std::thread([] { FcInit(); });
    // Wayland lets no client move the pointer or keep itself on top, and both
    // are what this program is for; XWayland gives us both.
    const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
                         qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (wayland && qEnvironmentVariableIsSet("DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // A window this small is sent to the X server whole in a moment. Through
    // shared memory, every frame would wake the program again when the
    // server reports it done: twice a second more while a timer runs.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
        noSharedMemorySet = true;
    }
#endif
}

QTime QtPlatform::TimeOfDay() const {
    return QTime::currentTime();
}

qint64 QtPlatform::SinceBoot() {
#ifdef Q_OS_LINUX
    // CLOCK_BOOTTIME goes on while the machine sleeps; the monotonic clock
    // Qt's timers use does not.
    timespec now{};
    if (::clock_gettime(CLOCK_BOOTTIME, &now) == 0)
        return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
#endif
    static QElapsedTimer started;
    if (!started.isValid())
        started.start();
    return started.elapsed();
}

void QtPlatform::After(int milliseconds, QObject* context, std::function<void()> then) {
    QTimer::singleShot(milliseconds, context, std::move(then));
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
// answer; both end the box with the escape button's role in Qt. Once on
// screen it puts the pointer on one of its buttons, and again should the
// window manager move it there before the user has touched the mouse.
class QuestionBox : public QMessageBox {
public:
    QuestionBox(Icon icon, const QString& title, const QString& text, Questions::Button pointer)
        : QMessageBox(icon, title, text, Yes | No)
        , target_(button(pointer == Questions::Button::Yes ? Yes : No)) {
        // The application's face is the main window's; a question is the
        // desktop's.
        setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    }
    bool closedByWindow = false;

protected:
    void closeEvent(QCloseEvent* event) override {
        closedByWindow = clickedButton() == nullptr;
        QMessageBox::closeEvent(event);
    }
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        PlacePointer();
    }
    void moveEvent(QMoveEvent* event) override {
        QMessageBox::moveEvent(event);
        if (QCursor::pos() == placed_)
            PlacePointer();
    }

private:
    void PlacePointer() {
        placed_ = target_->mapToGlobal(target_->rect().center());
        QCursor::setPos(placed_);
    }

    QAbstractButton* target_;
    QPoint placed_{-1, -1};
};

// An open question stays above the window just shown or put on top.
void KeepQuestionAbove(QWidget* window) {
    QWidget* box = QApplication::activeModalWidget();
    if (box && box != window && box->isVisible())
        box->raise();
}

} // namespace

Questions::Answer QtPlatform::Ask(Kind kind, const QString& title, const QString& text,
                                  Button pointer) {
    QuestionBox box(kind == Kind::Warning ? QMessageBox::Warning : QMessageBox::Question, title,
                    text, pointer);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    // A window that an alert put on top never covers the question.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.adjustSize();
    box.move(Primary().center() - box.rect().center());
    box.exec();
    if (box.closedByWindow)
        return Answer::Closed;
    return box.clickedButton() == box.button(QMessageBox::Yes) ? Answer::Yes : Answer::No;
}

QtPlatform::QtPlatform()
    // applicationFilePath() reads /proc/self/exe on Linux, which already
    // names the file behind any symlink.
    : executableDir_(QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath()) {
#ifdef Q_OS_LINUX
    // The display's connection has read it by now.
    if (std::exchange(noSharedMemorySet, false))
        qunsetenv("QT_XCB_NO_MITSHM");
#endif
}

QString QtPlatform::ExecutableDir() const {
    return executableDir_;
}

QString QtPlatform::ConfigHome() const {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

#ifdef Q_OS_LINUX

bool QtPlatform::Replace(const QString& path, const QByteArray& bytes) {
    // A file is only ever written where it was meant to be, never in
    // whatever the current folder happens to be.
    if (QDir::isRelativePath(path))
        return false;
    // A link keeps pointing where it did; what it points to is replaced.
    const QFileInfo info(path);
    const QString resolved = info.isSymLink() ? info.canonicalFilePath() : QString();
    const QString file = resolved.isEmpty() ? path : resolved;
    const QByteArray target = QFile::encodeName(file);

    // The new content goes beside the file, on the same file system, so
    // that the rename below replaces it in one step.
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = target + ".new-" + QByteArray::number(qint64(::getpid())) + '-' +
                    QByteArray::number(attempt);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    struct stat old {};
    if (::stat(target.constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);

    // Every step is checked: a full disk may show only at the sync, and a
    // network file system only at the close.
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    // The folder's entry to the disk too. The file is in place whatever
    // this says, so it cannot fail the replacement.
    const QByteArray folderName = QFile::encodeName(QFileInfo(file).absolutePath());
    const int folder = ::open(folderName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

#else

bool QtPlatform::Replace(const QString& path, const QByteArray& bytes) {
    if (QDir::isRelativePath(path))
        return false;
    // Unbuffered, so a failed write shows at the write and not in a flush
    // that the commit does not check.
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
           file.write(bytes) == bytes.size() && file.commit();
}

#endif

int QtPlatform::Width(const QFont& font, const QString& text) const {
    return QFontMetrics(font).horizontalAdvance(text);
}

void QtPlatform::LoadFonts(bool bitmapFaces) {
    if (fontsLoaded_)
        return;
    fontsLoaded_ = true;
#ifdef Q_OS_LINUX
    if (fontconfigReady.thread.joinable())
        fontconfigReady.thread.join();
    // Debian's fonts-wine carries metric-faithful copies of the old Windows
    // faces, outside fontconfig's search path. In fontconfig's own
    // application set, Qt finds them with the rest when it first lists the
    // fonts. Past the first, they draw from bitmaps, which only a screen of
    // one device pixel to the pixel shows as drawn; on a finer screen Qt
    // emboldens Tahoma's own outlines, and its advances stay those of the
    // regular face, as the design's bold did.
    static const char* const kFiles[] = {"tahoma.ttf", "tahomabd.ttf", "ms_sans_serif.ttf",
                                         "small_fonts.ttf"};
    for (std::size_t i = 0; i < (bitmapFaces ? std::size(kFiles) : 1); ++i) {
        const char* file = kFiles[i];
        const std::string path = std::string("/usr/share/wine/fonts/") + file;
        FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(path.c_str()));
    }
#endif
    // The faces of the same look that a Linux desktop has.
    QFont::insertSubstitution(QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

void QtPlatform::SetStayOnTop(QWidget* window, bool onTop) {
    // setWindowFlag() would re-create and hide the native window; changing
    // the flags on the live QWindow keeps it mapped where it is.
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    window->overrideWindowFlags(flags);
    if (QWindow* handle = window->windowHandle())
        handle->setFlags(flags);
    KeepQuestionAbove(window);
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

void QtPlatform::Show(QWidget* window) {
    // showNormal(), not show(): a window minimised from the task bar counts
    // as shown, and only leaving the minimised state brings it back.
    window->showNormal();
    KeepQuestionAbove(window);
}

void QtPlatform::Raise(QWidget* window) {
    window->showNormal();
    window->raise();
    // On X11 this asks the window manager to activate the window.
    window->activateWindow();
    KeepQuestionAbove(window);
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
    trayIcon_->setContextMenu(trayMenu_);
    // Shown whatever the answer: an icon shown before the desktop had a
    // notification area docks as soon as one starts.
    trayIcon_->show();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtPlatform::Modify(const QIcon& icon, const QString& tip) {
    if (!trayIcon_)
        return;
    // Qt draws the icon again, and tells a panel, at every call: a new tip
    // alone is no new picture.
    if (icon.cacheKey() != trayIcon_->icon().cacheKey())
        trayIcon_->setIcon(icon);
    if (tip != trayIcon_->toolTip())
        trayIcon_->setToolTip(tip);
}

void QtPlatform::Delete() {
    if (trayIcon_)
        trayIcon_->hide();
}

namespace {

// The lock and the socket of one settings folder, in the user's runtime
// folder: two portable copies in different folders stay apart.
QString InstanceName(const QString& key) {
    const QByteArray hash = QCryptographicHash::hash(QFile::encodeName(QDir::cleanPath(key)),
                                                     QCryptographicHash::Sha256);
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("quorbel-") + QString::fromLatin1(hash.toHex().left(16)));
}

} // namespace

bool QtPlatform::Claim(const QString& key, const QStringList& arguments) {
    const QString name = InstanceName(key);
    const QString socketName = name + QStringLiteral(".socket");
    // A lock whose holder died is taken over: only a live copy keeps it.
    instanceLock_ = new QLockFile(name + QStringLiteral(".lock"));
    instanceLock_->setStaleLockTime(0);
    // The running copy may still be on its way to listening.
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (instanceLock_->tryLock(0)) {
            instanceServer_ = StartSocket::Listen(socketName, [this](const QString& text) {
                if (startListener_)
                    startListener_(text.split(u'\n'));
            });
            return true;
        }
        if (SendToStartSocket(socketName, arguments.join(u'\n').toUtf8()))
            return false;
        QThread::msleep(100);
    }
    // A copy that holds the lock but never answers: this one runs anyway.
    return true;
}

void QtPlatform::ListenForStarts(std::function<void(const QStringList&)> listener) {
    startListener_ = std::move(listener);
}

void QtPlatform::Notify(int key, const QString& summary, const QString& body) {
    // Made at the first alert: most runs never need the session bus.
    if (!notifications_) {
        notifications_ = new DesktopNotifications(QStringLiteral("org.quorbel.Quorbel"));
        notifications_->onStop = [this](int stopped) {
            if (stopListener_)
                stopListener_(stopped);
        };
    }
    notifications_->Notify(key, summary, body);
}

void QtPlatform::Withdraw(int key) {
    if (notifications_)
        notifications_->Withdraw(key);
}

void QtPlatform::ListenForStop(std::function<void(int key)> listener) {
    stopListener_ = std::move(listener);
}

void QtPlatform::SetMenu(QMenu* menu) {
    trayMenu_ = menu;
    if (trayIcon_)
        trayIcon_->setContextMenu(menu);
}

void QtPlatform::Listen(Listener listener) {
    trayListener_ = std::move(listener);
}

namespace {

// A program is a file with the run bit that starts as one: an ELF binary
// or a script with "#!". A text file with the run bit is a document.
QByteArray ProgramHead(const QFileInfo& file) {
    if (!file.isFile() || !file.isExecutable())
        return {};
    QFile content(file.absoluteFilePath());
    if (!content.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = content.readLine(256);
    return head.startsWith("\x7f"
                           "ELF") ||
                   head.startsWith("#!")
               ? head
               : QByteArray();
}

// The program a "#!" line runs, behind its links; through env, the
// program env looks up on PATH.
QString InterpreterOf(const QByteArray& head) {
    if (!head.startsWith("#!"))
        return {};
    const QList<QByteArray> words = head.mid(2).simplified().split(' ');
    QString program = QFile::decodeName(words.value(0));
    if (QFileInfo(program).fileName() == QLatin1String("env")) {
        for (qsizetype i = 1; i < words.size(); ++i) {
            if (!words[i].startsWith('-')) {
                program = QStandardPaths::findExecutable(QFile::decodeName(words[i]));
                break;
            }
        }
    }
    return program.isEmpty() ? QString() : QFileInfo(program).canonicalFilePath();
}

} // namespace

Launchable QtPlatform::Find(const QString& file) {
    // A name without a folder is looked up as a shell or launcher would;
    // every other is made absolute, so that nothing reaches a program as
    // an option.
    const QString path = file.contains(u'/') ? QFileInfo(file).absoluteFilePath()
                                             : QStandardPaths::findExecutable(file);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || !info.isReadable())
        return {};
    Launchable found;
    found.path = path;
    if (info.isSymLink())
        found.target = info.canonicalFilePath();
    const QByteArray head = ProgramHead(info);
    if (!head.isEmpty())
        found.interpreter = InterpreterOf(head);
    else if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return {};
    return found;
}

void QtPlatform::Open(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return;
    // Never through a shell: no file name can run a command of its own.
    if (!ProgramHead(info).isEmpty())
        QProcess::startDetached(info.absoluteFilePath(), {});
    else
        QProcess::startDetached(QStringLiteral("xdg-open"), {info.absoluteFilePath()});
}

namespace {

// The save of the platform that listens, for the display's loss, which
// Qt's connection to it answers with exit() from inside the event loop.
std::function<void()>* saveBeforeExit = nullptr;

void SaveBeforeExit() {
    if (!saveBeforeExit || !*saveBeforeExit)
        return;
    const std::function<void()> save = *saveBeforeExit;
    saveBeforeExit = nullptr;
    save();
}

} // namespace

void QtPlatform::ListenForEnd(std::function<void()> save, std::function<void()> end) {
    saveListener_ = std::move(save);
    endListener_ = std::move(end);
    if (!saveListener_ && !endListener_) {
        if (saveBeforeExit == &saveListener_)
            saveBeforeExit = nullptr;
        return;
    }
    saveBeforeExit = &saveListener_;
    if (!endWatch_)
        WatchForEnd();
}

void QtPlatform::WatchForEnd() {
    endWatch_ = new QObject;
    std::atexit(SaveBeforeExit);
#if QT_CONFIG(sessionmanager)
    // The session logs out: everything is written now, and the session
    // manager ends the program next.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, endWatch_, [this] {
        if (saveListener_)
            saveListener_();
    });
#endif
    WatchEndSignals();
}

#ifdef Q_OS_LINUX

namespace {

QByteArray ProcFile(qint64 pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The fields of /proc/PID/stat after the name, which may hold anything:
// the state first, then the parent, the group and the session.
QList<QByteArray> StatOf(qint64 pid) {
    const QByteArray stat = ProcFile(pid, "stat");
    const qsizetype close = stat.lastIndexOf(')');
    return close > 0 ? stat.mid(close + 2).split(' ') : QList<QByteArray>();
}

// A process that has ended but not been reaped still has an entry.
bool IsRunning(const QList<QByteArray>& stat) {
    return !stat.isEmpty() && stat[0] != "Z";
}

bool IsRunning(qint64 pid) {
    return IsRunning(StatOf(pid));
}

// As the system decides it for a signal: the user's real or effective id
// is the process's real or saved one, or the user is root.
bool MayEnd(qint64 pid) {
    if (::geteuid() == 0)
        return true;
    for (const QByteArray& line : ProcFile(pid, "status").split('\n')) {
        if (!line.startsWith("Uid:"))
            continue;
        const QList<QByteArray> ids = line.mid(4).simplified().split(' ');
        for (const QByteArray& id : {ids.value(0), ids.value(2)}) {
            const uint uid = id.toUInt();
            if (!id.isEmpty() && (uid == ::getuid() || uid == ::geteuid()))
                return true;
        }
    }
    return false;
}

QString ProcLink(qint64 pid, const char* name) {
    char target[4096];
    const QByteArray link = QByteArrayLiteral("/proc/") + QByteArray::number(pid) + '/' + name;
    const ssize_t length = ::readlink(link.constData(), target, sizeof target);
    if (length <= 0)
        return {};
    QByteArray path(target, length);
    // A program replaced on disk while it runs.
    if (path.endsWith(" (deleted)"))
        path.chop(10);
    return QFile::decodeName(path);
}

// An interpreter's script: the first argument after the options that names
// a file, found from the process's own folder.
QString ScriptOf(qint64 pid, const QList<QByteArray>& arguments) {
    QString folder;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i].isEmpty() || arguments[i].startsWith('-'))
            continue;
        const QString argument = QFile::decodeName(arguments[i]);
        if (!argument.startsWith(u'/') && folder.isEmpty())
            folder = ProcLink(pid, "cwd");
        const QFileInfo file(QDir(folder).filePath(argument));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

} // namespace

QList<RunningProcess> QtPlatform::Snapshot() {
    QList<qint64> pids;
    QDirIterator entries(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        bool number = false;
        const qint64 pid = entries.nextFileInfo().fileName().toLongLong(&number);
        if (number)
            pids.append(pid);
    }
    std::sort(pids.begin(), pids.end());
    QList<RunningProcess> table;
    for (qint64 pid : pids) {
        const QList<QByteArray> stat = StatOf(pid);
        if (!IsRunning(stat))
            continue;
        RunningProcess process;
        process.pid = pid;
        process.parent = stat.value(1).toLongLong();
        process.session = stat.value(3).toLongLong();
        process.mayEnd = MayEnd(pid);
        process.executable = ProcLink(pid, "exe");
        const QList<QByteArray> arguments = ProcFile(pid, "cmdline").split('\0');
        process.firstArgument = QFile::decodeName(arguments.value(0));
        process.script = ScriptOf(pid, arguments);
        table.append(process);
    }
    return table;
}

qint64 QtPlatform::Self() {
    return QCoreApplication::applicationPid();
}

void QtPlatform::Terminate(qint64 pid) {
    ::kill(pid_t(pid), SIGTERM);
}

void QtPlatform::Kill(qint64 pid) {
    if (IsRunning(pid))
        ::kill(pid_t(pid), SIGKILL);
}

namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGHUP, SIGINT};
// Carries an end signal to the event loop: a signal handler may do little
// more than write a byte.
int endSignalPipe[2] = {-1, -1};

void OnEndSignal(int number) {
    const int saved = errno;
    const char byte = char(number);
    [[maybe_unused]] const ssize_t written = ::write(endSignalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

void QtPlatform::WatchEndSignals() {
    if (::pipe2(endSignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(endSignalPipe[0], QSocketNotifier::Read, endWatch_);
    QObject::connect(notifier, &QSocketNotifier::activated, endWatch_, [this] {
        char byte;
        while (::read(endSignalPipe[0], &byte, 1) > 0) {
        }
        // A second signal ends the program at once, should this save hang.
        for (int number : kEndSignals)
            ::signal(number, SIG_DFL);
        if (endListener_)
            endListener_();
    });
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
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

// libcanberra speaks to PulseAudio (or ALSA) from a thread of its own, so a
// play returns at once; one id for all of the program's sounds lets each new
// one cut off the last. The library and the codecs it pulls in are loaded at
// the first sound, not at start-up: most runs ring late or never.
struct QtPlatform::SoundService {
    QLibrary library{QStringLiteral("canberra"), 0};
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_context_cancel) cancel = nullptr;
    decltype(&ca_context_play) play = nullptr;
    ca_context* context = nullptr;
    static constexpr uint32_t kSoundId = 1;

    SoundService() {
        create = reinterpret_cast<decltype(create)>(library.resolve("ca_context_create"));
        destroy = reinterpret_cast<decltype(destroy)>(library.resolve("ca_context_destroy"));
        cancel = reinterpret_cast<decltype(cancel)>(library.resolve("ca_context_cancel"));
        play = reinterpret_cast<decltype(play)>(library.resolve("ca_context_play"));
        if (create && destroy && cancel && play && create(&context) != CA_SUCCESS)
            context = nullptr;
    }
    ~SoundService() {
        if (context)
            destroy(context);
    }
};

QtPlatform::~QtPlatform() {
    ListenForEnd({}, {});
    delete endWatch_;
    delete instanceServer_;
    delete instanceLock_;
    delete notifications_;
    delete trayIcon_;
    delete sound_;
}

void QtPlatform::Play(const QString& path) {
    if (!sound_)
        sound_ = new SoundService;
    if (ca_context* context = sound_->context) {
        sound_->cancel(context, SoundService::kSoundId);
        // The user may replace the file at any time: never keep it cached.
        if (sound_->play(context, SoundService::kSoundId, CA_PROP_MEDIA_FILENAME,
                         QFile::encodeName(path).constData(), CA_PROP_CANBERRA_CACHE_CONTROL,
                         "never", CA_PROP_MEDIA_ROLE, "event", nullptr) == CA_SUCCESS)
            return;
        if (sound_->play(context, SoundService::kSoundId, CA_PROP_EVENT_ID, "alarm-clock-elapsed",
                         CA_PROP_MEDIA_ROLE, "event", nullptr) == CA_SUCCESS)
            return;
    }
    QApplication::beep();
}

#else

void QtPlatform::WatchEndSignals() {}

QList<RunningProcess> QtPlatform::Snapshot() {
    return {};
}

qint64 QtPlatform::Self() {
    return QCoreApplication::applicationPid();
}

void QtPlatform::Terminate(qint64) {}

void QtPlatform::Kill(qint64) {}

QtPlatform::~QtPlatform() {
    ListenForEnd({}, {});
    delete endWatch_;
    delete instanceServer_;
    delete instanceLock_;
    delete notifications_;
    delete trayIcon_;
}

void QtPlatform::Play(const QString&) {
    QApplication::beep();
}

#endif

} // namespace platform
