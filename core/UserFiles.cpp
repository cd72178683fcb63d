// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserFiles.h"

#include <QDir>
#include <QFileInfo>

UserFiles::UserFiles(const QString& programFolder, const QString& configHome) {
    const QDir program(programFolder);
    portable_ = QFileInfo::exists(program.filePath(file::Prefs)) ||
                QFileInfo::exists(program.filePath(file::Presets));
    folder_ = portable_ ? programFolder : QDir(configHome).filePath(QStringLiteral("quorbel"));
    // Found from the program itself, so that a tree moved elsewhere works.
    defaults_ = QDir::cleanPath(program.filePath(QStringLiteral("../share/quorbel")));
}

QString UserFiles::read(const QString& name) const {
    const QString own = write(name);
    // What the program writes is the user's alone; the rest has defaults.
    if (portable_ || name == file::Prefs || name == file::Schedule || QFileInfo::exists(own))
        return own;
    return QDir(defaults_).filePath(name);
}

QString UserFiles::write(const QString& name) const {
    return QDir(folder_).filePath(name);
}
