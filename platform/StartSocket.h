// SPDX-License-Identifier: GPL-3.0-or-later
// The running copy's door for later starts: a local socket only its user
// may open. A later start writes its command line and closes; what arrived
// before the close is the command line.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

namespace platform {

class StartSocket : public QObject {
public:
    // Listens at path, taking the place of a socket a copy that died left
    // there; nullptr when the socket cannot be made.
    static StartSocket* Listen(const QString& path, std::function<void(const QString&)> heard);
    ~StartSocket() override;

private:
    StartSocket() = default;
    void Accept();

    std::function<void(const QString&)> heard_;
    QObject* server_ = nullptr;
    int fd_ = -1;
    QString path_;
};

// Hands text to the copy listening at path; false when none listens.
bool SendToStartSocket(const QString& path, const QByteArray& text);

} // namespace platform
