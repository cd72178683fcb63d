// SPDX-License-Identifier: GPL-3.0-or-later
// The real desktop behind the platform interfaces, on Qt's offscreen screen.
#include "platform/InstanceWire.h"
#include "platform/QtPlatform.h"
#include "platform/QuestionBox.h"
#include "platform/SingleInstance.h"
#include "widgets/Controls.h"

#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cerrno>
#include <functional>
#include <future>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

using Answer = platform::Questions::Answer;
using Outcome = platform::SingleInstance::Outcome;

namespace {

// The user root stages as a second one.
constexpr uid_t kOtherUser = 65534;

// Acts as the other user while it lives, where the test runs as root.
class AsUser {
public:
    explicit AsUser(bool other)
        : other_(other && ::geteuid() == 0) {
        if (other_ && (::setegid(kOtherUser) != 0 || ::seteuid(kOtherUser) != 0))
            qFatal("cannot act as another user");
    }
    ~AsUser() {
        if (other_ && (::seteuid(0) != 0 || ::setegid(0) != 0))
            qFatal("cannot act as root again");
    }
    AsUser(const AsUser&) = delete;
    AsUser& operator=(const AsUser&) = delete;

private:
    bool other_;
};

// NFS without its lock service.
int refuseLocks(int) {
    return ENOLCK;
}

} // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT
private slots:
    // As the main window does before it builds its controls.
    void initTestCase() { desktop.loadFonts(true); }
    void questionAnswers_data();
    void questionAnswers();
    void questionLook();
    void stayOnTopKeepsWindowInPlace();
    void executableDir();
    void filesChangeOnlyWhereMeant();
    void findsFilesAsALauncher_data();
    void findsFilesAsALauncher();
    void bitmapFaceNames_data();
    void bitmapFaceNames();
    void boldOfBitmapFace_data();
    void boldOfBitmapFace();
    void laterStartsAreHeard();
    void oneCopyPerFolder_data();
    void oneCopyPerFolder();
    void probesAndWatchers();
    void autostartEntryQuoting_data();
    void autostartEntryQuoting();
    void autostartTick_data();
    void autostartTick();

private:
    platform::QtPlatform desktop{nullptr};
};

void QtPlatformTest::questionAnswers_data() {
    QTest::addColumn<int>("how");
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter takes the default") << 0 << int(Answer::Yes);
    QTest::newRow("Escape") << 1 << int(Answer::No);
    QTest::newRow("window closed") << 2 << int(Answer::Closed);
    QTest::newRow("a click where the pointer was put") << 3 << int(Answer::Yes);
    QTest::newRow("the program ended meanwhile") << 4 << int(Answer::Yes);
    // A notice: it returns once read, or once the program ends.
    QTest::newRow("a notice read") << 5 << -1;
    QTest::newRow("a notice as the program ends") << 6 << -1;
}

void QtPlatformTest::questionAnswers() {
    QFETCH(int, how);
    QFETCH(int, answer);
    QTimer::singleShot(50, this, [how] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        if (how == 0) {
            QTest::keyClick(box, Qt::Key_Return);
        } else if (how == 1) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (how == 2) {
            box->close();
        } else if (how == 4 || how == 6) {
            platform::QuestionBox::answerAllByDefault();
        } else if (how == 5) {
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            QWidget* under = QApplication::widgetAt(QCursor::pos());
            QVERIFY(under);
            QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFromGlobal(QCursor::pos()));
        }
    });
    if (answer < 0) {
        desktop.tell(QStringLiteral("Quorbel"),
                     QStringLiteral("The settings file could not be read"));
        QVERIFY(!QApplication::activeModalWidget());
        return;
    }
    const Answer given = desktop.ask(platform::Questions::Kind::Warning, QStringLiteral("Warning"),
                                     QStringLiteral("Timer still in progress. Quit anyway?"),
                                     platform::Questions::Button::Yes);
    QCOMPARE(int(given), answer);
}

void QtPlatformTest::questionLook() {
    QRect shown;
    QString title;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool onTop = false;
    bool pointerOnNo = false;
    QTimer::singleShot(50, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = box->frameGeometry();
        title = box->windowTitle();
        icon = box->icon();
        onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        QAbstractButton* no = box->button(QMessageBox::No);
        pointerOnNo = QCursor::pos() == no->mapToGlobal(no->rect().center());
        for (QAbstractButton* button : box->buttons())
            buttons << button->text().remove(u'&');
        box->defaultButton()->click();
    });
    QCOMPARE(desktop.ask(platform::Questions::Kind::Confirmation, QStringLiteral("Confirm"),
                         QStringLiteral("Alarm time changed, save new time?"),
                         platform::Questions::Button::No),
             Answer::Yes);
    QVERIFY(onTop);
    QVERIFY(pointerOnNo);
    QCOMPARE(title, QStringLiteral("Confirm"));
    QCOMPARE(icon, QMessageBox::Question);
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"No", "Yes"}));
    const QPoint offset = shown.center() - desktop.primary().center();
    // Within a few pixels: the box settles its size once it is shown.
    QVERIFY2(qAbs(offset.x()) <= 3 && qAbs(offset.y()) <= 3,
             qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
}

