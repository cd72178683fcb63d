// SPDX-License-Identifier: GPL-3.0-or-later
// Any text through the whole-number and time-text conversions: a value or
// the conversion error, nothing else; and what they accept reads back.
#include "FuzzMain.h"
#include "core/Convert.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const int value = strToInt(text);
        // A plain decimal reading must say the same number again.
        const QString trimmed = text.trimmed();
        if (!trimmed.contains(u'$') && !trimmed.contains(u'x') && !trimmed.contains(u'X') &&
            !trimmed.startsWith(u'+') && !trimmed.startsWith(QLatin1String("-0")) &&
            !trimmed.startsWith(u'0') && trimmed != QString::number(value))
            std::abort();
    } catch (const EConvertError&) {
    }
    try {
        const QTime time = strToTime(text);
        if (!time.isValid() || strToTime(timeToStr(time)) != time)
            std::abort();
    } catch (const EConvertError&) {
    }
    return 0;
}
