// SPDX-License-Identifier: GPL-3.0-or-later
// D-Bus calls on the program's one command path: each call becomes the
// action of the command-line option of its kind, judged by the same rules
// in the same words (the method named where the option is), and is done by
// the CommandRunner; Status is the document --status --json prints. The
// platform claims the name once the settings are in, so no call meets a
// program without them.
#pragma once

#include "CommandRunner.h"
#include "StateReport.h"
#include "core/Guard.h"
#include "platform/Platform.h"

class RemoteCommands {
public:
    RemoteCommands(CommandRunner& runner, const StateReport& report, platform::Remote& remote,
                   HandlerEntry enter);
    ~RemoteCommands();
    RemoteCommands(const RemoteCommands&) = delete;
    RemoteCommands& operator=(const RemoteCommands&) = delete;

private:
    void answer(const platform::Remote::Call& call, const platform::Instance::Reply& reply);

    CommandRunner& runner_;
    const StateReport& report_;
    platform::Remote& remote_;
};
