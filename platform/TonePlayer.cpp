// SPDX-License-Identifier: GPL-3.0-or-later
#include "TonePlayer.h"
#include "Resolve.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QMetaObject>

#include <pulse/simple.h>
#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The two libraries, resolved once, at the first tone.
struct Libraries {
    QLibrary sndfile{QStringLiteral("sndfile"), 1};
    QLibrary pulse{QStringLiteral("pulse-simple"), 0};
    decltype(&sf_open_fd) open = nullptr;
    decltype(&sf_readf_float) read = nullptr;
    decltype(&sf_seek) seek = nullptr;
    decltype(&sf_close) close = nullptr;
    decltype(&pa_simple_new) connect = nullptr;
    decltype(&pa_simple_write) write = nullptr;
    decltype(&pa_simple_flush) flush = nullptr;
    decltype(&pa_simple_drain) drain = nullptr;
    decltype(&pa_simple_free) free = nullptr;

    Libraries() {
        resolve(sndfile, open, "sf_open_fd");
        resolve(sndfile, read, "sf_readf_float");
        resolve(sndfile, seek, "sf_seek");
        resolve(sndfile, close, "sf_close");
        resolve(pulse, connect, "pa_simple_new");
        resolve(pulse, write, "pa_simple_write");
        resolve(pulse, flush, "pa_simple_flush");
        resolve(pulse, drain, "pa_simple_drain");
        resolve(pulse, free, "pa_simple_free");
    }
    bool loaded() const {
        return open && read && seek && close && connect && write && flush && drain && free;
    }
};

const Libraries& loaded() {
    static const Libraries libraries;
    return libraries;
}

// Loudness as the ear hears it: the amplitude grows with the cube of the
// volume, as the desktop's own volume slider does. A soft start rises from
// a sixth of the volume.
float amplitude(double volume, double risen) {
    const double level = volume * (1.0 / 6 + 5.0 / 6 * risen);
    return float(level * level * level);
}

// The server's own map knows no more than six channels; 6.1 and 7.1 files
// (WAV and FLAC order both) name their speakers here.
pa_channel_map speakerMap(int channels) {
    using P = pa_channel_position_t;
    constexpr P kSeven[] = {PA_CHANNEL_POSITION_FRONT_LEFT,   PA_CHANNEL_POSITION_FRONT_RIGHT,
                            PA_CHANNEL_POSITION_FRONT_CENTER, PA_CHANNEL_POSITION_LFE,
                            PA_CHANNEL_POSITION_REAR_CENTER,  PA_CHANNEL_POSITION_SIDE_LEFT,
                            PA_CHANNEL_POSITION_SIDE_RIGHT};
    constexpr P kEight[] = {PA_CHANNEL_POSITION_FRONT_LEFT,   PA_CHANNEL_POSITION_FRONT_RIGHT,
                            PA_CHANNEL_POSITION_FRONT_CENTER, PA_CHANNEL_POSITION_LFE,
                            PA_CHANNEL_POSITION_REAR_LEFT,    PA_CHANNEL_POSITION_REAR_RIGHT,
                            PA_CHANNEL_POSITION_SIDE_LEFT,    PA_CHANNEL_POSITION_SIDE_RIGHT};
    pa_channel_map map{uint8_t(channels), {}};
    if (channels == 7)
        std::copy(std::begin(kSeven), std::end(kSeven), map.map);
    else if (channels == 8)
        std::copy(std::begin(kEight), std::end(kEight), map.map);
    return map;
}

