// SPDX-License-Identifier: GPL-3.0-or-later
#include "BigClock.h"

#include "core/Convert.h"

void BigClock::show() {
    if (panel_->isHidden())
        return;
    // Measured on the text of the tick before, so a change between a narrow
    // and a wide time shows one tick late; the blank shifts a narrow one.
    const bool narrow = platform_.text.width(box_->window()->font(), box_->text()) <= 60;
    const QString now = timeToStr(platform_.clock.timeOfDay());
    box_->setText(narrow ? QLatin1Char(' ') + now : now);
}
