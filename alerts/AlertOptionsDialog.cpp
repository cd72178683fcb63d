// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlertOptionsDialog.h"

#include "TunedAlerts.h"

#include "core/Colors.h"
#include "core/Guard.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QShortcut>
#include <QTimer>

namespace {

// The desktop sound theme's sounds fit for an alert, as the box lists them.
struct ThemeSound {
    const char* name;
    const char* caption;
};
constexpr ThemeSound kThemeSounds[] = {
    {"alarm-clock-elapsed", QT_TRANSLATE_NOOP("AlertOptionsDialog", "Alarm clock")},
    {"bell", QT_TRANSLATE_NOOP("AlertOptionsDialog", "Bell")},
    //: A sound that says something is finished
    {"complete", QT_TRANSLATE_NOOP("AlertOptionsDialog", "Complete")},
    {"phone-incoming-call", QT_TRANSLATE_NOOP("AlertOptionsDialog", "Telephone")},
    //: A sound: the one the desktop plays for an incoming message
    {"message", QT_TRANSLATE_NOOP("AlertOptionsDialog", "Message")},
    {"dialog-warning", QT_TRANSLATE_NOOP("AlertOptionsDialog", "Warning")},
};

// The sound box's entries: the standard one, none, the theme's, a file.
enum Entry { kStandard = 0, kNone = 1 };

CaptionLabel* label(QWidget* parent, QRect bounds, const QString& caption, QWidget* buddy) {
    auto* label = new CaptionLabel(parent, QString(), bounds, caption);
    label->setFontColor(clr::Navy);
    label->setBuddy(buddy);
    return label;
}

} // namespace

AlertOptionsDialog::AlertOptionsDialog(QWidget& owner, platform::Sound& sound,
                                       const UserFiles& files)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , sound_(sound)
    , files_(files) {
    setObjectName(QStringLiteral("AlertOptions"));
    dressDialog(this, QSize(330, 214), clr::ScheduleDialog);

    createSoundBox();
    label(this, QRect(10, 14, 84, 14), tr("&Sound"), soundBox_);
    playButton_ = new FlatButton(this, QStringLiteral("PlayButton"), {},
                                 //: Button, 68 px wide
                                 tr("Play"));
    playButton_->setAccessibleName(tr("Play the sound"));
    fileLabel_ = new CaptionLabel(this, QStringLiteral("FileLabel"), {}, {});
    fileLabel_->setTextFormat(Qt::PlainText);

    volumeSlider_ = new QSlider(Qt::Horizontal, this);
    volumeSlider_->setObjectName(QStringLiteral("VolumeSlider"));
    volumeSlider_->setGeometry(96, 56, 150, 22);
    volumeSlider_->setRange(0, 100);
    volumeSlider_->setPageStep(10);
    label(this, QRect(10, 60, 84, 14), tr("&Volume"), volumeSlider_);
    softBox_ = new QCheckBox(tr("Start so&ftly (rising over 15 seconds)"), this);
    softBox_->setObjectName(QStringLiteral("SoftBox"));
    softBox_->setGeometry(96, 84, 224, 20);
    softBox_->setToolTip(tr("Alarm2.wav, which plays once, keeps its volume from the start"));

    warnBox_ = new QSpinBox(this);
    warnBox_->setObjectName(QStringLiteral("WarnBox"));
    warnBox_->setGeometry(96, 112, 90, 22);
    warnBox_->setRange(0, 999);
    //: After the number of minutes in a box; keep the space if the unit is spaced
    warnBox_->setSuffix(tr(" min"));
    //: In the box of minutes, for no warning
    warnBox_->setSpecialValueText(tr("Off"));
    warnLabel_ = label(this, QRect(10, 116, 84, 14), tr("&Warn before"), warnBox_);
    repeatBox_ = new QCheckBox(tr("&Repeat: start again when acknowledged"), this);
    repeatBox_->setObjectName(QStringLiteral("RepeatBox"));
    repeatBox_->setGeometry(96, 142, 224, 20);

    okButton_ = new FlatButton(this, QStringLiteral("OkButton"), {}, tr("OK"));
    cancelButton_ = new FlatButton(this, QStringLiteral("CancelButton"), {}, tr("Cancel"));
    // Buttons of a dialog look like buttons before the pointer finds them.
    for (FlatButton* button : {playButton_, okButton_, cancelButton_})
        button->setRaised(true);
    soundBox_->view()->window()->installEventFilter(this);
    fitWidth();
    connectControls();
}

