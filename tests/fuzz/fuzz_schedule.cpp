// SPDX-License-Identifier: GPL-3.0-or-later
// Any schedule list against a fake process table and shell, run at a few
// times of day: no failure, never an open of a line with a tilde, and no
// record run twice within one minute of the clock.
//
// The input's first bytes pick the times of the runs (a minute of the day
// and a second each, two bytes per run, up to 8 runs, ended by a byte 0xFF);
// the rest is the list.
#include "FuzzApplication.h"
#include "FuzzMain.h"
#include "app/Quorbel.h"
#include "platform/FakePlatform.h"
#include "scheduler/ScheduleDialog.h"
#include "scheduler/ScheduleRecord.h"
#include "window/MainWindow.h"

#include <QMap>
#include <cstdlib>
#include <limits>

namespace {

// One program for all inputs: building the window for each would make the
// fuzzer crawl. What a run leaves behind (the minute of the last run) only
// ever holds opens back, which the checks allow.
struct Program {
    Program() {
        startOffscreenApplication();
        desktop.executableFolder = QStringLiteral("/nonexistent");
        form = new MainWindow(desktop.interfaces());
        root = new Quorbel(desktop.interfaces(), *form);
        dialog = root->findChild<Scheduler*>()->createDialog();
    }
    platform::FakePlatform desktop;
    MainWindow* form;
    Quorbel* root;
    ScheduleDialog* dialog;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Program program;
    QList<QTime> runs;
    size_t i = 0;
    while (i + 1 < size && data[i] != 0xFF && runs.size() < 8) {
        const int minute = (data[i] * 6) % 1440; // spread over the day
        runs.append(QTime(minute / 60, minute % 60, data[i + 1] % 60));
        i += 2;
    }
    if (i < size && data[i] == 0xFF)
        ++i;
    const QString list =
        QString::fromUtf8(reinterpret_cast<const char*>(data + i), qsizetype(size - i));

    platform::FakePlatform& desktop = program.desktop;
    ScheduleDialog* dialog = program.dialog;
    dialog->findChild<QPlainTextEdit*>(QStringLiteral("Memo3"))->setPlainText(list);
    const QStringList lines = dialog->lines().lines();

    for (const QTime& at : runs) {
        desktop.time = at;
        desktop.events.clear();
        if (!guard([&] { program.root->findChild<Scheduler*>()->run(); }))
            std::abort();
        // However long its launches take, one after the other.
        desktop.advance(std::numeric_limits<int>::max());
        // What may open in this run: the files of the lines without a tilde
        // whose time is now, once each.
        QMap<QString, int> allowed;
        const int now = at.hour() * 100 + at.minute();
        for (const QString& line : lines) {
            if (!line.contains(u'~') && recordTime(line) == now)
                ++allowed[recordFile(line)];
        }
        for (const QString& event : desktop.events) {
            if (!event.startsWith(QLatin1String("open ")))
                continue;
            const QString file = event.mid(5);
            if (allowed.value(file) <= 0)
                std::abort();
            --allowed[file];
        }
        if (program.root->findChild<Scheduler*>()->period() != 60000)
            std::abort();
    }
    return 0;
}
