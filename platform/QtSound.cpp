// SPDX-License-Identifier: GPL-3.0-or-later
// The alert sounds, through the desktop's sound service.
#include "QtPlatform.h"
#include "Resolve.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QStandardPaths>

#include <atomic>
#include <canberra.h>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace platform {

// libcanberra's calls, resolved at the first sound, and its context.
struct Canberra {
    static constexpr uint32_t kSoundId = 1;
    QLibrary library{QStringLiteral("canberra"), 0};
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_context_cancel) cancel = nullptr;
    decltype(&ca_context_play) play = nullptr;
    ca_context* context = nullptr;

    Canberra() {
        resolve(library, create, "ca_context_create");
        resolve(library, destroy, "ca_context_destroy");
        resolve(library, cancel, "ca_context_cancel");
        resolve(library, play, "ca_context_play");
        renew();
    }
    ~Canberra() {
        if (context)
            destroy(context);
    }
    Canberra(const Canberra&) = delete;
    Canberra& operator=(const Canberra&) = delete;

    // A context whose sound server went away stays without one, even once
    // the server is back: a new one connects afresh.
    void renew() {
        if (context)
            destroy(std::exchange(context, nullptr));
        if (!create || !destroy || !cancel || !play || create(&context) != CA_SUCCESS)
            context = nullptr;
    }

    // The open file, or the theme's alert sound in its place; the error
    // when neither plays.
    int playFile(int fd) {
        if (!context)
            return CA_ERROR_NOTAVAILABLE;
        cancel(context, kSoundId);
        if (fd >= 0) {
            // The user may replace the file at any time: never cached.
            const QByteArray opened = "/proc/self/fd/" + QByteArray::number(fd);
            if (play(context, kSoundId, CA_PROP_MEDIA_FILENAME, opened.constData(),
                     CA_PROP_CANBERRA_CACHE_CONTROL, "never", CA_PROP_MEDIA_ROLE, "event",
                     nullptr) == CA_SUCCESS)
                return CA_SUCCESS;
        }
        return play(context, kSoundId, CA_PROP_EVENT_ID, "alarm-clock-elapsed", CA_PROP_MEDIA_ROLE,
                    "event", nullptr);
    }
};

// libcanberra waits for the sound server while it connects and plays, and a
// server that stops answering would hold whoever called it: the calls go to
// a thread of their own, and the window never waits for a sound. One id for
// all of the program's sounds lets each new one cut off the last. The
// library and the codecs it pulls in are loaded there at the first sound,
// not at start-up: most runs ring late or never.
struct QtPlatform::SoundService {
    // Shared with the thread, which a hung server may keep past the end.
    struct State {
        std::mutex mutex;
        std::condition_variable wake;
        // The sound to play next (an open file, or -1 for the theme's);
        // only the latest counts.
        std::optional<int> next;
        bool ending = false;
        std::atomic<bool> done{false};
    };
    std::shared_ptr<State> state = std::make_shared<State>();
    std::thread thread{[state = state] { run(*state); }};

    static void run(State& state) {
        {
            Canberra canberra;
            for (;;) {
                std::unique_lock lock(state.mutex);
                state.wake.wait(lock, [&] { return state.ending || state.next; });
                if (state.ending)
                    break;
                const int fd = *std::exchange(state.next, std::nullopt);
                lock.unlock();
                int result = canberra.playFile(fd);
                // A server restarted or replaced is played to at once,
                // through a new context; a sound missing from the theme
                // is no reason to reconnect.
                if (result != CA_SUCCESS && result != CA_ERROR_NOTFOUND) {
                    canberra.renew();
                    result = canberra.playFile(fd);
                }
                if (fd >= 0)
                    ::close(fd);
                if (result != CA_SUCCESS)
                    QMetaObject::invokeMethod(
                        qApp, [] { QApplication::beep(); }, Qt::QueuedConnection);
            }
        }
        state.done = true;
    }

    void play(int fd) {
        std::lock_guard lock(state->mutex);
        if (state->next && *state->next >= 0)
            ::close(*state->next);
        state->next = fd;
        state->wake.notify_one();
    }

    ~SoundService() {
        {
            std::lock_guard lock(state->mutex);
            state->ending = true;
            if (state->next && *state->next >= 0)
                ::close(*std::exchange(state->next, std::nullopt));
        }
        state->wake.notify_one();
        // A moment for the server to let the sounds go, then the thread goes
        // with the process.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
        while (!state->done && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (state->done)
            thread.join();
        else
            thread.detach();
    }
};

void QtPlatform::closeSound() {
    delete std::exchange(sound_, nullptr);
}

void QtPlatform::play(const QString& path) {
    if (!sound_)
        sound_ = new SoundService;
    // Opened without waiting, and played only as the regular file it is
    // now: a pipe or a device under the name would hold the sound's thread
    // for as long as nothing writes to it.
    int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat file {};
    if (fd >= 0 && (::fstat(fd, &file) != 0 || !S_ISREG(file.st_mode))) {
        ::close(fd);
        fd = -1;
    }
    sound_->play(fd);
}

void QtPlatform::playTone(const Tone& tone, std::function<void()> unplayable) {
    std::unique_ptr<TonePlayer>& player = tones_[int(tone.channel)];
    if (!player)
        player = std::make_unique<TonePlayer>([] { QApplication::beep(); });
    player->play(tone, std::move(unplayable));
}

QString QtPlatform::themeSoundFile(const QString& name) {
    // The freedesktop theme, which every sound theme falls back on, in the
    // user's data folder first, then the system's; its stereo sounds.
    for (const QString& folder : QStandardPaths::locateAll(
             QStandardPaths::GenericDataLocation, QStringLiteral("sounds/freedesktop/stereo"),
             QStandardPaths::LocateDirectory)) {
        for (const char* suffix : {".oga", ".ogg", ".wav"}) {
            const QString path = folder + u'/' + name + QLatin1String(suffix);
            if (QFileInfo(path).isFile())
                return path;
        }
    }
    return {};
}

void QtPlatform::stopTone(Channel channel) {
    if (const std::unique_ptr<TonePlayer>& player = tones_[int(channel)])
        player->stop();
}

} // namespace platform
