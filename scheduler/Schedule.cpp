// The scheduled launches: once a minute, every record whose time has come
// ends a running process of its program's name, and opens its file.
#include "ScheduleRecord.h"
#include "Unit3.h"
#include "app/Convert.h"
#include "app/Unit1.h"

void TAForm1::Timer4Timer(QObject*) {
    const QTime now = platform_.clock.TimeOfDay();
    const int minute = now.hour() * 60 + now.minute();
    // However the firings fall against the clock's minutes, a record runs
    // at most once in its minute.
    if (minute != lastScheduleMinute_ && Form3) {
        const int current = StrToInt(HhmmOf(now));
        const LineList list = Form3->Lines();
        for (const QString& line : list.Lines()) {
            // A line with a tilde, or one whose time cannot be read, is
            // passed over; the records after it still run.
            if (RecordTime(line) != current)
                continue;
            const QString file = RecordFile(line);
            const qint64 ended = FileKill(ExeNameOf(file));
            platform_.processes.Sleep(1000);
            // Given the second to save its work, it goes now.
            if (ended)
                platform_.processes.Kill(ended);
            platform_.shell.Open(file);
        }
        lastScheduleMinute_ = minute;
    }
    Timer4->SetInterval(60000);
}

qint64 TAForm1::FileKill(const QString& name) {
    const qint64 pid = platform_.processes.FindProcessByExeName(name);
    if (pid)
        platform_.processes.Terminate(pid);
    return pid;
}
