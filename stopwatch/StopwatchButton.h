// SPDX-License-Identifier: GPL-3.0-or-later
// The stopwatch on the title row's "SW" button: a click starts or pauses
// it, its menu's "Clear" sets it back; the button shows its minutes and
// seconds in a bold face while it counts, "SW" small at rest.
#pragma once

#include "core/Guard.h"
#include "models/Stopwatch.h"
#include "widgets/Controls.h"

#include <QObject>

class StopwatchButton : public QObject {
    Q_OBJECT
public:
    StopwatchButton(Stopwatch& stopwatch, FlatButton* button, MenuItem* clear,
                    const HandlerEntry& enter, QObject* parent);

private:
    void show();

    Stopwatch& stopwatch_;
    FlatButton* button_;
};