void QtPlatformTest::stayOnTopKeepsWindowInPlace() {
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(100, 120, 298, 239);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const WId id = window.winId();

    desktop.setStayOnTop(&window, true);
    QVERIFY(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(window.isVisible());
    QCOMPARE(window.winId(), id);
    QCOMPARE(window.pos(), QPoint(100, 120));

    desktop.setStayOnTop(&window, false);
    QVERIFY(!window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(window.isVisible());
    QCOMPARE(window.winId(), id);
}

void QtPlatformTest::executableDir() {
    QCOMPARE(desktop.executableDir(),
             QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath());
    QVERIFY(
        QFileInfo(desktop.executableDir() + QStringLiteral("/test_qt_platform")).isExecutable());
    // A relative settings home is no settings home; the user's own is.
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    const QByteArray home = qgetenv("HOME");
    qputenv("XDG_CONFIG_HOME", "relative/config");
    qputenv("HOME", "/home/someone");
    QCOMPARE(desktop.configHome(), QStringLiteral("/home/someone/.config"));
    qputenv("HOME", "somewhere");
    QVERIFY(QDir::isAbsolutePath(desktop.configHome()));
    qputenv("XDG_CONFIG_HOME", config);
    qputenv("HOME", home);
}

void QtPlatformTest::filesChangeOnlyWhereMeant() {
    QTemporaryDir root;
    const QDir folder(root.path());
    const QString path = folder.filePath(QStringLiteral("prefs.qbx"));
    const auto make = [&](const QString& name, const QByteArray& content) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    };
    // What a save killed on its way left, named for a process gone, goes;
    // the user's own files with like names stay.
    make(QStringLiteral(".prefs.qbx.quorbel-save-999999999-0"), "part");
    const QStringList users = {"prefs.qbx.new-2024-05", "prefs.qbx.new-2024-05-01",
                               "prefs.qbx.new-999999999-0",
                               ".prefs.qbx.quorbel-save-999999999-0.mine"};
    for (const QString& name : users)
        make(name, "mine");
    QVERIFY(desktop.replace(path, "old"));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    QVERIFY(desktop.replace(path, "new"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("new"));
    // The file's own permissions carry over to its new content.
    QVERIFY(file.permissions().testFlag(QFile::ReadGroup));
    QVERIFY(!file.permissions().testFlag(QFile::ReadOther));
    // Nowhere but where meant: not a folder that has gone, not the current one.
    const QString current = QDir::currentPath();
    QDir::setCurrent(root.path());
    QVERIFY(!desktop.replace(folder.filePath(QStringLiteral("gone/prefs.qbx")), "x"));
    QVERIFY(!desktop.replace(QStringLiteral("other.qbx"), "x"));
    QDir::setCurrent(current);

    // A new name takes the place of nothing: not a file, not a folder.
    const QString journal = folder.filePath(QStringLiteral("journal.qbx"));
    make(QStringLiteral("journal.qbx"), "unreadable");
    make(QStringLiteral("journal.qbx.foreign"), "mine");
    QVERIFY(folder.mkdir(QStringLiteral("journal.qbx.foreign.1")));
    QVERIFY(!desktop.rename(journal, journal + QStringLiteral(".foreign")));
    QVERIFY(folder.mkdir(QStringLiteral("empty")));
    QVERIFY(!desktop.rename(folder.filePath(QStringLiteral("empty")),
                            journal + QStringLiteral(".foreign.1")));
    QVERIFY(desktop.rename(journal, journal + QStringLiteral(".foreign.2")));
    QStringList expected =
        users + QStringList{"empty", "journal.qbx.foreign", "journal.qbx.foreign.1",
                            "journal.qbx.foreign.2", "prefs.qbx"};
    expected.sort();
    QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
             expected);
    for (const QString& name : users + QStringList{"journal.qbx.foreign"}) {
        QFile kept(folder.filePath(name));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("mine"));
    }
}

void QtPlatformTest::findsFilesAsALauncher_data() {
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("interpreter");
    const QString sh = QFileInfo(QStringLiteral("/bin/sh")).canonicalFilePath();
    QTest::newRow("a bare name, on the second folder of PATH") << "backup"
                                                               << "second/backup"
                                                               << "" << sh;
    QTest::newRow("a bare name only in the current folder") << "local"
                                                            << ""
                                                            << ""
                                                            << "";
    QTest::newRow("a path") << "second/backup"
                            << "second/backup"
                            << "" << sh;
    QTest::newRow("through env") << "first/viaenv"
                                 << "first/viaenv"
                                 << "" << sh;
    QTest::newRow("a link") << "first/foo"
                            << "first/foo"
                            << "lib/foo-bin" << sh;
    QTest::newRow("a document") << "./notes.txt"
                                << "notes.txt"
                                << ""
                                << "";
    QTest::newRow("a missing file") << "first/gone"
                                    << ""
                                    << ""
                                    << "";
    QTest::newRow("a script whose interpreter is missing") << "first/broken"
                                                           << ""
                                                           << ""
                                                           << "";
    QTest::newRow("a name ending in a blank") << "second/backup "
                                              << ""
                                              << ""
                                              << "";
}

