// SPDX-License-Identifier: GPL-3.0-or-later
// The live feed for a panel bar (--watch): a line at once, one at every
// change the running copy reports, and one a second while something counts
// down, reckoned here from the moments the copy gave, so that the program
// sends nothing while it only counts. A copy that ends leaves an idle
// line, and the next one to start is followed in its turn. The feed only
// watches: it never becomes the running copy nor takes its lock.
#pragma once

#include "StateText.h"
#include "platform/InstanceWire.h"

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class PanelFeed : public QObject {
    Q_OBJECT
public:
    // key: the settings folder; plain: text lines instead of waybar's JSON;
    // print: writes a line out, false once no one reads them.
    PanelFeed(const QString& key, bool plain, std::function<bool(const QByteArray&)> print,
              QObject* parent = nullptr);

signals:
    // No one reads the lines any more.
    void unread();

private:
    void follow();
    void stateCame(const QByteArray& state);
    void copyEnded();
    void showLine();

    QString key_;
    bool plain_;
    std::function<bool(const QByteArray&)> print_;
    platform::wire::Watch* watch_ = nullptr;
    QByteArray state_;
    PanelLine shown_;
    bool printed_ = false;
    // Each second of a countdown, at the moment its text changes.
    QTimer second_;
    // A copy to come is looked for when its lock changes, and now and then.
    QFileSystemWatcher lockWatch_;
    QTimer retry_;
};
