// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps "journal.qbx" true to what runs, at every start, stop, ring and
// acknowledgement, and at the next start brings it back: a timer still due
// runs on with its true time left, one that ran out meanwhile rings at once.
// A deliberate quit leaves nothing to bring back; any other end of the
// program (a crash, a kill, the session's end) leaves the journal as the
// last change wrote it.
#pragma once

#include "core/UserFiles.h"
#include "models/Journal.h"
#include "models/Stopwatch.h"
#include "models/Timers.h"
#include "platform/Platform.h"

#include <QObject>
#include <functional>

class JournalKeeper : public QObject {
    Q_OBJECT
public:
    JournalKeeper(Timers& timers, Stopwatch& stopwatch, platform::Platform platform,
                  const UserFiles& files, std::function<Moment()> now, QObject* parent);

    // Once the settings are in. A journal that cannot be read is set aside
    // beside it, "journal.qbx.foreign", and the program starts clean.
    void Restore();
    // The user quit: what ran is over.
    void Forget();

signals:
    // A timer that ran out while the program was not there, and when.
    void RanOutWhileAway(int timer, qint64 wallMs);

private:
    // A write soon, once for all the changes of one event.
    void Note();
    void Write();
    Journal Current() const;

    Timers& timers_;
    Stopwatch& stopwatch_;
    platform::Platform platform_;
    const UserFiles& files_;
    std::function<Moment()> now_;
    bool restored_ = false;
    bool writePending_ = false;
    // The journal on disk names a timer.
    bool onDisk_ = false;
    // When each ringing timer ran out, for the next start's notification.
    QHash<int, qint64> rangAt_;
};
