// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon against a fake notification area: what it sends when,
// its animation, the mouse on it, and its pictures.
#include "platform/FakePlatform.h"
#include "tray/TrayIcon.h"

#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

namespace {

void addFrames(TrayIcon& tray) {
    for (int frame = 0; frame < 8; ++frame)
        tray.icons().add(QIcon(QStringLiteral(":/tray/frame%1.png").arg(frame)));
}

QImage picture(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TrayTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void shownAtStartWithTheClock();
    void animationSwitchSendsOnlyChanges();
    void framesTurnAndWrap();
    void noStepsWhileNotShown();
    void failedAddIsRetried();
    void noFramesNoAnimation();
    void deletedAtExit();
    void clicks_data();
    void clicks();
    void pictures_data();
    void pictures();
    void colourIconsLoadByName();

private:
    platform::FakePlatform desktop;
    std::unique_ptr<TrayIcon> tray;

    // As the main window builds it: frames first, then the still clock.
    void build() {
        tray = std::make_unique<TrayIcon>(nullptr, QStringLiteral("TrayIcon1"), &desktop);
        tray->setFrameInterval(450);
        addFrames(*tray);
        tray->setStillPicture(QIcon(QStringLiteral(":/tray/clock.png")));
    }
};

void TrayTest::init() {
    desktop.trayCalls.clear();
    desktop.trayAvailable = true;
    build();
}

void TrayTest::cleanup() {
    tray.reset();
}

void TrayTest::shownAtStartWithTheClock() {
    QCOMPARE(desktop.trayCalls, QStringList{"add"});
    QCOMPARE(desktop.trayIcon.cacheKey(), tray->stillPicture().cacheKey());
    QCOMPARE(desktop.trayTip, QString());
}

void TrayTest::animationSwitchSendsOnlyChanges() {
    desktop.trayCalls.clear();
    tray->setAnimated(true);
    QVERIFY(tray->animated());
    QCOMPARE(tray->frameIndex(), 0);
    QCOMPARE(desktop.trayIcon.cacheKey(), tray->icons()[0].cacheKey());
    // Asking again changes nothing: nothing sent, no new start of the turn.
    tray->setAnimated(true);
    QCOMPARE(desktop.trayCalls, QStringList{"modify"});

    tray->setAnimated(false);
    QCOMPARE(desktop.trayIcon.cacheKey(), tray->stillPicture().cacheKey());
    tray->setAnimated(false);
    QCOMPARE(desktop.trayCalls, (QStringList{"modify", "modify"}));
}

void TrayTest::framesTurnAndWrap() {
    tray->setFrameInterval(5);
    tray->setAnimated(true);
    QTRY_COMPARE_WITH_TIMEOUT(tray->frameIndex(), 7, 2000);
    QTRY_COMPARE_WITH_TIMEOUT(tray->frameIndex(), 0, 2000);
    QCOMPARE(picture(tray->currentImage()), picture(tray->icons()[0]));
    tray->setAnimated(false);
    const int calls = int(desktop.trayCalls.size());
    QTest::qWait(50);
    QCOMPARE(desktop.trayCalls.size(), calls);
}

void TrayTest::noStepsWhileNotShown() {
    desktop.trayAvailable = false;
    tray->setActive(false);
    tray->setActive(true);
    tray->setFrameInterval(5);
    tray->setAnimated(true);
    const int calls = int(desktop.trayCalls.size());
    QTest::qWait(60);
    QCOMPARE(tray->frameIndex(), 0);
    QCOMPARE(desktop.trayCalls.size(), calls);
}

void TrayTest::failedAddIsRetried() {
    desktop.trayAvailable = false;
    tray = std::make_unique<TrayIcon>(nullptr, QStringLiteral("TrayIcon1"), &desktop);
    desktop.trayCalls.clear();
    tray->setStillPicture(QIcon(QStringLiteral(":/tray/clock.png")));
    QCOMPARE(desktop.trayCalls, QStringList{"add"});
    // A notification area appears; the next change of the icon docks it.
    desktop.trayAvailable = true;
    tray->loadIcon(QStringLiteral("M1"));
    QCOMPARE(desktop.trayCalls, (QStringList{"add", "delete", "add"}));
    tray->loadIcon(QStringLiteral("M2"));
    QCOMPARE(desktop.trayCalls.last(), QStringLiteral("modify"));
}

void TrayTest::noFramesNoAnimation() {
    tray->icons().clearFrames();
    tray->setAnimated(true);
    QVERIFY(!tray->animated());
    addFrames(*tray);
    tray->setAnimated(true);
    tray->icons().clearFrames();
    QVERIFY(!tray->animated());
    QCOMPARE(desktop.trayIcon.cacheKey(), tray->stillPicture().cacheKey());
}

void TrayTest::deletedAtExit() {
    tray->setAnimated(true);
    tray.reset();
    QCOMPARE(desktop.trayCalls.last(), QStringLiteral("delete"));
    QVERIFY(desktop.trayIcon.isNull());
    QVERIFY(!desktop.trayListener);
}

void TrayTest::clicks_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("withMenu");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left") << int(Qt::LeftButton) << false << 1;
    QTest::newRow("right") << int(Qt::RightButton) << false << 1;
    QTest::newRow("right with a menu") << int(Qt::RightButton) << true << 0;
    QTest::newRow("left with a menu") << int(Qt::LeftButton) << true << 1;
    QTest::newRow("middle") << int(Qt::MiddleButton) << false << 0;
}

void TrayTest::clicks() {
    QFETCH(int, button);
    QFETCH(bool, withMenu);
    QFETCH(int, clicks);
    QMenu menu;
    menu.addAction(QStringLiteral("item"));
    if (withMenu)
        tray->setPopupMenu(&menu);
    QSignalSpy clicked(tray.get(), &TrayIcon::clicked);
    desktop.clickTray(Qt::MouseButton(button));
    QCOMPARE(clicked.count(), clicks);
    if (clicks)
        QCOMPARE(clicked[0][0].value<Qt::MouseButton>(), Qt::MouseButton(button));
    if (withMenu && button == Qt::RightButton)
        QVERIFY(menu.isVisible());
}

void TrayTest::pictures_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"clock", "frame0", "frame3", "frame7", "M1", "M4", "M6", "M7"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TrayTest::pictures() {
    QFETCH(QString, name);
    const QImage picture(QStringLiteral(":/tray/%1.png").arg(name));
    QCOMPARE(picture.size(), QSize(16, 16));
    QVERIFY(picture.hasAlphaChannel());
    // Transparent corners, last column and bottom row; a navy rim.
    for (QPoint corner :
         {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15), QPoint(15, 7), QPoint(7, 15)})
        QCOMPARE(picture.pixelColor(corner).alpha(), 0);
    QVERIFY(picture.pixelColor(7, 0).blue() > 100 && picture.pixelColor(7, 0).red() < 10);
}

void TrayTest::colourIconsLoadByName() {
    const QImage clock = picture(tray->stillPicture());
    tray->loadIcon(QStringLiteral("M6"));
    QCOMPARE(picture(desktop.trayIcon), picture(trayPicture(QStringLiteral("M6"))));
    // Red dial, yellow digits.
    QCOMPARE(picture(tray->stillPicture()).pixelColor(2, 7), QColor("#ED1C24"));
    tray->loadIcon(QStringLiteral("M7"));
    QCOMPARE(picture(tray->stillPicture()), clock);
}

QTEST_MAIN(TrayTest)
#include "test_tray.moc"
