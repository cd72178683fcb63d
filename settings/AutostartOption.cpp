// SPDX-License-Identifier: GPL-3.0-or-later
#include "AutostartOption.h"

AutostartOption::AutostartOption(platform::Autostart& autostart, platform::Questions& questions,
                                 MenuItem* item, const HandlerEntry& enter, QObject* parent)
    : QObject(parent)
    , autostart_(autostart)
    , questions_(questions)
    , item_(item) {
    connect(item_, &MenuItem::Click, this,
            [this, enter] { enter([this] { Set(!autostart_.StartsWithDesktop()); }); });
}

void AutostartOption::Show() {
    item_->setChecked(autostart_.StartsWithDesktop());
}

void AutostartOption::Set(bool on) {
    using Change = platform::Autostart::Change;
    const Change change = autostart_.SetStartsWithDesktop(on);
    Show();
    if (change == Change::UsersOwn) {
        questions_.Tell(QStringLiteral("Quorbel"),
                        QStringLiteral("Your own autostart entry, quorbel.desktop, is left as it "
                                       "is; the desktop starts the program as it says."));
    } else if (change == Change::Unnameable) {
        questions_.Tell(QStringLiteral("Quorbel"),
                        QStringLiteral("The desktop cannot start the program from this folder: "
                                       "its name is not UTF-8 or holds a line break. Move the "
                                       "program to a folder with a plain name."));
    } else if (change == Change::Failed) {
        questions_.Tell(QStringLiteral("Quorbel"),
                        QStringLiteral("The autostart entry could not be changed."));
    }
}
