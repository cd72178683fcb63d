#include "TrayIcon.h"

TTrayIcon::TTrayIcon(QObject* owner, const QString& name)
    : QObject(owner) {
    setObjectName(name);
}
