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
    connect(&options_, &AlertOptions::changed, this, [this] {
        if (loaded_)
            guard([this] { saveAlerts(); });
    });
}

void AlertTuner::load() {
    if (loaded_)
        return;
    QByteArray bytes;
    const QString path = files_.read(file::AlertOptions);
    const FileState state = readWholeFile(path, bytes);
    if (state == FileState::Read)
        options_.readFile(bytes);
    // One that cannot be read goes aside rather than under the next save.
    else if (state == FileState::Unreadable && path == files_.write(file::AlertOptions))
        platform::setAsideUserFile(platform_.files, files_, file::AlertOptions);
    loaded_ = true;
}

void AlertTuner::openFor(int key) {
    if (!AlertOptions::tunable(key))
        return;
    load();
    if (!dialog_)
        dialog_ = new AlertOptionsDialog(window_, platform_.sound, files_);
    const bool alarm = key > AlertOptions::kAlarm;
    const QString title =
        alarm ? tr("Alarm %1").arg(key - AlertOptions::kAlarm) : timers_.label(key);
    if (const std::optional<AlertTune> tune =
            dialog_->editTune(title, options_.of(key), !alarm, alerts_.unplayable(key)))
        options_.set(key, *tune);
}

void AlertTuner::saveAlerts() {
    platform::writeUserFile(platform_.files, files_, file::AlertOptions, options_.bytes());
}