void QtPlatformTest::findsFilesAsALauncher() {
    QFETCH(QString, record);
    QFETCH(QString, path);
    QFETCH(QString, target);
    QFETCH(QString, interpreter);
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        QSKIP("xdg-utils is not installed");
    QTemporaryDir root;
    const QDir folder(root.path());
    const auto make = [&](const QString& name, const QByteArray& content) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.setPermissions(file.permissions() | QFile::ExeOwner);
    };
    for (const char* sub : {"first", "second", "lib"})
        folder.mkdir(QLatin1String(sub));
    make(QStringLiteral("second/backup"), "#!/bin/sh -e\nexit 0\n");
    make(QStringLiteral("local"), "#!/bin/sh\n");
    make(QStringLiteral("first/viaenv"), "#!/usr/bin/env -S sh\n");
    make(QStringLiteral("lib/foo-bin"), "#!/bin/sh\n");
    make(QStringLiteral("first/broken"), "#!/nonexistent/interpreter\n");
    QFile::link(folder.filePath(QStringLiteral("lib/foo-bin")),
                folder.filePath(QStringLiteral("first/foo")));
    for (const char* document : {"notes.txt", "-doc"}) {
        QFile file(folder.filePath(QLatin1String(document)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    const QByteArray path0 = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(folder.filePath(QStringLiteral("first")) + u':' +
                                      folder.filePath(QStringLiteral("second")) + u':') +
                        path0);
    const QString current = QDir::currentPath();
    QDir::setCurrent(root.path());
    const platform::Launchable found = desktop.find(record);
    QDir::setCurrent(current);
    qputenv("PATH", path0);

    const auto absolute = [&](const QString& name) {
        return name.isEmpty() ? QString() : QFileInfo(folder.filePath(name)).absoluteFilePath();
    };
    QCOMPARE(found.path, absolute(path));
    QCOMPARE(found.target,
             target.isEmpty() ? QString() : QFileInfo(absolute(target)).canonicalFilePath());
    QCOMPARE(found.interpreter, interpreter);
}

void QtPlatformTest::bitmapFaceNames_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("shown");
    QTest::newRow("MS Sans Serif") << "MS Sans Serif" << false << "MS Sans Serif";
    QTest::newRow("Small Fonts") << "Small Fonts" << false << "Small Fonts";
    QTest::newRow("Tahoma bold") << "Tahoma" << true << "Tahoma";
    QTest::newRow("Microsoft Sans Serif") << "Microsoft Sans Serif" << false << "Tahoma";
    QTest::newRow("Arial") << "Arial" << false << "Liberation Sans";
    QTest::newRow("Verdana") << "Verdana" << false << "DejaVu Sans";
}

