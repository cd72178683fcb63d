// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line, read before anything of the desktop starts,
// so that asking for help or the version needs no display.
#pragma once

#include <QString>
#include <QStringList>

struct Command {
    enum class Kind {
        Run,     // start the program
        Help,    // print the text and end, well
        Version, // likewise
        Error,   // print the text and end with the usage error, 2
    };
    Kind kind = Kind::Run;
    QString text;
};

// The arguments as main() has them, the program's name first.
Command ParseCommandLine(const QStringList& arguments);
