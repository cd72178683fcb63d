// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScheduleRecord.h"

#include "core/Convert.h"

std::optional<int> recordTime(const QString& line) {
    if (line.contains(u'~'))
        return std::nullopt;
    try {
        return strToInt(line.mid(1, 4));
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

QString recordFile(const QString& line) {
    return line.mid(7, 200).remove(u']');
}

QString exeNameOf(const QString& file) {
    const qsizetype slash = qMax(file.lastIndexOf(u'/'), file.lastIndexOf(u'\\'));
    return file.mid(slash + 1);
}

QString exeKey(const QString& name) {
    qsizetype first = 0;
    qsizetype last = name.size();
    while (first < last && name[first].unicode() <= 32)
        ++first;
    while (last > first && name[last - 1].unicode() <= 32)
        --last;
    QString key = name.mid(first, last - first);
    for (QChar& c : key) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    }
    return key;
}
