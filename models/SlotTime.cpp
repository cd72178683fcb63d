// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlotTime.h"

std::optional<SlotTime> SlotTime::parse(const QString& text) {
    if (text.size() != 8 || text[2] != u':' || text[5] != u':')
        return std::nullopt;
    int fields[3];
    for (int f = 0; f < 3; ++f) {
        const QChar tens = text[3 * f];
        const QChar ones = text[3 * f + 1];
        if (tens < u'0' || tens > u'9' || ones < u'0' || ones > u'9')
            return std::nullopt;
        fields[f] = (tens.unicode() - '0') * 10 + (ones.unicode() - '0');
    }
    return SlotTime{fields[0], fields[1], fields[2]};
}

QString SlotTime::text() const {
    return QStringLiteral("%1:%2:%3")
        .arg(hours, 2, 10, QLatin1Char('0'))
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'));
}

namespace {

// The coloured icon for the seconds left in a countdown's last minute; a
// hand-written time may hold more than 59 seconds, which get none.
QString trayIconFor(int seconds) {
    if (seconds >= 60)
        return {};
    if (seconds <= 10)
        return QStringLiteral("M6");
    if (seconds <= 20)
        return QStringLiteral("M5");
    if (seconds <= 30)
        return QStringLiteral("M4");
    if (seconds <= 40)
        return QStringLiteral("M3");
    if (seconds <= 50)
        return QStringLiteral("M2");
    return QStringLiteral("M1");
}

} // namespace

namespace {

CountdownStep stepOnce(const SlotTime& now) {
    if (now.seconds > 0) {
        CountdownStep step{CountdownStep::Kind::Second, now, {}, false};
        step.next.seconds -= 1;
        if (now.hours == 0 && now.minutes == 0) {
            step.trayIcon = trayIconFor(step.next.seconds);
            step.lastSecond = step.next.seconds == 0;
        }
        return step;
    }
    if (now.minutes > 0)
        return {CountdownStep::Kind::Borrow, {now.hours, now.minutes - 1, 59}, {}, false};
    if (now.hours > 0)
        return {CountdownStep::Kind::Borrow, {now.hours - 1, 59, 59}, {}, false};
    return {CountdownStep::Kind::RunOut, now, {}, false};
}

} // namespace

CountdownStep stepCountdown(const SlotTime& now, int seconds) {
    CountdownStep steps{CountdownStep::Kind::Second, now, {}, false};
    for (int i = 0; i < seconds; ++i) {
        const CountdownStep one = stepOnce(steps.next);
        steps.kind = one.kind;
        if (one.kind == CountdownStep::Kind::RunOut)
            break;
        steps.next = one.next;
        if (!one.trayIcon.isEmpty())
            steps.trayIcon = one.trayIcon;
        steps.lastSecond = steps.lastSecond || one.lastSecond;
    }
    return steps;
}
