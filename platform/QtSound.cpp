// SPDX-License-Identifier: GPL-3.0-or-later
// The alert sounds, through the desktop's sound service.
#include "QtPlatform.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QStandardPaths>

#include <canberra.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

// libcanberra speaks to PulseAudio (or ALSA) from a thread of its own, so a
// play returns at once; one id for all of the program's sounds lets each new
// one cut off the last. The library and the codecs it pulls in are loaded at
// the first sound, not at start-up: most runs ring late or never.
struct QtPlatform::SoundService {
    QLibrary library{QStringLiteral("canberra"), 0};
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_context_cancel) cancel = nullptr;
    decltype(&ca_context_play) play = nullptr;
    ca_context* context = nullptr;
    static constexpr uint32_t kSoundId = 1;

    SoundService() {
        create = reinterpret_cast<decltype(create)>(library.resolve("ca_context_create"));
        destroy = reinterpret_cast<decltype(destroy)>(library.resolve("ca_context_destroy"));
        cancel = reinterpret_cast<decltype(cancel)>(library.resolve("ca_context_cancel"));
        play = reinterpret_cast<decltype(play)>(library.resolve("ca_context_play"));
        if (create && destroy && cancel && play && create(&context) != CA_SUCCESS)
            context = nullptr;
    }
    ~SoundService() {
        if (context)
            destroy(context);
    }
};

void QtPlatform::CloseSound() {
    delete std::exchange(sound_, nullptr);
}

void QtPlatform::Play(const QString& path) {
    if (!sound_)
        sound_ = new SoundService;
    // Opened without waiting, and played only as the regular file it is
    // now: a pipe or a device under the name would hold the window for as
    // long as nothing writes to it.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat file {};
    const bool regular = fd >= 0 && ::fstat(fd, &file) == 0 && S_ISREG(file.st_mode);
    const QByteArray opened = "/proc/self/fd/" + QByteArray::number(fd);
    bool played = false;
    if (ca_context* context = sound_->context) {
        sound_->cancel(context, SoundService::kSoundId);
        // The user may replace the file at any time: never keep it cached.
        played =
            regular && sound_->play(context, SoundService::kSoundId, CA_PROP_MEDIA_FILENAME,
                                    opened.constData(), CA_PROP_CANBERRA_CACHE_CONTROL, "never",
                                    CA_PROP_MEDIA_ROLE, "event", nullptr) == CA_SUCCESS;
        played = played || sound_->play(context, SoundService::kSoundId, CA_PROP_EVENT_ID,
                                        "alarm-clock-elapsed", CA_PROP_MEDIA_ROLE, "event",
                                        nullptr) == CA_SUCCESS;
    }
    if (fd >= 0)
        ::close(fd);
    if (!played)
        QApplication::beep();
}

void QtPlatform::PlayTone(const Tone& tone, std::function<void()> unplayable) {
    std::unique_ptr<TonePlayer>& player = tones_[int(tone.channel)];
    if (!player)
        player = std::make_unique<TonePlayer>();
    player->Play(tone, std::move(unplayable));
}

QString QtPlatform::ThemeSoundFile(const QString& name) {
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

void QtPlatform::StopTone(Channel channel) {
    if (const std::unique_ptr<TonePlayer>& player = tones_[int(channel)])
        player->Stop();
}

} // namespace platform
