// The cost of one second of the program: the tick with every slot running.
#include "app/Unit1.h"
#include "platform/FakePlatform.h"
#include "slots/SlotFlags.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void TickWithAllSlotsRunning(benchmark::State& state) {
    platform::FakePlatform desktop;
    TAForm1 form(desktop.Interfaces());
    slot::ForEachSlot([&](int n) {
        if (slot::IsQuick(n))
            form.State.QuickRemaining(n) = 1 << 30;
        else
            form.SlotEdit(n)->setText(QStringLiteral("99:59:59"));
        form.SlotButton(n)->SetTag(slot::Running);
    });
    for (auto _ : state)
        form.Timer1Timer(form.Timer1);
}
BENCHMARK(TickWithAllSlotsRunning);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
