// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one error policy: whatever goes wrong inside a handler ends
// that handler where it happened, with a warning in the log, and the program
// goes on with the next event. Every entry from Qt into the window's handlers passes here, so
// no exception ever reaches Qt's event loop.
#pragma once

#include "Log.h"

#include <stdexcept>
#include <utility>

// What a handler raises when something it relies on is not there, such as
// a control looked up by a name no control has.
class EProgramError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs one handler; false when it ended early on an error.
template <typename Handler> bool guard(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const std::exception& error) {
        qCWarning(lcQuorbel, "a handler ended early: %s", error.what());
    } catch (...) {
        qCWarning(lcQuorbel, "a handler ended early on an unknown error");
    }
    return false;
}

#include <functional>

// How a feature enters its handlers from Qt's signals: through the guard,
// and then whatever the program does after every handler (the names a
// screen reader hears, the tray menu), so that each feature need not know.
using HandlerEntry = std::function<void(const std::function<void()>&)>;
