// SPDX-License-Identifier: GPL-3.0-or-later
#include "Convert.h"

#include <limits>

namespace {

[[noreturn]] void fail(const QString& text, const char* what) {
    throw EConvertError(
        QStringLiteral("'%1' is not %2").arg(text, QLatin1String(what)).toStdString());
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

int strToInt(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == n)
        fail(text, "a whole number");

    // Hexadecimal spans the full 32 bits ("$FFFFFFFF" is -1), decimal the
    // signed range.
    const quint64 limit =
        base == 16 ? 0xFFFFFFFFull : quint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    quint64 value = 0;
    for (; i < n; ++i) {
        const int digit = base == 16
                              ? hexDigit(text[i])
                              : (text[i] >= u'0' && text[i] <= u'9' ? text[i].unicode() - '0' : -1);
        if (digit < 0)
            fail(text, "a whole number");
        value = value * base + quint64(digit);
        if (value > limit)
            fail(text, "a whole number in range");
    }
    const auto bits = quint32(value);
    return negative ? int(0u - bits) : int(bits);
}

int hour12(QTime time) {
    return time.hour() % 12 == 0 ? 12 : time.hour() % 12;
}

QString timeToStr(QTime time) {
    return QStringLiteral("%1:%2:%3 %4")
        .arg(hour12(time))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QLatin1String("AM") : QLatin1String("PM"));
}

QString hhmmOf(QTime time) {
    return QStringLiteral("%1%2")
        .arg(time.hour(), 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'));
}

QTime strToTime(const QString& text) {
    QString rest = text.trimmed();
    int designator = 0; // 0 none, 1 AM, 2 PM
    if (rest.endsWith(QLatin1String("AM"), Qt::CaseInsensitive))
        designator = 1;
    else if (rest.endsWith(QLatin1String("PM"), Qt::CaseInsensitive))
        designator = 2;
    if (designator != 0)
        rest = rest.left(rest.size() - 2).trimmed();

    const QStringList fields = rest.split(u':');
    if (fields.size() < 2 || fields.size() > 3)
        fail(text, "a time");
    int values[3] = {0, 0, 0};
    for (qsizetype f = 0; f < fields.size(); ++f) {
        const QString& field = fields[f];
        if (field.isEmpty() || field.size() > 2)
            fail(text, "a time");
        for (QChar c : field) {
            if (c < u'0' || c > u'9')
                fail(text, "a time");
        }
        values[f] = field.toInt();
    }
    int hour = values[0];
    if (designator != 0) {
        if (hour < 1 || hour > 12)
            fail(text, "a time");
        hour = hour % 12 + (designator == 2 ? 12 : 0);
    } else if (hour > 23) {
        fail(text, "a time");
    }
    if (values[1] > 59 || values[2] > 59)
        fail(text, "a time");
    return QTime(hour, values[1], values[2]);
}

QString digitsOf(const QString& text) {
    QString digits;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits += c;
    }
    return digits;
}

QString durationText(int seconds) {
    const int hours = seconds / 3600;
    const int minutes = seconds / 60 % 60;
    const QString rest = QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (!hours)
        return QStringLiteral("%1:%2").arg(minutes).arg(rest);
    return QStringLiteral("%1:%2:%3").arg(hours).arg(minutes, 2, 10, QLatin1Char('0')).arg(rest);
}
