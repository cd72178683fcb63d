// SPDX-License-Identifier: GPL-3.0-or-later
// One channel of the user's own sounds: a file decoded by libsndfile and
// played through PulseAudio (or PipeWire's PulseAudio service) on a thread
// of its own, at its volume, rising from quiet, looped until stopped, and
// across a restart of the sound server. Both libraries are loaded at the
// first tone, never at start-up.
#pragma once

#include "Platform.h"

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace platform {

class TonePlayer {
public:
    // bell rings the desktop's bell, on the program's thread, while a
    // looping tone has no sound server.
    explicit TonePlayer(std::function<void()> bell)
        : bell_(std::move(bell)) {}
    TonePlayer(const TonePlayer&) = delete;
    TonePlayer& operator=(const TonePlayer&) = delete;
    // Waits for every tone to have stopped.
    ~TonePlayer();

    // Cuts off the tone before. unplayable is called on the program's
    // thread when the file cannot be played.
    void play(const Sound::Tone& tone, std::function<void()> unplayable);
    void stop();

private:
    struct Playing {
        std::thread thread;
        std::atomic<bool> stop{false};
        std::atomic<bool> done{false};
    };
    std::function<void()> bell_;
    // The tone playing now, and those stopped and not yet ended.
    std::shared_ptr<Playing> current_;
    std::vector<std::shared_ptr<Playing>> ending_;
};

} // namespace platform
