// SPDX-License-Identifier: GPL-3.0-or-later
#include "AutostartOption.h"

AutostartOption::AutostartOption(platform::Autostart& autostart, MenuItem* item,
                                 const HandlerEntry& enter, QObject* parent)
    : QObject(parent)
    , autostart_(autostart)
    , item_(item) {
    connect(item_, &MenuItem::Click, this,
            [this, enter] { enter([this] { Set(!autostart_.StartsWithDesktop()); }); });
}

void AutostartOption::Show() {
    item_->setChecked(autostart_.StartsWithDesktop());
}

void AutostartOption::Set(bool on) {
    autostart_.SetStartsWithDesktop(on);
    Show();
}
