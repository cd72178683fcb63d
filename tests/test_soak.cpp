// SPDX-License-Identifier: GPL-3.0-or-later
// A day and a bit of use in a few seconds: 100,000 ticks with the clock
// faked, while slots start, run out, ring and are acknowledged, alarms ring
// and snooze, the stopwatch runs and the schedule list is edited. Nothing
// may fail, and neither Qt objects nor memory may grow.
#include "FormFixture.h"
#include "core/TimerNumbers.h"
#include "scheduler/ScheduleDialog.h"

#include <QFile>
#include <QtTest>

namespace {

// A fixed sequence of choices, the same on every run.
class Dice {
public:
    int roll(int sides) {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return int((state_ >> 33) % unsigned(sides));
    }
    bool oneIn(int n) { return roll(n) == 0; }

private:
    quint64 state_ = 20261207;
};

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// The window's objects, less the tray menu's entries, one for each timer
// that runs at the moment.
int objectsBesideTrayEntries(const Form& form) {
    return int(form.findChildren<QObject*>().size() -
               form.trayIcon->contextMenu()->actions().size());
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void hundredThousandTicks();
};

void SoakTest::hundredThousandTicks() {
    platform::FakePlatform desktop;
    desktop.executableFolder = QStringLiteral("/nonexistent");
    Form form(desktop.interfaces());
    auto* dialog = form.part<Scheduler>().createDialog();
    form.settings().presets().setText(QStringLiteral("1\n2\n3\n5\n8\n13\n21\n34\n55\n89\n0\n-1\n"));
    Dice dice;
    QDateTime clock(QDate(2026, 12, 7), QTime(8, 0));
    int objects = 0;
    long resident = 0;
    int sounds = 0;
    int opens = 0;
    int expiries = 0;

    for (int tick = 1; tick <= 100000; ++tick) {
        clock = clock.addSecs(1);
        desktop.time = clock.time();
        desktop.advance(1000);
        const bool ringing = form.timersModel().anyRinging();
        form.tick();
        expiries += !ringing && form.timersModel().anyRinging();
        if (form.part<AlertFlasher>().beating())
            form.alertTick();
        if (form.part<AlarmPanel>().snoozePeriod() != 0 && tick % 60 == 0)
            form.part<AlarmPanel>().soundSnooze();
        if (tick % 60 == 0)
            form.part<Scheduler>().run();

        // Countdown and quick timers started, clicked and acknowledged.
        if (dice.oneIn(40)) {
            const int n = 1 + dice.roll(10);
            if (form.timersModel().stateOf(n) == Timers::State::Idle) {
                form.timersModel().edit(n, 0, dice.roll(2), QStringLiteral("Soak"));
                form.timersModel().setSeconds(n, dice.roll(60));
            }
            guard([&] { form.part<AlertActions>().toggleTimer(n); });
        }
        if (dice.oneIn(50)) {
            const int n = timer::FirstQuick + dice.roll(12);
            guard([&] { form.part<AlertActions>().toggleTimer(n); });
        }
        if (form.part<AlertFlasher>().flashed() && dice.oneIn(4))
            emit form.keyPressed(&form, Qt::Key_Return);
        // The editor opened and stored now and then.
        if (dice.oneIn(700)) {
            const int n = 1 + dice.roll(10);
            guard([&] { form.part<MessageEditor>().openFor(n); });
            form.messageEdit->setText(QStringLiteral("Message %1").arg(tick));
            guard([&] { form.part<MessageEditor>().store(); });
        }
        // Alarms for the coming minutes, alarm 2 snoozing a minute.
        if (tick % 1800 == 1) {
            const QTime soon = clock.time().addSecs(60 * (1 + dice.roll(5)));
            form.alarms().setTime(1, soon);
            form.alarms().setTime(2, soon.addSecs(60));
            form.alarms().setAmPm(1,
                                  soon.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
            form.alarms().setAmPm(2, form.alarms()[1].amPm);
            form.options().setAlarm1Recur(dice.oneIn(2));
            form.options().setSnoozeChoice(1);
            if (form.alarm1OnOff->text() == QLatin1String("OFF"))
                form.alarm1OnOff->click();
            if (form.alarm2OnOff->text() == QLatin1String("OFF"))
                form.alarm2OnOff->click();
        }
        // The stopwatch.
        if (tick % 5000 == 0)
            form.stopwatchButton->click();
        if (tick % 17000 == 0)
            form.clearStopwatchItem->trigger();
        // The schedule list edited.
        if (tick % 997 == 0) {
            const QTime at = clock.time().addSecs(120);
            dialog->findChild<QPlainTextEdit*>(QStringLiteral("Memo3"))
                ->setPlainText(QStringLiteral("[%1][/opt/a]\n~[%1][/opt/b]\nnote\n")
                                   .arg(at.toString(QStringLiteral("hhmm"))));
        }
        // What the fake desktop records would grow without end.
        if (tick % 1000 == 0) {
            sounds += int(desktop.played.size());
            opens += int(desktop.events.filter(QStringLiteral("open ")).size());
            desktop.played.clear();
            desktop.pointerMoves.clear();
            desktop.events.clear();
            desktop.trayCalls.clear();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (tick == 10000) {
            objects = objectsBesideTrayEntries(form);
            resident = residentKiB();
        }
    }
    // The run did what it set out to.
    QVERIFY2(expiries > 1000 && sounds > 1000 && opens > 50,
             qPrintable(QStringLiteral("%1 expiries, %2 sounds, %3 opens")
                            .arg(expiries)
                            .arg(sounds)
                            .arg(opens)));
    QCOMPARE(objectsBesideTrayEntries(form), objects);
    if (!kSanitized) {
        const long growth = residentKiB() - resident;
        qInfo("resident %ld KiB after 10,000 ticks, %+ld KiB after 100,000", resident, growth);
        QVERIFY2(growth < 2048, qPrintable(QStringLiteral("grew by %1 KiB").arg(growth)));
    }
    QVERIFY(!desktop.asked.size());
}

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
