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
#include <optional>
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

// The server is not there, for now: stopped, restarting, not yet started,
// or gone while the tone played.
bool serverAway(int error) {
    return error == PA_ERR_CONNECTIONREFUSED || error == PA_ERR_CONNECTIONTERMINATED ||
           error == PA_ERR_TIMEOUT || error == PA_ERR_KILLED || error == PA_ERR_BADSTATE;
}

// One tone from its file to the server; lives on the tone's thread.
class Stream {
public:
    Stream(const Libraries& lib, const Sound::Tone& tone, const std::atomic<bool>& stop)
        : lib_(lib)
        , tone_(tone)
        , stop_(stop) {}
    ~Stream() {
        if (out_)
            lib_.free(out_);
        if (file_)
            lib_.close(file_);
    }

    // Plays until the file ends (unless it loops) or stop; a looping tone
    // outlasts its server going away. Whether it could play at all.
    bool playFile(int fd, const std::function<void()>& bell) {
        file_ = lib_.open(fd, SFM_READ, &info_, SF_TRUE);
        if (!file_ || info_.channels <= 0 || info_.channels > 8 || info_.samplerate <= 0)
            return false;
        played_ = sf_count_t(tone_.risenMs) * info_.samplerate / 1000;
        bool heard = false;
        std::optional<std::chrono::steady_clock::time_point> bellAt;
        while (!stop_) {
            int error = 0;
            if (!openStream(error)) {
                if (!tone_.loop || !serverAway(error))
                    return heard;
                // The bell while there is no server, a second apart; the
                // server is looked for four times as often.
                const auto now = std::chrono::steady_clock::now();
                if (!bellAt || now - *bellAt >= std::chrono::seconds(1)) {
                    bellAt = now;
                    bell();
                }
                waitUnlessStopped(250);
                continue;
            }
            const bool ended = writeAll(heard);
            if (ended || !tone_.loop)
                return heard || ended;
            // The server went: the file starts again with the next one, a
            // moment on.
            lib_.free(std::exchange(out_, nullptr));
            if (lib_.seek(file_, 0, SEEK_SET) != 0)
                return heard;
            waitUnlessStopped(100);
        }
        return true;
    }

private:
    bool openStream(int& error) {
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, uint32_t(info_.samplerate),
                                  uint8_t(info_.channels)};
        // A tenth of a second queued: a stop is heard at once.
        const uint32_t queued = uint32_t(info_.samplerate / 10 * info_.channels * sizeof(float));
        const pa_buffer_attr buffer{uint32_t(-1), queued, uint32_t(-1), uint32_t(-1), uint32_t(-1)};
        const pa_channel_map map = speakerMap(info_.channels);
        out_ = lib_.connect(nullptr, "Quorbel", PA_STREAM_PLAYBACK, nullptr, "Alert", &spec,
                            info_.channels > 6 ? &map : nullptr, &buffer, &error);
        return out_ != nullptr;
    }

    // Writes the file out, looped if asked; false when the server went
    // first. heard: something reached the server.
    bool writeAll(bool& heard) {
        const sf_count_t chunk = qMax(1, info_.samplerate / 50);
        std::vector<float> samples(std::size_t(chunk * info_.channels));
        const double volume = qBound(0, tone_.volume, 100) / 100.0;
        const double riseFrames = double(tone_.riseMs) * info_.samplerate / 1000;
        sf_count_t thisPass = 0;
        while (!stop_) {
            const sf_count_t frames = lib_.read(file_, samples.data(), chunk);
            if (frames <= 0) {
                // A file with nothing in it is played once, not forever.
                if (tone_.loop && thisPass > 0 && lib_.seek(file_, 0, SEEK_SET) == 0) {
                    thisPass = 0;
                    continue;
                }
                break;
            }
            for (sf_count_t frame = 0; frame < frames; ++frame) {
                const double risen =
                    riseFrames > 0 ? qMin(1.0, double(played_ + frame) / riseFrames) : 1.0;
                const float gain = amplitude(volume, risen);
                for (int channel = 0; channel < info_.channels; ++channel)
                    samples[std::size_t(frame * info_.channels + channel)] *= gain;
            }
            if (lib_.write(out_, samples.data(),
                           std::size_t(frames * info_.channels) * sizeof(float), nullptr) < 0)
                return false;
            heard = true;
            played_ += frames;
            thisPass += frames;
        }
        if (stop_)
            lib_.flush(out_, nullptr);
        else
            lib_.drain(out_, nullptr);
        return true;
    }

    void waitUnlessStopped(int ms) const {
        for (int waited = 0; waited < ms && !stop_; waited += 50)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }

    const Libraries& lib_;
    const Sound::Tone tone_;
    const std::atomic<bool>& stop_;
    SNDFILE* file_ = nullptr;
    SF_INFO info_{};
    pa_simple* out_ = nullptr;
    // Frames played so far, for the rise.
    sf_count_t played_ = 0;
};

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
    playing->thread =
        std::thread([&lib, fd, tone, playing, bell = bell_, unplayable = std::move(unplayable)] {
            const auto onProgramThread = [](const std::function<void()>& call) {
                QMetaObject::invokeMethod(QCoreApplication::instance(), call, Qt::QueuedConnection);
            };
            const bool played =
                Stream(lib, tone, playing->stop).playFile(fd, [&] { onProgramThread(bell); });
            if (!played && !playing->stop)
                onProgramThread(unplayable);
            playing->done = true;
        });
    current_ = std::move(playing);
}

} // namespace platform
