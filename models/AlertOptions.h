// SPDX-License-Identifier: GPL-3.0-or-later
// How each countdown and each alarm alerts, as its user tuned it: the
// sound, its volume and gentle start, a warning before the end, and a
// timer that starts again when acknowledged. Untouched, each alerts as the
// "Sound" and "Recur" boxes say. Kept in a file of its own, "alerts.ini":
//
//   [timer 4]                 countdowns 1 to 10, [alarm 1] and [alarm 2]
//   sound=theme:bell          design (the standard sound), none, theme:<name of the sound theme>
//                             or file:<path>
//   volume=80                 percent
//   soft=true                 rises from quiet over its first 15 seconds
//   warn=5                    minutes before the end; 0 for none
//   repeat=true               starts again for its set time when acknowledged
//
// Anything else in the file (comments, sections and keys of another
// version) is passed over and written back as it stood, in the encoding and
// with the line ends the file came in; QSettings would drop the comments,
// reorder the keys and rewrite the file in UTF-8. A key given twice for one
// alert counts where it comes first; the later line is kept as it stands
// and means nothing, so a save and the next read agree.
#pragma once

#include "core/TextFile.h"
#include "core/TimerNumbers.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

struct AlertTune {
    enum class Sound { Standard, None, Theme, File };
    Sound sound = Sound::Standard;
    // The sound theme's name of the sound, or the file's path.
    QString source;
    int volume = 100;
    bool softStart = false;
    int warnMinutes = 0;
    bool repeat = false;

    bool operator==(const AlertTune&) const = default;
    // Sounds as the user chose for it, not as the two boxes say.
    bool ownSound() const { return sound == Sound::Theme || sound == Sound::File; }
};

class AlertOptions : public QObject {
    Q_OBJECT
public:
    // Countdowns by their number, the alarms from here on.
    static constexpr int kAlarm = 100;
    static int alarmKey(int alarm) { return kAlarm + alarm; }
    static bool tunable(int key) {
        return timer::isCountdown(key) || key == alarmKey(1) || key == alarmKey(2);
    }

    explicit AlertOptions(QObject* parent = nullptr)
        : QObject(parent) {}

    const AlertTune& of(int key) const;
    void set(int key, const AlertTune& tune);
    // The file's text, and the options it gives; what cannot be read is
    // left as it was untouched.
    QByteArray bytes() const;
    void readFile(const QByteArray& bytes);

signals:
    void changed(int key);

private:
    QMap<int, AlertTune> tunes_;
    // What the file held that is not an option: the lines before the first
    // section, those of each known section, and the unknown sections.
    QStringList before_;
    QMap<int, QStringList> within_;
    QStringList unknown_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    bool crlf_ = false;
};
