// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a whole buffer to a file or a socket descriptor (Linux only).
#pragma once

#include <QByteArray>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

// Every byte or false, past interruptions. To a socket, a reader that went
// away is a failed write, not a SIGPIPE that ends the program.
inline bool writeAll(int fd, const QByteArray& bytes, bool socket = false) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written =
            socket ? ::send(fd, data, size_t(left), MSG_NOSIGNAL) : ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

} // namespace platform
