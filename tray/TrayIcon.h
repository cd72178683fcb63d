// The notification-area icon of the program.
#pragma once

#include <QObject>

class TTrayIcon : public QObject {
    Q_OBJECT
public:
    TTrayIcon(QObject* owner, const QString& name);

    bool Active = true;
    bool Enabled = true;
    QString Hint;
    // Milliseconds per animation frame.
    int Interval = 150;
};
