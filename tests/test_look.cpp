// SPDX-License-Identifier: GPL-3.0-or-later
// What the user sees, pixel for pixel: the window collapsed and open, the
// message editor, the schedule dialog and every menu, drawn with the window's
// faces at a scale of 1 and held against pictures taken before the code was
// reshaped. QUORBEL_WRITE_LOOK=FOLDER writes the pictures anew.
#include "FormFixture.h"
#include "platform/QtPlatform.h"
#include "scheduler/ScheduleDialog.h"

#include <QDir>
#include <QMenu>
#include <QtTest>
#include <memory>

class LookTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pictures();

private:
    std::unique_ptr<platform::FakePlatform> desktop;
    std::unique_ptr<platform::QtPlatform> real;
    std::unique_ptr<Form> form;
    QList<QPair<QString, QImage>> drawn;

    template <typename T = QWidget> T* named(const char* name) {
        return form->findChild<T*>(QLatin1String(name));
    }
    void draw(const QString& name, QWidget* widget) {
        QVERIFY2(widget, qPrintable(name));
        widget->ensurePolished();
        if (qobject_cast<QMenu*>(widget))
            widget->adjustSize();
        drawn.append({name, widget->grab().toImage().convertToFormat(QImage::Format_RGB32)});
    }
};

void LookTest::init() {
    // A caret that blinks would be drawn or not by the moment of the grab.
    QApplication::setCursorFlashTime(0);
    desktop = std::make_unique<platform::FakePlatform>();
    desktop->executableFolder = QStringLiteral("/usr/bin");
    real = std::make_unique<platform::QtPlatform>(nullptr);
    platform::Platform mixed = desktop->interfaces();
    // The window's own faces, as the program loads them.
    platform::Platform withFaces{
        mixed.clock,     mixed.cursor,  mixed.screens,       mixed.questions, mixed.files,
        *real,           mixed.windows, mixed.sound,         mixed.tray,      mixed.processes,
        mixed.shell,     mixed.session, mixed.notifications, mixed.instance,  mixed.remote,
        mixed.shortcuts, mixed.power,   mixed.autostart};
    form = std::make_unique<Form>(withFaces);
    form->showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void LookTest::cleanup() {
    form.reset();
    real.reset();
    desktop.reset();
}

void LookTest::pictures() {
    if (qApp->devicePixelRatio() != 1.0)
        QSKIP("the pictures are of a scale of 1");
    draw(QStringLiteral("window"), form.get());
    for (const char* menu : {"PopupMenu1", "PopupMenu2", "Seconds01", "Seconds51", "PopupMenu3",
                             "PopupMenu4", "PopupMenu5", "TrayMenu1"})
        draw(QLatin1String(menu), named<QMenu>(menu));

    QTest::mouseClick(named("SpeedButton20"), Qt::LeftButton, {}, QPoint(5, 5));
    draw(QStringLiteral("alarm-half"), form.get());
    QTest::mouseClick(named("SpeedButton21"), Qt::LeftButton, {}, QPoint(5, 5));

    QTest::mousePress(named("SpeedButton1"), Qt::RightButton, {}, QPoint(5, 5));
    named<QAction>("EditAlarmMessage1")->trigger();
    draw(QStringLiteral("editor"), form.get());

    ScheduleDialog& dialog = *form->part<Scheduler>().createDialog();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    draw(QStringLiteral("schedule"), &dialog);

    const QString write = qEnvironmentVariable("QUORBEL_WRITE_LOOK");
    for (const auto& [name, picture] : std::as_const(drawn)) {
        const QString file = name + QStringLiteral(".png");
        if (!write.isEmpty()) {
            QVERIFY(picture.save(QDir(write).filePath(file)));
            continue;
        }
        const QImage expected(QFINDTESTDATA(QStringLiteral("data/look/") + file));
        QVERIFY2(!expected.isNull(), qPrintable(file));
        QVERIFY2(picture == expected.convertToFormat(QImage::Format_RGB32), qPrintable(file));
    }
}

QTEST_MAIN(LookTest)
#include "test_look.moc"