void AlertOptionsDialog::createSoundBox() {
    soundBox_ = new QComboBox(this);
    soundBox_->setObjectName(QStringLiteral("SoundBox"));
    // What plays untouched: the program's two sounds, as the boxes say.
    //: The program's own two sounds; the file names stay as they are
    soundBox_->addItem(tr("Alarm1.wav or Alarm2.wav"));
    soundBox_->setItemData(0, tr("As the Sound and Recur boxes say"), Qt::ToolTipRole);
    //: No sound at all
    soundBox_->addItem(tr("None"));
    for (const ThemeSound& theme : kThemeSounds) {
        if (!sound_.themeSoundFile(QLatin1String(theme.name)).isEmpty())
            soundBox_->addItem(QCoreApplication::translate("AlertOptionsDialog", theme.caption),
                               QLatin1String(theme.name));
    }
    soundBox_->addItem(tr("A file…"));
}

void AlertOptionsDialog::fitWidth() {
    // The sound box shows its longest entry whole, in whatever font and
    // scale the window has; the dialog widens to keep Play beside it.
    soundBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const int box = qMax(150, soundBox_->sizeHint().width());
    soundBox_->setGeometry(96, 10, box, 22);
    playButton_->setGeometry(96 + box + 6, 9, 68, 24);
    fileLabel_->setGeometry(96, 36, box + 74, 14);
    const int width = 96 + box + 84;
    setFixedWidth(width);
    okButton_->setGeometry(width / 2 - 78, 180, 76, 24);
    cancelButton_->setGeometry(width / 2 + 2, 180, 76, 24);
}

void AlertOptionsDialog::connectControls() {
    // Enter takes the options, wherever the keyboard is; in the sound box's
    // open list it takes the entry and closes the list only.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this] {
            guard([this] {
                if (soundBox_->view()->isVisible()) {
                    soundBox_->setCurrentIndex(soundBox_->view()->currentIndex().row());
                    soundBox_->hidePopup();
                    soundChosen(true);
                } else if (!listOpen_) {
                    // Not the Enter with which the list, on X11, closed itself
                    // a moment ago.
                    accept();
                }
            });
        });
    connect(okButton_, &FlatButton::clicked, this, [this] { guard([this] { accept(); }); });
    connect(cancelButton_, &FlatButton::clicked, this, [this] { guard([this] { reject(); }); });
    connect(playButton_, &FlatButton::clicked, this, [this] { guard([this] { play(); }); });
    connect(soundBox_, &QComboBox::activated, this,
            [this] { guard([this] { soundChosen(listOpen_); }); });
    setTabOrder(soundBox_, playButton_);
    setTabOrder(playButton_, volumeSlider_);
    setTabOrder(volumeSlider_, softBox_);
    setTabOrder(softBox_, warnBox_);
    setTabOrder(warnBox_, repeatBox_);
    setTabOrder(repeatBox_, okButton_);
    setTabOrder(okButton_, cancelButton_);
}

std::optional<AlertTune> AlertOptionsDialog::editTune(const QString& title, const AlertTune& tune,
                                                      bool countdown, bool unplayable) {
    //: Dialog title; %1 names the timer or the alarm
    setWindowTitle(tr("Alert options – %1").arg(title));
    showTune(tune);
    // An alarm has no set time to warn before or to start again.
    for (QWidget* countdownOnly :
         {static_cast<QWidget*>(warnBox_), static_cast<QWidget*>(repeatBox_),
          static_cast<QWidget*>(warnLabel_)}) {
        countdownOnly->setVisible(countdown);
        countdownOnly->setEnabled(countdown);
    }
    sayUnplayable(unplayable);
    soundBox_->setFocus();
    const bool chosen = exec() == QDialog::Accepted;
    sound_.stopTone(platform::Sound::Channel::Cue);
    return chosen ? std::optional(tuneShown()) : std::nullopt;
}

