// SPDX-License-Identifier: GPL-3.0-or-later
// "Alert options": how one countdown or alarm alerts. The sound (the one
// the "Sound" and "Recur" boxes give, none, one of the desktop sound
// theme's, or a file of the user's) with a Play button to hear it, its
// volume and a soft start (the standard sound's too), and for a countdown
// a warning before the end and a repeat. Made at its first use, never
// before the window's first frame.
#pragma once

#include "core/UserFiles.h"
#include "models/AlertOptions.h"
#include "platform/Platform.h"
#include "widgets/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QSlider>
#include <QSpinBox>
#include <optional>

class AlertOptionsDialog : public QDialog {
    Q_OBJECT
public:
    AlertOptionsDialog(QWidget& owner, platform::Sound& sound, const UserFiles& files);

    // Shows one alert's options; the options chosen with OK. unplayable:
    // its file could not be played the last time it rang.
    std::optional<AlertTune> editTune(const QString& title, const AlertTune& tune, bool countdown,
                                      bool unplayable);
    // What the dialog shows now.
    AlertTune tuneShown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* soundBox_;
    FlatButton* playButton_;
    CaptionLabel* fileLabel_;
    QSlider* volumeSlider_;
    QCheckBox* softBox_;
    QSpinBox* warnBox_;
    QCheckBox* repeatBox_;
    FlatButton* okButton_;
    FlatButton* cancelButton_;

    void createSoundBox();
    void fitWidth();
    void connectControls();
    void showTune(const AlertTune& tune);
    // An entry of the sound box chosen: from its open list, the file
    // chooser comes for "A file…"; stepping through the closed box it waits.
    void soundChosen(bool fromList);
    void play();
    void sayUnplayable(bool unplayable);

    platform::Sound& sound_;
    const UserFiles& files_;
    // The file of the user's the sound box's last entry stands for.
    QString file_;
    CaptionLabel* warnLabel_ = nullptr;
    // The sound box's list is open, or closed this very moment.
    bool listOpen_ = false;
};
