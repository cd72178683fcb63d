// The real desktop behind the platform interfaces, on Qt's offscreen screen.
#include "platform/QtPlatform.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

using Answer = platform::Questions::Answer;

class QtPlatformTest : public QObject {
    Q_OBJECT
private slots:
    // As the main window does before it builds its controls.
    void initTestCase() { desktop.LoadFonts(); }
    void questionAnswers_data();
    void questionAnswers();
    void questionLook();
    void stayOnTopKeepsWindowInPlace();
    void executableDir();
    void designFaces_data();
    void designFaces();

private:
    platform::QtPlatform desktop;
};

void QtPlatformTest::questionAnswers_data() {
    QTest::addColumn<int>("how");
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter takes the default") << 0 << int(Answer::Yes);
    QTest::newRow("Escape") << 1 << int(Answer::No);
    QTest::newRow("window closed") << 2 << int(Answer::Closed);
}

void QtPlatformTest::questionAnswers() {
    QFETCH(int, how);
    QFETCH(int, answer);
    QTimer::singleShot(50, this, [how] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box);
        if (how == 0)
            QTest::keyClick(box, Qt::Key_Return);
        else if (how == 1)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
    });
    const Answer given = desktop.Ask(platform::Questions::Kind::Warning, QStringLiteral("Warning"),
                                     QStringLiteral("Timer still in progress. Quit anyway?"));
    QCOMPARE(int(given), answer);
}

void QtPlatformTest::questionLook() {
    QRect shown;
    QString title;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(50, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = box->frameGeometry();
        title = box->windowTitle();
        icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            buttons << button->text().remove(u'&');
        box->defaultButton()->click();
    });
    QCOMPARE(desktop.Ask(platform::Questions::Kind::Confirmation, QStringLiteral("Confirm"),
                         QStringLiteral("Alarm time changed, save new time?")),
             Answer::Yes);
    QCOMPARE(title, QStringLiteral("Confirm"));
    QCOMPARE(icon, QMessageBox::Question);
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"No", "Yes"}));
    const QPoint offset = shown.center() - desktop.Primary().center();
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

    desktop.SetStayOnTop(&window, true);
    QVERIFY(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(window.isVisible());
    QCOMPARE(window.winId(), id);
    QCOMPARE(window.pos(), QPoint(100, 120));

    desktop.SetStayOnTop(&window, false);
    QVERIFY(!window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(window.isVisible());
    QCOMPARE(window.winId(), id);
}

void QtPlatformTest::executableDir() {
    QCOMPARE(desktop.ExecutableDir(),
             QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath());
    QVERIFY(
        QFileInfo(desktop.ExecutableDir() + QStringLiteral("/test_qt_platform")).isExecutable());
}

void QtPlatformTest::designFaces_data() {
    QTest::addColumn<QString>("design");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("shown");
    QTest::newRow("MS Sans Serif") << "MS Sans Serif" << false << "MS Sans Serif";
    QTest::newRow("Small Fonts") << "Small Fonts" << false << "Small Fonts";
    QTest::newRow("Tahoma bold") << "Tahoma" << true << "Tahoma";
    QTest::newRow("Microsoft Sans Serif") << "Microsoft Sans Serif" << false << "Tahoma";
    QTest::newRow("Arial") << "Arial" << false << "Liberation Sans";
    QTest::newRow("Verdana") << "Verdana" << false << "DejaVu Sans";
}

void QtPlatformTest::designFaces() {
    QFETCH(QString, design);
    QFETCH(bool, bold);
    QFETCH(QString, shown);
    if (!QFileInfo::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
        QSKIP("fonts-wine is not installed");
    if (shown.startsWith(QLatin1String("Liberation")) ||
        shown.startsWith(QLatin1String("DejaVu"))) {
        if (!QFontDatabase::hasFamily(shown))
            QSKIP("the desktop lacks the face");
    }
    QFont font(design);
    font.setPixelSize(11);
    font.setBold(bold);
    QCOMPARE(QFontInfo(font).family(), shown);
    QCOMPARE(QFontInfo(font).bold(), bold);
}

QTEST_MAIN(QtPlatformTest)
#include "test_qt_platform.moc"
