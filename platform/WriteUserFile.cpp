// SPDX-License-Identifier: GPL-3.0-or-later
#include "WriteUserFile.h"

#include "core/TextFile.h"

#include <QDir>

namespace platform {

void WriteUserFile(Files& files, const UserFiles& where, const QString& name,
                   const QByteArray& bytes) {
    // An installed copy's settings folder comes with its first save; a
    // portable one's folder is the program's, which is never made again.
    if (!where.Portable())
        QDir().mkpath(where.Folder());
    // A file the next start would refuse to read is as lost as one not
    // written: the one on disk stays.
    if (bytes.size() > kLargestFile || !files.Replace(where.Write(name), bytes))
        throw EFileError("cannot write " + name.toStdString());
}

bool SetAsideUserFile(Files& files, const UserFiles& where, const QString& name) {
    // A folder set aside before may stand in the way of this one.
    const QString path = where.Write(name);
    for (int n = 0; n < 10; ++n) {
        const QString aside =
            path + QStringLiteral(".foreign") + (n ? QStringLiteral(".%1").arg(n) : QString());
        if (files.Rename(path, aside))
            return true;
    }
    return false;
}

} // namespace platform
