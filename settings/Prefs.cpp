#include "Prefs.h"

#include "app/Convert.h"

#include <QStringList>
#include <QTime>

QString DefaultPrefsText() {
    QStringList lines{QString(30, u'0')};
    for (int n = 1; n <= 10; ++n)
        lines << QStringLiteral("00:00:00Message");
    const QString noon = TimeToStr(QTime(12, 0, 0));
    lines << noon << noon << QStringLiteral("AM") << QStringLiteral("AM");
    return lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}