void QtPlatformTest::bitmapFaceNames() {
    QFETCH(QString, face);
    QFETCH(bool, bold);
    QFETCH(QString, shown);
    if (!QFileInfo::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
        QSKIP("fonts-wine is not installed");
    if (shown.startsWith(QLatin1String("Liberation")) ||
        shown.startsWith(QLatin1String("DejaVu"))) {
        if (!QFontDatabase::hasFamily(shown))
            QSKIP("the desktop lacks the face");
    }
    QFont font(face);
    font.setPixelSize(11);
    font.setBold(bold);
    QCOMPARE(QFontInfo(font).family(), shown);
    QCOMPARE(QFontInfo(font).bold(), bold);
}

namespace {

// The most common width of the runs of ink along the rows of a picture.
int strokeWidth(const QImage& picture) {
    QMap<int, int> runs;
    for (int y = 0; y < picture.height(); ++y) {
        int run = 0;
        for (int x = 0; x <= picture.width(); ++x) {
            if (x < picture.width() && qGray(picture.pixel(x, y)) < 100) {
                ++run;
            } else if (run > 0) {
                ++runs[run];
                run = 0;
            }
        }
    }
    int common = 0;
    for (auto it = runs.begin(); it != runs.end(); ++it) {
        if (it.value() > runs.value(common))
            common = it.key();
    }
    return common;
}

// How many runs of inked columns a picture has: its letters, where no two
// touch.
int inkedColumnRuns(const QImage& picture) {
    int runs = 0;
    bool before = false;
    for (int x = 0; x < picture.width(); ++x) {
        bool inked = false;
        for (int y = 0; y < picture.height() && !inked; ++y)
            inked = qGray(picture.pixel(x, y)) < 100;
        runs += inked && !before;
        before = inked;
    }
    return runs;
}

} // namespace

void QtPlatformTest::boldOfBitmapFace_data() {
    QTest::addColumn<bool>("button");
    QTest::newRow("the title") << false;
    QTest::newRow("the running stopwatch") << true;
}

void QtPlatformTest::boldOfBitmapFace() {
    QFETCH(bool, button);
    if (!QFileInfo::exists(QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf")))
        QSKIP("fonts-wine is not installed");
    const auto draw = [button](bool bold) {
        const QFont face = windowFont(QStringLiteral("MS Sans Serif"), 11, bold);
        if (button) {
            FlatButton control(nullptr, QStringLiteral("SpeedButton35"), QRect(0, 0, 39, 16),
                               QStringLiteral("10:48"));
            control.setFont(face);
            return control.grab().toImage();
        }
        CaptionLabel control(nullptr, QStringLiteral("Label2"), QRect(0, 0, 59, 13),
                             QStringLiteral("Quorbel"));
        control.setFont(face);
        control.setFontColor(0x800000);
        return control.grab().toImage();
    };
    QCOMPARE(strokeWidth(draw(false)), 1);
    QCOMPARE(strokeWidth(draw(true)), 2);
    // Bold keeps the gaps between the letters.
    QCOMPARE(inkedColumnRuns(draw(true)), inkedColumnRuns(draw(false)));
}

namespace {

const QString kGenerator =
    QStringLiteral("/usr/lib/systemd/user-generators/systemd-xdg-autostart-generator");

// A program that writes down how it was started: its path and its
// arguments, a line each, in the file $HEARD names.
const QByteArray kTellingProgram =
    "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"$HEARD.part\" && mv \"$HEARD.part\" \"$HEARD\"\n";

void runTool(QProcess& tool, const QString& program, const QStringList& arguments,
             const QProcessEnvironment& environment) {
    tool.setProcessEnvironment(environment);
    tool.start(program, arguments);
    tool.waitForFinished();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

// What GLib's launcher starts from the entry, as the program heard it.
QStringList glibStarts(const QString& entry, QProcessEnvironment environment,
                       const QString& heard) {
    environment.insert(QStringLiteral("HEARD"), heard);
    QProcess launch;
    runTool(launch, QStringLiteral("gio"), {QStringLiteral("launch"), entry}, environment);
    // gio leaves the program to run by itself.
    QFile told(heard);
    for (int wait = 0; wait < 250 && !told.exists(); ++wait)
        QTest::qWait(20);
    if (!told.open(QIODevice::ReadOnly))
        return {QStringLiteral("nothing started: ") + launch.readAllStandardError()};
    return QString::fromUtf8(told.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// What systemd-analyze says of a unit file.
QString verified(const QString& unit, const QProcessEnvironment& environment) {
    QProcess verify;
    runTool(verify, QStringLiteral("systemd-analyze"),
            {QStringLiteral("verify"), QStringLiteral("--user"), QStringLiteral("--man=no"), unit},
            environment);
    return QString::fromUtf8(verify.readAllStandardOutput() + verify.readAllStandardError());
}

// The program and arguments of the unit systemd's autostart generator makes
// of the entries in $XDG_CONFIG_HOME/autostart, as systemd itself reads
// them: systemd-analyze finds nothing wrong with the unit, and names the
// program of one whose program is missing.
QString systemdStarts(const QString& root, const QString& program,
                      const QProcessEnvironment& environment) {
    QProcess generate;
    const QString units = root + QStringLiteral("/units");
    runTool(generate, kGenerator, {units, units, units}, environment);
    const QString unit = units + QStringLiteral("/app-quorbel@autostart.service");
    QFile generated(unit);
    if (!generated.open(QIODevice::ReadOnly))
        return QStringLiteral("no unit: ") + generate.readAllStandardError();
    const QString text = QString::fromUtf8(generated.readAll());
    const QRegularExpressionMatch exec =
        QRegularExpression(QStringLiteral("^ExecStart=:(?:\\S*/env )?(.*) (--background)$"),
                           QRegularExpression::MultilineOption)
            .match(text);
    if (!exec.hasMatch())
        return QStringLiteral("started as ") + text;
    if (const QString said = verified(unit, environment); !said.isEmpty())
        return said;
    QFile probe(root + QStringLiteral("/probe.service"));
    if (!probe.open(QIODevice::WriteOnly) || !QFile::remove(program))
        return QStringLiteral("no probe");
    probe.write("[Service]\nExecStart=:" + exec.captured(1).toUtf8() + '\n');
    probe.close();
    // As a program of its own, a path with a quote has "special characters".
    const QString said = verified(probe.fileName(), environment);
    const QRegularExpressionMatch named =
        QRegularExpression(QStringLiteral("(?:Command |special characters: )(.+?)"
                                          "(?: is not executable: .*)?$"),
                           QRegularExpression::MultilineOption)
            .match(said);
    return named.hasMatch() ? named.captured(1) + u' ' + exec.captured(2) : said;
}

} // namespace

void QtPlatformTest::autostartEntryQuoting_data() {
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<bool>("written");
    QTest::newRow("plain") << QByteArray("quorbel") << true;
    QTest::newRow("a blank") << QByteArray("My Programs") << true;
    QTest::newRow("a double quote") << QByteArray("say \"hi\"") << true;
    QTest::newRow("a single quote") << QByteArray("Ann's") << true;
    QTest::newRow("a percent") << QByteArray("100%off") << true;
    QTest::newRow("percents as field codes") << QByteArray("50%H %f") << true;
    QTest::newRow("an equals sign") << QByteArray("a=b") << true;
    QTest::newRow("UTF-8 and the shell's own") << QByteArray("Uhr ä;#~*?(b)|<c>&") << true;
    QTest::newRow("a dollar") << QByteArray("a$b") << false;
    QTest::newRow("a backtick") << QByteArray("a`b") << false;
    QTest::newRow("a backslash") << QByteArray("back\\slash") << false;
    QTest::newRow("DEL") << QByteArray("a\x7f"
                                       "b")
                         << false;
    QTest::newRow("a percent and an equals sign") << QByteArray("100%=off") << false;
    QTest::newRow("a quote and an equals sign") << QByteArray("a\"=b") << false;
    QTest::newRow("not UTF-8") << QByteArray("caf\xe9") << false;
    QTest::newRow("a line break") << QByteArray("two\nlines") << false;
    QTest::newRow("a tab") << QByteArray("a\tb") << false;
}

// The autostart entry starts the program at that path in the background
// wherever it is read: GLib's launcher and systemd's autostart generator
// (GNOME, Plasma) start the same program from it. Or none is written.
void QtPlatformTest::autostartEntryQuoting() {
    QFETCH(QByteArray, folder);
    QFETCH(bool, written);
    QTemporaryDir root;
    const QByteArray program = QFile::encodeName(root.path()) + '/' + folder + "/quorbel";
    const QByteArray text = platform::autostartEntryText(program);
    QCOMPARE(!text.isEmpty(), written);
    if (!written)
        return;
    const QString path = QFile::decodeName(program);
    const QString entry = root.filePath("config/autostart/quorbel.desktop");
    QVERIFY(writeFile(path, kTellingProgram) && writeFile(entry, text) &&
            QDir(root.path()).mkpath("units") && QDir(root.path()).mkdir("run"));
    const auto mine = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QVERIFY(QFile::setPermissions(path, mine) && QFile::setPermissions(root.filePath("run"), mine));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", root.filePath("config"));
    environment.insert("XDG_CONFIG_DIRS", root.filePath("none"));
    environment.insert("XDG_RUNTIME_DIR", root.filePath("run"));
    QStringList missing;
    if (QStandardPaths::findExecutable("desktop-file-validate").isEmpty()) {
        missing << "desktop-file-validate";
    } else {
        QProcess validate;
        runTool(validate, "desktop-file-validate", {entry}, environment);
        QCOMPARE(validate.readAllStandardOutput() + validate.readAllStandardError(), QByteArray());
        QCOMPARE(validate.exitCode(), 0);
    }
    if (QStandardPaths::findExecutable("gio").isEmpty())
        missing << "gio";
    else
        QCOMPARE(glibStarts(entry, environment, root.filePath("heard")),
                 (QStringList{path, "--background"}));
    if (!QFileInfo::exists(kGenerator) ||
        QStandardPaths::findExecutable("systemd-analyze").isEmpty())
        missing << "systemd";
    else
        QCOMPARE(systemdStarts(root.path(), path, environment), path + " --background");
    if (!missing.isEmpty())
        QSKIP(qPrintable(missing.join(", ") + " not installed"));
}

void QtPlatformTest::autostartTick_data() {
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<bool>("own");
    QTest::addColumn<QByteArray>("more");
    QTest::addColumn<bool>("ticked");
    const QByteArray self = QFile::encodeName(QFileInfo("/proc/self/exe").symLinkTarget());
    QTest::newRow("none") << QByteArray() << true << QByteArray() << false;
    QTest::newRow("the program's own, for this copy") << self << true << QByteArray() << true;
    QTest::newRow("its own, hidden") << self << true << QByteArray("Hidden=true\n") << false;
    QTest::newRow("its own, switched off in the desktop's settings")
        << self << true << QByteArray("X-GNOME-Autostart-enabled=false\n") << false;
    QTest::newRow("its own, written by another copy")
        << QByteArray("/opt/quorbel/quorbel") << true << QByteArray() << false;
    QTest::newRow("the user's, for this copy") << self << false << QByteArray() << false;
    QTest::newRow("the user's, for another program")
        << QByteArray("/usr/bin/mine") << false << QByteArray() << false;
}

// "Start with the desktop" is ticked for the program's own entry that
// starts this copy; a click on it unticked makes it so, and leaves the
// user's own entry as it is.
void QtPlatformTest::autostartTick() {
    QFETCH(QByteArray, program);
    QFETCH(bool, own);
    QFETCH(QByteArray, more);
    QFETCH(bool, ticked);
    QTemporaryDir config;
    const std::optional<QByteArray> saved = qEnvironmentVariableIsSet("XDG_CONFIG_HOME")
                                                ? std::optional(qgetenv("XDG_CONFIG_HOME"))
                                                : std::nullopt;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const QString entry = config.filePath("autostart/quorbel.desktop");
    QByteArray text = platform::autostartEntryText(program) + more;
    if (!own)
        text.replace("X-Quorbel-Autostart=true\n", "");
    QVERIFY(program.isEmpty() || writeFile(entry, text));
    const bool ticks = desktop.startsWithDesktop();
    using Change = platform::Autostart::Change;
    const Change change = desktop.setStartsWithDesktop(true);
    const bool ticksAfter = desktop.startsWithDesktop();
    QFile written(entry);
    QVERIFY(written.open(QIODevice::ReadOnly));
    if (saved)
        qputenv("XDG_CONFIG_HOME", *saved);
    else
        qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(ticks, ticked);
    QCOMPARE(change, own ? Change::Done : Change::UsersOwn);
    QCOMPARE(ticksAfter, own);
    if (!own)
        QCOMPARE(written.readAll(), text);
}

// A later start's command line reaches the running copy whole, whatever
// its arguments hold and whatever its environment (cron's has no runtime
// folder); a lock no live copy holds, garbage in it, or a runtime path too
// long for a socket never make a second running copy, and a copy that
// takes no command line is said to.
void QtPlatformTest::laterStartsAreHeard() {
    QTemporaryDir runtime;
    QTemporaryDir settingsHome;
    const QString settings = settingsHome.filePath("quorbel");
    const QString elsewhere = settingsHome.filePath("portable");
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString deep = runtime.filePath(QString(60, u'r') + u'/' + QString(60, u'u'));
    QVERIFY(QDir().mkpath(deep));
    QFile::setPermissions(runtime.filePath(QString(60, u'r')), QFile::ReadOwner);
    QFile::setPermissions(deep, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(runtime.filePath(QString(60, u'r')),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir cache;
    const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    // The later start runs as a start does, apart from the running copy's
    // event loop.
    const auto claim = [](platform::SingleInstance& start, const QString& key,
                          const QStringList& arguments, const QByteArray& runtimeFolder) {
        auto outcome = std::async(std::launch::async, [&, key, arguments, runtimeFolder] {
            if (runtimeFolder.isEmpty())
                qunsetenv("XDG_RUNTIME_DIR");
            else
                qputenv("XDG_RUNTIME_DIR", runtimeFolder);
            return start.claim(key, arguments);
        });
        while (outcome.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        return outcome.get();
    };
    for (const QString& folder : {runtime.path(), deep}) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
        QCOMPARE(platform::SingleInstance::privateFolder(), folder);
        const QStringList later{"quorbel", "-title", "x\n--quit", ""};
        QList<QStringList> heard;
        QByteArrayList tokens;
        {
            platform::SingleInstance first;
            QCOMPARE(first.claim(settings, {}), platform::SingleInstance::Outcome::Claimed);
            first.listen([&](const QStringList& arguments, platform::Instance::Reply reply) {
                heard << arguments;
                reply({heard.size() == 1 ? 0 : 1, QStringLiteral("told %1\n").arg(heard.size())});
            });
            QObject::connect(&first, &platform::SingleInstance::tokenGiven,
                             [&](const QByteArray& token) { tokens << token; });
            // The token a launcher gave the later start comes along.
            qputenv("XDG_ACTIVATION_TOKEN", "launcher-token");
            platform::SingleInstance second;
            QCOMPARE(claim(second, settings, later, QFile::encodeName(folder)),
                     platform::SingleInstance::Outcome::HandedOver);
            qunsetenv("XDG_ACTIVATION_TOKEN");
            // What the running copy did comes back to the start that asked.
            QCOMPARE(second.answer().status, 0);
            QCOMPARE(second.answer().text, QStringLiteral("told 1\n"));
            // From cron: no runtime folder, and still the running copy.
            platform::SingleInstance fromCron;
            QCOMPARE(claim(fromCron, settings, {"quorbel", "--show"}, {}),
                     platform::SingleInstance::Outcome::HandedOver);
            QCOMPARE(fromCron.answer().status, 1);
            // Another settings folder is another running copy.
            platform::SingleInstance other;
            QCOMPARE(other.claim(elsewhere, {}), platform::SingleInstance::Outcome::Claimed);
            QCOMPARE(heard, (QList<QStringList>{later, {"quorbel", "--show"}}));
            QCOMPARE(tokens, QByteArrayList{"launcher-token"});
            // A copy that never listens: the start says so, and runs no
            // second copy.
            platform::SingleInstance unheard(nullptr, 300);
            QCOMPARE(claim(unheard, elsewhere, {"quorbel"}, QFile::encodeName(folder)),
                     platform::SingleInstance::Outcome::Unanswered);
            // A probe there is not told that none runs.
            QString why;
            QVERIFY(!platform::SingleInstance::askState(elsewhere, &why, 300));
            QCOMPARE(why, QStringLiteral("another copy holds these settings but does not answer"));
            // One that ends with the probe still waiting has gone, and is
            // not said to be silent.
            auto asked = std::async(std::launch::async, [&] {
                QString said;
                return platform::SingleInstance::askState(elsewhere, &said).has_value() ||
                       !said.isEmpty();
            });
            QThread::msleep(100);
            other.release();
            QVERIFY(!asked.get());
        }
        // The copy has ended: its lock file is left with garbage in it.
        QFile lock(QDir(settings).filePath("quorbel.lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("garbage\n");
        lock.close();
        QString why;
        QVERIFY(!platform::SingleInstance::askState(settings, &why, 300));
        QVERIFY(why.isEmpty());
        heard.clear();
        platform::SingleInstance third;
        QCOMPARE(third.claim(settings, {}), platform::SingleInstance::Outcome::Claimed);
        third.listen([&](const QStringList& arguments, platform::Instance::Reply reply) {
            heard << arguments;
            reply({});
        });
        platform::SingleInstance fourth;
        QCOMPARE(claim(fourth, settings, {"quorbel", "--show"}, QFile::encodeName(folder)),
                 platform::SingleInstance::Outcome::HandedOver);
        QCOMPARE(heard.size(), 1);
    }
    // A runtime folder others may enter is not used; the program's own is.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
    QCOMPARE(platform::SingleInstance::privateFolder(), cache.filePath("quorbel-runtime"));
    QCOMPARE(QFileInfo(cache.filePath("quorbel-runtime")).permissions() & 0x0077,
             QFile::Permissions());
    qputenv("XDG_CACHE_HOME", savedCache);
    qputenv("XDG_RUNTIME_DIR", saved);
}

void QtPlatformTest::oneCopyPerFolder_data() {
    // What holds the folder: a copy that listens, one that takes no one
    // (stopped or frozen), one that ended (its lock and journal left), no
    // folder at all, a copy on a file system that takes no lock, one that
    // was killed (its socket left), one on a lock of another user's that it
    // can only read; and who starts later.
    QTest::addColumn<QString>("first");
    QTest::addColumn<bool>("firstOther");
    QTest::addColumn<QString>("later");
    QTest::addColumn<bool>("laterOther");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("tokenSize");
    QTest::addColumn<int>("starts");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("heard");
    QTest::addColumn<QString>("said");
    const QStringList show{"quorbel", "--show"};
    const QStringList quit{"quorbel", "--quit"};
    QTest::newRow("twelve starts toward a copy that takes no one")
        << "deaf" << false << "start" << false << show << 0 << 12 << Outcome::Unanswered << 0
        << "does not answer";
    QTest::newRow("10,000 arguments") << "listening" << false << "start" << false
                                      << QStringList{"quorbel"} + QStringList(10000, "--show") << 0
                                      << 1 << Outcome::TooLong << 0 << "too long";
    QTest::newRow("a 64 KiB token is left out, not the command")
        << "listening" << false << "start" << false << show << 64 * 1024 << 1 << Outcome::HandedOver
        << 1 << "";
    QTest::newRow("--quit with no copy")
        << "ended" << false << "quit" << false << quit << 0 << 1 << Outcome::NoneRunning << 0 << "";
    QTest::newRow("--quit with no settings folder") << "nothing" << false << "quit" << false << quit
                                                    << 0 << 1 << Outcome::NoneRunning << 0 << "";
    QTest::newRow("--quit to the running copy") << "listening" << false << "quit" << false << quit
                                                << 0 << 1 << Outcome::HandedOver << 1 << "";
    QTest::newRow("a folder that takes no lock")
        << "unguarded" << false << "unguarded" << false << show << 0 << 1 << Outcome::HandedOver
        << 1 << "cannot be kept out";
    QTest::newRow("the lock's mode changed") << "listening" << true << "chmod" << true << show << 0
                                             << 1 << Outcome::HandedOver << 1 << "";
    QTest::newRow("a killed copy's socket elsewhere")
        << "killed" << false << "elsewhere" << false << show << 0 << 1 << Outcome::Claimed << 0
        << "";
    QTest::newRow("a lock the copies can only read")
        << "read-only" << true << "start" << true << show << 0 << 1 << Outcome::HandedOver << 1
        << "";
    QTest::newRow("another user's lock") << "listening" << false << "start" << true << show << 0
                                         << 1 << Outcome::Refused << 0 << "cannot take the lock";
    QTest::newRow("another user's copy") << "listening" << true << "start" << false << show << 0
                                         << 1 << Outcome::Refused << 0 << "another user's";
}

// However many later starts come and whatever holds the folder, each
// ends within the running copy's time to answer, and never runs beside
// another copy; a --quit with no copy running makes and changes nothing.
void QtPlatformTest::oneCopyPerFolder() {
    QFETCH(QString, first);
    QFETCH(bool, firstOther);
    QFETCH(QString, later);
    QFETCH(bool, laterOther);
    QFETCH(QStringList, arguments);
    QFETCH(int, tokenSize);
    QFETCH(int, starts);
    QFETCH(Outcome, outcome);
    QFETCH(int, heard);
    QFETCH(QString, said);
    if (firstOther != laterOther && ::geteuid() != 0)
        QSKIP("a second user takes root to stage");
    QTemporaryDir base;
    QFile::setPermissions(base.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadOther | QFile::ExeOther);
    const QString settings = base.filePath("settings");
    const auto privateFolder = [&](const QString& name, bool other) {
        const QString path = base.filePath(name);
        QDir().mkpath(path);
        if (other && ::geteuid() == 0)
            QVERIFY(::chown(QFile::encodeName(path).constData(), kOtherUser, kOtherUser) == 0);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    privateFolder("runtime", false);
    privateFolder("other", true);
    privateFolder("elsewhere", false);
    const auto runtimeOf = [&](bool other) {
        return QFile::encodeName(base.filePath(other ? "other" : "runtime"));
    };
    if (first != "nothing")
        privateFolder("settings", firstOther);
    QFile::setPermissions(settings, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadOther | QFile::ExeOther);
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QString lock = QDir(settings).filePath("quorbel.lock");
    const QByteArray journal = "quorbel journal 1\nrunning 4 1765189500000 8640000\n";

    platform::SingleInstance running(first == "unguarded" ? refuseLocks : nullptr);
    QList<QStringList> heardLines;
    QByteArrayList tokens;
    QObject::connect(&running, &platform::SingleInstance::tokenGiven,
                     [&](const QByteArray& token) { tokens << token; });
    const auto listen = [&] {
        running.listen([&](const QStringList& line, platform::Instance::Reply reply) {
            heardLines << line;
            reply({});
        });
    };
    QByteArray leftSocket;
    if (first == "ended" || first == "read-only") {
        QFile file(lock);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("garbage") == 7);
        file.close();
        QFile::setPermissions(lock, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    }
    if (first == "ended") {
        QFile kept(QDir(settings).filePath("journal.qbx"));
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write(journal) == journal.size());
    } else if (first != "nothing") {
        const AsUser as(firstOther);
        qputenv("XDG_RUNTIME_DIR", runtimeOf(firstOther));
        QCOMPARE(running.claim(settings, {}), Outcome::Claimed);
    }
    if (first != "deaf")
        listen();
    if (first == "killed") {
        // Gone without a word: its socket stays, and the lock names it.
        QFile file(lock);
        QVERIFY(file.open(QIODevice::ReadOnly));
        leftSocket = file.readAll();
        running.release();
        QCOMPARE(::mknod(leftSocket.constData(), S_IFSOCK | 0600, 0), 0);
    }
    if (later == "chmod")
        QFile::setPermissions(lock, {});

    std::vector<std::future<std::pair<Outcome, QString>>> outcomes;
    {
        const AsUser as(laterOther);
        qputenv("XDG_RUNTIME_DIR", later == "elsewhere"
                                       ? QFile::encodeName(base.filePath("elsewhere"))
                                       : runtimeOf(laterOther));
        if (tokenSize)
            qputenv("XDG_ACTIVATION_TOKEN", QByteArray(tokenSize, 't'));
        const auto reach = later == "quit" ? platform::SingleInstance::Reach::HandOverOnly
                                           : platform::SingleInstance::Reach::ClaimOrHandOver;
        const auto tryLock = later == "unguarded" ? refuseLocks : nullptr;
        for (int n = 0; n < starts; ++n) {
            outcomes.push_back(std::async(std::launch::async, [&] {
                // A copy that answers does so at once; one that does not
                // is given up on sooner than a user's start would.
                platform::SingleInstance start(tryLock, 300);
                const Outcome outcome = start.claim(settings, arguments, reach);
                return std::pair(outcome, start.message());
            }));
        }
        for (auto& each : outcomes) {
            while (each.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
                QCoreApplication::processEvents();
        }
        qunsetenv("XDG_ACTIVATION_TOKEN");
    }
    QString told = running.message();
    for (auto& each : outcomes) {
        const auto [given, message] = each.get();
        QCOMPARE(given, outcome);
        told += message;
    }
    // A copy that wakes late does nothing its starts gave up on.
    if (first == "deaf") {
        listen();
        QTest::qWait(100);
    }
    QCOMPARE(heardLines.size(), heard);
    QCOMPARE(tokens, QByteArrayList());
    QVERIFY2(said.isEmpty() ? told.isEmpty() : told.contains(said), qPrintable(told));
    if (first == "ended") {
        QFile file(lock);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("garbage"));
        QFile kept(QDir(settings).filePath("journal.qbx"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), journal);
    }
    if (first == "ended" || first == "nothing")
        QCOMPARE(QDir(base.filePath("runtime"))
                     .entryList(QDir::NoDotAndDotDot | QDir::System | QDir::AllEntries),
                 QStringList());
    if (first == "nothing")
        QVERIFY(!QFileInfo::exists(settings));
    if (first == "killed")
        QVERIFY(!QFileInfo::exists(QFile::decodeName(leftSocket)));
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
}

// A probe asks the running copy for its state and is never the running
// copy; a watcher hears every change, and one that does not read costs the
// copy nothing but the newest state.
void QtPlatformTest::probesAndWatchers() {
    QTemporaryDir base;
    const QString settings = base.filePath(QStringLiteral("settings"));
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    QVERIFY(QDir().mkpath(base.filePath(QStringLiteral("runtime"))));
    QFile::setPermissions(base.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(base.filePath(QStringLiteral("runtime"))));
    const auto ask = [&] {
        auto state = std::async(std::launch::async,
                                [&] { return platform::SingleInstance::askState(settings); });
        while (state.wait_for(std::chrono::milliseconds(2)) != std::future_status::ready)
            QCoreApplication::processEvents();
        return state.get();
    };
    // None runs: nothing is made, and nothing answers.
    QCOMPARE(ask(), std::nullopt);
    QVERIFY(!QFileInfo::exists(settings));

    platform::SingleInstance running;
    QCOMPARE(running.claim(settings, {}), platform::SingleInstance::Outcome::Claimed);
    int changes = 0;
    running.answerProbes(
        [&] { return QByteArray(R"({"changes":)") + QByteArray::number(changes) + '}'; });
    running.listen({});
    QCOMPARE(ask(), std::optional<QByteArray>(R"({"changes":0})"));

    const QByteArray socket = platform::SingleInstance::sockets(settings).constFirst();
    QByteArrayList heard;
    platform::wire::Watch* watch = platform::wire::watch(socket, this);
    QVERIFY(watch);
    connect(watch, &platform::wire::Watch::line, this,
            [&](const QByteArray& state) { heard << state; });
    QTRY_COMPARE(heard, QByteArrayList{R"({"changes":0})"});
    // A watcher that never reads: its buffer fills, and the copy goes on.
    const int deaf = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, socket.constData(), std::size_t(socket.size()));
    QCOMPARE(::connect(deaf, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const QByteArray request = platform::wire::request(platform::wire::Kind::Watch);
    QCOMPARE(::write(deaf, request.constData(), std::size_t(request.size())), request.size());
    ::shutdown(deaf, SHUT_WR);
    QTest::qWait(50);
    const QByteArray big(60000, 'x');
    running.answerProbes([&] {
        return R"({"changes":)" + QByteArray::number(changes) + R"(,"pad":")" + big + R"("})";
    });
    QElapsedTimer took;
    took.start();
    for (changes = 1; changes <= 200; ++changes)
        running.announceChange();
    --changes;
    QVERIFY2(took.elapsed() < 2000, qPrintable(QString::number(took.elapsed())));
    // The reading watcher is brought to the newest.
    QTRY_VERIFY(!heard.isEmpty() && heard.constLast().startsWith(R"({"changes":200,)"));
    QVERIFY(heard.size() < 200);
    QVERIFY(ask()->startsWith(R"({"changes":200,)"));
    ::close(deaf);
    // A probe held no lock: the copy's end lets a new one run.
    running.release();
    platform::SingleInstance next;
    QCOMPARE(next.claim(settings, {}), platform::SingleInstance::Outcome::Claimed);
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
}

QTEST_MAIN(QtPlatformTest)
#include "test_qt_platform.moc"
