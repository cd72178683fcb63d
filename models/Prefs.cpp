// SPDX-License-Identifier: GPL-3.0-or-later
#include "Prefs.h"

#include "core/Convert.h"
#include "core/TimerNumbers.h"

#include <QStringList>
#include <QTime>
#include <array>

namespace {

constexpr std::array<int, timer::QuickCount> kStandardLengths = {60,  120, 180, 240, 300, 360,
                                                                 420, 480, 540, 600, 900, 1200};

// Positions count characters, not UTF-16 units: a character beyond the
// basic plane in the flags must not be split.
char32_t at(const QList<uint>& flags, int position) {
    return position <= flags.size() ? char32_t(flags[position - 1]) : U'\0';
}

std::optional<int> digitIn(char32_t c, int low, int high) {
    if (c < U'0' || c > U'9')
        return std::nullopt;
    const int digit = int(c - U'0');
    if (digit < low || digit > high)
        return std::nullopt;
    return digit;
}

uint flag(bool on) {
    return on ? '1' : '0';
}

} // namespace

QString defaultPrefsText() {
    QStringList lines{QString(30, u'0')};
    for (int n = timer::FirstCountdown; n <= timer::LastCountdown; ++n)
        lines << QStringLiteral("00:00:00") + kPlaceholderMessage;
    const QString noon = timeToStr(QTime(12, 0, 0));
    lines << noon << noon << QStringLiteral("AM") << QStringLiteral("AM");
    return lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

QString defaultPprefsText() {
    QStringList lines;
    for (int length : kStandardLengths)
        lines << QString::number(length);
    return lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

QString singleLineMessage(const QString& text) {
    // A CR LF pair is one line break, and one blank.
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (QChar& c : line) {
        switch (c.unicode()) {
        case u'\n':
        case u'\v':
        case u'\f':
        case u'\r':
        case 0x0085: // next line
        case 0x2028: // line separator
        case 0x2029: // paragraph separator
            c = u' ';
            break;
        default:
            break;
        }
    }
    return line;
}

StoredOptions readOptions(const QString& text) {
    const QList<uint> flags = text.toUcs4();
    StoredOptions options;
    options.sound = at(flags, 1) == u'1';
    options.recur = at(flags, 2) == u'1';
    options.minimizeOnTimer = at(flags, 3) == u'1';
    options.alarm1Recur = at(flags, 4) == u'1';
    options.snooze = digitIn(at(flags, 5), 1, 7);
    options.alarmHalfOpen = at(flags, 6) == u'1';
    options.startOn = at(flags, 7) == u'1';
    options.alarmDelay = digitIn(at(flags, 8), 1, 9);
    options.trayColour = digitIn(at(flags, 9), 0, 5);
    return options;
}

QString writeOptions(const QString& text, const CurrentOptions& options) {
    QList<uint> flags = text.toUcs4();
    while (flags.size() < 9)
        flags.append('0');
    flags[0] = flag(options.sound);
    flags[1] = flag(options.recur);
    flags[2] = flag(options.minimizeOnTimer);
    flags[3] = flag(options.alarm1Recur);
    if (options.snooze >= 1 && options.snooze <= 7)
        flags[4] = uint('0' + options.snooze);
    flags[5] = flag(options.alarmHalfOpen);
    flags[6] = flag(options.startOn);
    if (options.alarmDelay >= 1 && options.alarmDelay <= 9)
        flags[7] = uint('0' + options.alarmDelay);
    if (options.trayColour >= 0 && options.trayColour <= 5)
        flags[8] = uint('0' + options.trayColour);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(flags.constData()), flags.size());
}

int quickLength(const LineList& presets, int slot) {
    try {
        return strToInt(presets.line(slot - timer::FirstQuick));
    } catch (const EConvertError&) {
        return kStandardLengths[slot - timer::FirstQuick];
    }
}

std::optional<QString> quickCaption(const LineList& presets, int slot) {
    try {
        return QString::number(strToInt(presets.line(slot - timer::FirstQuick)) / 60);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}
