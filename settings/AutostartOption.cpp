// SPDX-License-Identifier: GPL-3.0-or-later
#include "AutostartOption.h"

AutostartOption::AutostartOption(platform::Autostart& autostart, platform::Questions& questions,
                                 MenuItem* item, const HandlerEntry& enter, QObject* parent)
    : QObject(parent)
    , autostart_(autostart)
    , questions_(questions)
    , item_(item) {
    connect(item_, &MenuItem::clicked, this,
            [this, enter] { enter([this] { choose(!autostart_.startsWithDesktop()); }); });
}

void AutostartOption::show() {
    item_->setChecked(autostart_.startsWithDesktop());
}

void AutostartOption::choose(bool on) {
    using Change = platform::Autostart::Change;
    const Change change = autostart_.setStartsWithDesktop(on);
    show();
    if (change == Change::UsersOwn) {
        questions_.tell(QStringLiteral("Quorbel"),
                        tr("Your own autostart entry, quorbel.desktop, is left as it "
                           "is; the desktop starts the program as it says."));
    } else if (change == Change::Unnameable) {
        questions_.tell(QStringLiteral("Quorbel"),
                        tr("The desktop cannot start the program from this folder: "
                           "its name is not UTF-8, or holds a control character, "
                           "\\, $ or `, or an = beside \", ' or %. Move the "
                           "program to a folder with a plain name."));
    } else if (change == Change::Failed) {
        questions_.tell(QStringLiteral("Quorbel"), tr("The autostart entry could not be changed."));
    }
}
