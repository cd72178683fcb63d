// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlertTuner.h"

#include "core/TextFile.h"
#include "platform/WriteUserFile.h"

AlertTuner::AlertTuner(AlertOptions& options, const TunedAlerts& alerts, const Timers& timers,
                       QWidget& window, platform::Platform platform, const UserFiles& files,
                       QObject* parent)
    : QObject(parent)
    , options_(options)
    , alerts_(alerts)
    , timers_(timers)
    , window_(window)
    , platform_(platform)
    , files_(files) {
    connect(&options_, &AlertOptions::Changed, this, [this] {
        if (loaded_)
            Guard([this] { Save(); });
    });
}

void AlertTuner::Load() {
    if (loaded_)
        return;
    QByteArray bytes;
    const QString path = files_.Read(file::AlertOptions);
    const FileState state = ReadWholeFile(path, bytes);
    if (state == FileState::Read)
        options_.Read(bytes);
    // One that cannot be read goes aside rather than under the next save.
    else if (state == FileState::Unreadable && path == files_.Write(file::AlertOptions))
        platform::SetAsideUserFile(platform_.files, files_, file::AlertOptions);
    loaded_ = true;
}

void AlertTuner::Open(int key) {
    if (!AlertOptions::Tunable(key))
        return;
    Load();
    if (!dialog_)
        dialog_ = new AlertOptionsDialog(window_, platform_.sound);
    const bool alarm = key > AlertOptions::kAlarm;
    const QString title =
        alarm ? QStringLiteral("Alarm %1").arg(key - AlertOptions::kAlarm) : timers_.Label(key);
    if (const std::optional<AlertTune> tune =
            dialog_->Edit(title, options_.Of(key), !alarm, alerts_.Unplayable(key)))
        options_.Set(key, *tune);
}

void AlertTuner::Save() {
    platform::WriteUserFile(platform_.files, files_, file::AlertOptions, options_.Bytes());
}
