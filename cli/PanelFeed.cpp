// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFeed.h"

#include "platform/SingleInstance.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// How often a feed without a copy looks for one that its lock did not
// announce (a lock in another folder, a file system without notices).
constexpr int kRetryMs = 5000;

} // namespace

PanelFeed::PanelFeed(const QString& key, bool plain, std::function<bool(const QByteArray&)> print,
                     QObject* parent)
    : QObject(parent)
    , key_(key)
    , plain_(plain)
    , print_(std::move(print)) {
    second_.setSingleShot(true);
    second_.setTimerType(Qt::PreciseTimer);
    connect(&second_, &QTimer::timeout, this, &PanelFeed::showLine);
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &PanelFeed::follow);
    connect(&lockWatch_, &QFileSystemWatcher::fileChanged, this, &PanelFeed::follow);
    connect(&lockWatch_, &QFileSystemWatcher::directoryChanged, this, &PanelFeed::follow);
    follow();
    // The idle line, where no copy runs; a copy sends its state at once.
    if (!watch_)
        showLine();
}

void PanelFeed::follow() {
    if (watch_)
        return;
    for (const QByteArray& socket : platform::SingleInstance::sockets(key_)) {
        watch_ = platform::wire::watch(socket, this);
        if (watch_)
            break;
    }
    if (!watch_) {
        // The folder, for a lock that comes; the lock, for a copy that
        // writes its socket in.
        const QString lock = QDir(key_).filePath(QStringLiteral("quorbel.lock"));
        for (const QString& path : {key_, lock}) {
            if (QFileInfo::exists(path) && !lockWatch_.files().contains(path) &&
                !lockWatch_.directories().contains(path))
                lockWatch_.addPath(path);
        }
        retry_.start();
        return;
    }
    retry_.stop();
    connect(watch_, &platform::wire::Watch::line, this, &PanelFeed::stateCame);
    connect(watch_, &platform::wire::Watch::ended, this, &PanelFeed::copyEnded);
}

void PanelFeed::stateCame(const QByteArray& state) {
    state_ = state;
    showLine();
}

void PanelFeed::copyEnded() {
    watch_->deleteLater();
    watch_ = nullptr;
    state_.clear();
    showLine();
    follow();
}

void PanelFeed::showLine() {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const PanelLine line = panelLine(state_, now);
    if (!printed_ || !(line == shown_)) {
        printed_ = true;
        shown_ = line;
        if (!print_(plain_ ? line.text.toUtf8() : waybarJson(line)))
            emit unread();
    }
    second_.stop();
    if (!line.counting)
        return;
    // Once a second, as the text's second changes: in the phase of the
    // nearest timer to ring.
    std::optional<qint64> nearest;
    const QJsonArray timers =
        QJsonDocument::fromJson(state_).object().value(QLatin1String("timers")).toArray();
    for (const QJsonValue& timer : timers) {
        const qint64 due =
            QDateTime::fromString(timer.toObject().value(QLatin1String("due")).toString(),
                                  Qt::ISODateWithMs)
                .toMSecsSinceEpoch();
        if (due > now && (!nearest || due < *nearest))
            nearest = due;
    }
    second_.start(nearest ? int((*nearest - now - 1) % 1000 + 1) : 1000);
}