void AlertOptionsDialog::showTune(const AlertTune& tune) {
    file_ = tune.sound == AlertTune::Sound::File ? tune.source : QString();
    int entry = kStandard;
    if (tune.sound == AlertTune::Sound::None)
        entry = kNone;
    else if (tune.sound == AlertTune::Sound::Theme)
        entry = qMax(int(kStandard), soundBox_->findData(tune.source));
    else if (tune.sound == AlertTune::Sound::File)
        entry = soundBox_->count() - 1;
    soundBox_->setCurrentIndex(entry);
    fileLabel_->setText(QFileInfo(file_).fileName());
    volumeSlider_->setValue(tune.volume);
    softBox_->setChecked(tune.softStart);
    warnBox_->setValue(tune.warnMinutes);
    repeatBox_->setChecked(tune.repeat);
}

AlertTune AlertOptionsDialog::tuneShown() const {
    AlertTune tune;
    const int entry = soundBox_->currentIndex();
    if (entry == kNone) {
        tune.sound = AlertTune::Sound::None;
    } else if (entry == soundBox_->count() - 1 && !file_.isEmpty()) {
        tune.sound = AlertTune::Sound::File;
        tune.source = file_;
    } else if (entry > kNone && entry < soundBox_->count() - 1) {
        tune.sound = AlertTune::Sound::Theme;
        tune.source = soundBox_->itemData(entry).toString();
    }
    tune.volume = volumeSlider_->value();
    tune.softStart = softBox_->isChecked();
    tune.warnMinutes = warnBox_->isEnabled() ? warnBox_->value() : 0;
    tune.repeat = repeatBox_->isEnabled() && repeatBox_->isChecked();
    return tune;
}

bool AlertOptionsDialog::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
        if (event->type() == QEvent::Show)
            listOpen_ = true;
    // An entry taken from the list is heard of just after the list closed.
    if (event->type() == QEvent::Hide)
        QTimer::singleShot(0, this, [this] { listOpen_ = false; });
    return false;
}

void AlertOptionsDialog::soundChosen(bool fromList) {
    sayUnplayable(false);
    // Stepped onto with the list closed, it stands for the file it names,
    // or for nothing until chosen from the list.
    if (soundBox_->currentIndex() != soundBox_->count() - 1 || !fromList)
        return;
    const QString chosen = QFileDialog::getOpenFileName(
        this, tr("A sound for the alert"), QFileInfo(file_).path(),
        //: File dialog filters: keep the patterns in brackets and the ;; between them
        tr("Sounds (*.wav *.ogg *.oga *.flac);;All files (*)"));
    if (!chosen.isEmpty())
        file_ = chosen;
    if (file_.isEmpty())
        soundBox_->setCurrentIndex(kStandard);
    fileLabel_->setText(QFileInfo(file_).fileName());
}

void AlertOptionsDialog::play() {
    const AlertTune tune = tuneShown();
    if (tune.sound == AlertTune::Sound::None) {
        sound_.stopTone(platform::Sound::Channel::Cue);
        return;
    }
    // The standard sound is heard as it ends a countdown: once, and so
    // without rising; one the player cannot read goes to the desktop's,
    // which has a sound of its own for it.
    const bool standard = tune.sound == AlertTune::Sound::Standard;
    const QString path = standard ? files_.read(file::EndSound) : soundFile(tune, sound_);
    sound_.playTone({path, tune.volume, tune.softStart && !standard ? 15000 : 0, false,
                     platform::Sound::Channel::Cue},
                    [self = QPointer(this), standard, path] {
                        if (self && standard)
                            self->sound_.play(path);
                        else if (self)
                            self->sayUnplayable(true);
                    });
}

void AlertOptionsDialog::sayUnplayable(bool unplayable) {
    fileLabel_->setFontColor(unplayable ? clr::Red : clr::WindowText);
    if (unplayable)
        fileLabel_->setText(tr("This sound could not be played"));
    else
        fileLabel_->setText(QFileInfo(file_).fileName());
    fileLabel_->setAccessibleName(fileLabel_->text());
}
