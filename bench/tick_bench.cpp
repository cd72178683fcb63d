// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one second of the program: the tick with every slot running.
#include "app/Quorbel.h"
#include "core/TimerNumbers.h"
#include "platform/FakePlatform.h"
#include "scheduler/ScheduleDialog.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void tickWithAllSlotsRunning(benchmark::State& state) {
    platform::FakePlatform desktop;
    MainWindow form(desktop.interfaces());
    Quorbel program(desktop.interfaces(), form);
    program.startUp();
    for (int n = 0; n < 12; ++n)
        program.findChild<SettingsFile*>()->store().presets().setLine(n, QString::number(1 << 30));
    for (int n = timer::FirstCountdown; n <= timer::LastCountdown; ++n)
        program.findChild<SettingsFile*>()->store().prefs().setLine(n, QStringLiteral("99:59:59"));
    program.findChild<Timers*>()->readSaved();
    timer::forEach([&](int n) { program.findChild<Timers*>()->toggle(n); });
    for (auto _ : state)
        program.tick();
}
BENCHMARK(tickWithAllSlotsRunning);

// One run of the schedule over a list of 1000 records spread over the day;
// most runs find one record or none due.
void scheduleRunOverThousandLines(benchmark::State& state) {
    platform::FakePlatform desktop;
    MainWindow form(desktop.interfaces());
    Quorbel program(desktop.interfaces(), form);
    auto* dialog = program.findChild<Scheduler*>()->createDialog();
    QString list;
    for (int i = 0; i < 1000; ++i) {
        const QTime at = QTime(0, 0).addSecs(60 * (i * 7 % 1440));
        list += QStringLiteral("[%1][/opt/tools/program-%2]\n").arg(at.toString("hhmm")).arg(i);
    }
    dialog->findChild<QPlainTextEdit*>(QStringLiteral("Memo3"))->setPlainText(list);
    int minute = 0;
    for (auto _ : state) {
        // A new minute each time, so no run is skipped as a repeat.
        desktop.time = QTime(0, 0).addSecs(60 * (++minute % 1440));
        program.findChild<Scheduler*>()->run();
        desktop.advance(60000);
        desktop.events.clear();
    }
}
BENCHMARK(scheduleRunOverThousandLines);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
