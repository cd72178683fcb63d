// SPDX-License-Identifier: GPL-3.0-or-later
#include "WriteUserFile.h"

#include "core/Log.h"
#include "core/TextFile.h"

#include <QDir>

namespace platform {

void writeUserFile(Files& files, const UserFiles& where, const QString& name,
                   const QByteArray& bytes) {
    // An installed copy's settings folder comes with its first save; a
    // portable one's folder is the program's, which is never made again.
    if (!where.portable())
        QDir().mkpath(where.folder());
    // A file the next start would refuse to read is as lost as one not
    // written: the one on disk stays.
    if (bytes.size() > kLargestFile || !files.replace(where.write(name), bytes))
        throw EFileError("cannot write " + name.toStdString());
}

bool setAsideUserFile(Files& files, const UserFiles& where, const QString& name) {
    // What was set aside before, or a file of the user's, may have the
    // name: each goes under the first that is free, and replaces none.
    const QString path = where.write(name);
    for (int n = 0; n < 100; ++n) {
        const QString aside =
            path + QStringLiteral(".foreign") + (n ? QStringLiteral(".%1").arg(n) : QString());
        if (files.rename(path, aside)) {
            qCWarning(lcQuorbel, "%s cannot be read; set aside as %s", qUtf8Printable(path),
                      qUtf8Printable(aside));
            return true;
        }
    }
    qCWarning(lcQuorbel, "%s cannot be read, nor set aside", qUtf8Printable(path));
    return false;
}

} // namespace platform
