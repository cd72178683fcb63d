// The tray icon's pictures and its animation switch.
#include "tray/TrayIcon.h"

#include <QtTest>

class TrayTest : public QObject {
    Q_OBJECT
private slots:
    void animationSwitch();
    void noFramesNoAnimation();
    void pictures_data();
    void pictures();
    void colourIconsLoadByName();
};

namespace {

void AddFrames(TTrayIcon& tray) {
    for (int frame = 0; frame < 8; ++frame)
        tray.Icons.Add(QIcon(QStringLiteral(":/tray/frame%1.png").arg(frame)));
}

QImage Picture(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

void TrayTest::animationSwitch() {
    TTrayIcon tray(nullptr, QStringLiteral("TrayIcon1"));
    AddFrames(tray);
    tray.SetIcon(QIcon(QStringLiteral(":/tray/clock.png")));
    const int before = tray.Updates();

    tray.SetAnimated(true);
    QVERIFY(tray.Animated());
    QCOMPARE(tray.FrameIndex(), 0);
    QCOMPARE(Picture(tray.CurrentImage()), Picture(tray.Icons[0]));
    // Asking again changes nothing: no refresh, no new start of the turn.
    tray.SetAnimated(true);
    QCOMPARE(tray.Updates(), before + 1);

    tray.SetAnimated(false);
    QCOMPARE(Picture(tray.CurrentImage()), Picture(tray.Icon()));
    tray.SetAnimated(false);
    QCOMPARE(tray.Updates(), before + 2);
}

void TrayTest::noFramesNoAnimation() {
    TTrayIcon tray(nullptr, QStringLiteral("TrayIcon1"));
    tray.SetAnimated(true);
    QVERIFY(!tray.Animated());
    AddFrames(tray);
    tray.SetAnimated(true);
    tray.Icons.Clear();
    QVERIFY(!tray.Animated());
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
    QCOMPARE(picture.pixelColor(7, 0).blue() > 100 && picture.pixelColor(7, 0).red() < 10, true);
}

void TrayTest::colourIconsLoadByName() {
    TTrayIcon tray(nullptr, QStringLiteral("TrayIcon1"));
    tray.SetIcon(QIcon(QStringLiteral(":/tray/clock.png")));
    const QImage clock = Picture(tray.Icon());
    tray.LoadIcon(QStringLiteral("M6"));
    QCOMPARE(tray.IconName(), QStringLiteral("M6"));
    // Red dial, yellow digits.
    QCOMPARE(Picture(tray.Icon()).pixelColor(2, 7), QColor("#ED1C24"));
    tray.LoadIcon(QStringLiteral("M7"));
    QCOMPARE(Picture(tray.Icon()), clock);
}

QTEST_MAIN(TrayTest)
#include "test_tray.moc"
