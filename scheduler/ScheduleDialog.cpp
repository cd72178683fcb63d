// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScheduleDialog.h"

#include "core/Colors.h"
#include "core/Guard.h"
#include "core/UserFiles.h"
#include "platform/WriteUserFile.h"

namespace {

constexpr int kResume = 60000;

} // namespace

ScheduleDialog::ScheduleDialog(QWidget& owner, IntervalTimer& scheduleBeat, const UserFiles& files,
                               platform::Platform platform)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , scheduleBeat_(scheduleBeat)
    , files_(files)
    , platform_(platform) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Start Program"));
    DressDialog(this, QSize(410, 323), clr::ScheduleDialog);

    formatLabel =
        new CaptionLabel(this, QStringLiteral("Label1"), QRect(10, 4, 291, 32),
                         QStringLiteral("Format: [HHMM][filename]\n"
                                        "(Place a tilde ~  in position 1 to delimiter a record)"));
    formatLabel->setFont(DesignFont(QStringLiteral("MS Sans Serif"), 13));
    formatLabel->SetFontColor(clr::Navy);
    listEdit = new QPlainTextEdit(this);
    listEdit->setObjectName(QStringLiteral("Memo3"));
    listEdit->setGeometry(8, 40, 393, 250);
    listEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    // File names may hold letters the design's face lacks.
    listEdit->setFont(WithFallbacks(font()));
    listEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    listEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    okButton = new FlatButton(this, QStringLiteral("SpeedButton2"), QRect(127, 296, 76, 24),
                              QStringLiteral("OK"));
    cancelButton = new FlatButton(this, QStringLiteral("SpeedButton1"), QRect(206, 296, 76, 24),
                                  QStringLiteral("Cancel"));
    connect(okButton, &FlatButton::clicked, this,
            [this] { Guard([this] { StoreList(okButton); }); });
    connect(cancelButton, &FlatButton::clicked, this,
            [this] { Guard([this] { CancelEdit(cancelButton); }); });

    // The first time it shows, it shows in the middle of the screen; after
    // that where the user left it.
    const QRect screen = platform_.screens.Primary();
    move(screen.center() - QPoint(width() / 2, height() / 2));

    Guard([this] { LoadList(this); });
}

LineList ScheduleDialog::Lines() const {
    LineList lines;
    lines.SetText(listEdit->toPlainText());
    return lines;
}

void ScheduleDialog::LoadList(QObject*) {
    QByteArray bytes;
    file_ = ReadWholeFile(files_.Read(file::Schedule), bytes);
    if (file_ != FileState::Read)
        return;
    LineList lines;
    lines.SetBytes(bytes);
    encoding_ = lines.Encoding();
    QString text = lines.Lines().join(u'\n');
    if (lines.EndsWithLineBreak())
        text += u'\n';
    listEdit->setPlainText(text);
}

void ScheduleDialog::PauseSchedule(QObject*) {
    scheduleBeat_.SetInterval(0);
}

void ScheduleDialog::StoreList(QObject*) {
    if (file_ == FileState::Unreadable)
        throw EFileError("the schedule could not be read");
    const QString text = listEdit->toPlainText();
    LineList lines;
    lines.SetText(text);
    platform::WriteUserFile(platform_.files, files_, file::Schedule,
                            EncodeText(lines.Text(), encoding_));
    scheduleBeat_.SetInterval(kResume);
    accept();
}

void ScheduleDialog::CancelEdit(QObject*) {
    scheduleBeat_.SetInterval(kResume);
    accept();
}

void ScheduleDialog::reject() {
    Guard([this] { CancelEdit(this); });
}

void ScheduleDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Guard([this] { PauseSchedule(this); });
    QDialog::changeEvent(event);
}
