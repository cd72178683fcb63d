// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionControls.h"

OptionControls::OptionControls(Options& options, Controls controls, HandlerEntry enter,
                               QObject* parent)
    : QObject(parent)
    , options_(options)
    , controls_(controls) {
    const auto box = [this, enter](CheckBox* box, std::function<void(bool)> set) {
        connect(box, &QCheckBox::clicked, this,
                [enter, set](bool checked) { enter([&] { set(checked); }); });
    };
    box(controls_.sound, [this](bool on) { options_.setSound(on); });
    box(controls_.recur, [this](bool on) { options_.setRecur(on); });
    box(controls_.alarm1Recur, [this](bool on) { options_.setAlarm1Recur(on); });
    box(controls_.startOn, [this](bool on) { options_.setStartOn(on); });
    connect(controls_.minimizeOnTimer, &MenuItem::clicked, this, [this, enter] {
        enter([this] { options_.setMinimizeOnTimer(!options_.minimizeOnTimer()); });
    });
    // Arrow keys choose among the lengths as well as a click does.
    for (std::size_t i = 0; i < controls_.snooze.size(); ++i) {
        connect(controls_.snooze[i], &RadioButton::toggled, this, [this, enter, i](bool on) {
            if (on && options_.snoozeChoice() != int(i) + 1)
                enter([&] { options_.setSnoozeChoice(int(i) + 1); });
        });
    }
    // The alarm delays keep the mark the file gave them; a tray colour is
    // chosen alone.
    const QList<QAction*> colours = controls_.trayColour->actions();
    for (qsizetype i = 0; i < colours.size(); ++i) {
        if (auto* item = qobject_cast<MenuItem*>(colours[i]))
            connect(item, &MenuItem::clicked, this,
                    [this, enter, i] { enter([&] { options_.setTrayColour(int(i)); }); });
    }
    connect(&options_, &Options::changed, this, [this] { guard([this] { show(); }); });
    show();
}

void OptionControls::show() {
    controls_.sound->setChecked(options_.sound());
    controls_.recur->setChecked(options_.recur());
    controls_.minimizeOnTimer->setChecked(options_.minimizeOnTimer());
    controls_.alarm1Recur->setChecked(options_.alarm1Recur());
    controls_.startOn->setChecked(options_.startOn());
    for (std::size_t i = 0; i < controls_.snooze.size(); ++i)
        controls_.snooze[i]->setChecked(options_.snoozeChoice() == int(i) + 1);
    const QList<QAction*> delays = controls_.alarmDelay->actions();
    for (qsizetype i = 0; i < delays.size(); ++i)
        delays[i]->setChecked(options_.alarmDelay() == i + 1);
    const QList<QAction*> colours = controls_.trayColour->actions();
    for (qsizetype i = 0; i < colours.size(); ++i)
        colours[i]->setChecked(options_.trayColour() == i);
}