// Plays on its own thread until the file ends (unless it loops) or stop.
// Whether it could play at all.
bool run(const Libraries& lib, int fd, const Sound::Tone& tone, const std::atomic<bool>& stop) {
    SF_INFO info{};
    SNDFILE* file = lib.open(fd, SFM_READ, &info, SF_TRUE);
    if (!file)
        return false;
    const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, uint32_t(info.samplerate),
                              uint8_t(info.channels)};
    // A tenth of a second queued: a stop is heard at once.
    const uint32_t queued = uint32_t(info.samplerate / 10 * info.channels * sizeof(float));
    const pa_buffer_attr buffer{uint32_t(-1), queued, uint32_t(-1), uint32_t(-1), uint32_t(-1)};
    const pa_channel_map map = speakerMap(info.channels);
    pa_simple* out = info.channels > 0 && info.channels <= 8 && info.samplerate > 0
                         ? lib.connect(nullptr, "Quorbel", PA_STREAM_PLAYBACK, nullptr, "Alert",
                                       &spec, info.channels > 6 ? &map : nullptr, &buffer, nullptr)
                         : nullptr;
    if (!out) {
        lib.close(file);
        return false;
    }
    const sf_count_t chunk = qMax(1, info.samplerate / 50);
    std::vector<float> samples(std::size_t(chunk * info.channels));
    const double volume = qBound(0, tone.volume, 100) / 100.0;
    const double riseFrames = double(tone.riseMs) * info.samplerate / 1000;
    sf_count_t played = 0;
    sf_count_t thisPass = 0;
    bool ok = true;
    while (!stop) {
        const sf_count_t frames = lib.read(file, samples.data(), chunk);
        if (frames <= 0) {
            // A file with nothing in it is played once, not forever.
            if (tone.loop && thisPass > 0 && lib.seek(file, 0, SEEK_SET) == 0) {
                thisPass = 0;
                continue;
            }
            break;
        }
        for (sf_count_t frame = 0; frame < frames; ++frame) {
            const double risen =
                riseFrames > 0 ? qMin(1.0, double(played + frame) / riseFrames) : 1.0;
            const float gain = amplitude(volume, risen);
            for (int channel = 0; channel < info.channels; ++channel)
                samples[std::size_t(frame * info.channels + channel)] *= gain;
        }
        if (lib.write(out, samples.data(), std::size_t(frames * info.channels) * sizeof(float),
                      nullptr) < 0) {
            ok = played > 0;
            break;
        }
        played += frames;
        thisPass += frames;
    }
    if (stop)
        lib.flush(out, nullptr);
    else
        lib.drain(out, nullptr);
    lib.free(out);
    lib.close(file);
    return ok;
}

} // namespace

TonePlayer::~TonePlayer() {
    stop();
    // A sound server that stops answering holds its tone's thread for as
    // long as it likes: the end waits a moment for each, then lets it go
    // with the process.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    for (const std::shared_ptr<Playing>& playing : ending_) {
        while (!playing->done && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (playing->done)
            playing->thread.join();
        else
            playing->thread.detach();
    }
}

void TonePlayer::stop() {
    if (current_) {
        current_->stop = true;
        ending_.push_back(std::exchange(current_, nullptr));
    }
    // Those that have ended are let go.
    std::erase_if(ending_, [](const std::shared_ptr<Playing>& playing) {
        if (!playing->done)
            return false;
        playing->thread.join();
        return true;
    });
}

void TonePlayer::play(const Sound::Tone& tone, std::function<void()> unplayable) {
    stop();
    const Libraries& lib = loaded();
    // Opened without waiting, and played only as the regular file it is:
    // a pipe under the name would hold the thread for ever.
    const int fd = ::open(QFile::encodeName(tone.path).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat file {};
    if (!lib.loaded() || fd < 0 || ::fstat(fd, &file) != 0 || !S_ISREG(file.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        unplayable();
        return;
    }
    auto playing = std::make_shared<Playing>();
    playing->thread = std::thread([&lib, fd, tone, playing, unplayable = std::move(unplayable)] {
        if (!run(lib, fd, tone, playing->stop) && !playing->stop) {
            QMetaObject::invokeMethod(QCoreApplication::instance(), unplayable,
                                      Qt::QueuedConnection);
        }
        playing->done = true;
    });
    current_ = std::move(playing);
}

} // namespace platform
