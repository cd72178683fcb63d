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
    //: Dialog title: the list of programs started at set times
    setWindowTitle(tr("Start Program"));
    dressDialog(this, QSize(410, 323), clr::ScheduleDialog);

    formatLabel_ = new CaptionLabel(
        this, QStringLiteral("Label1"), QRect(10, 4, 291, 32),
        //: Two lines, 291 px wide; [HHMM] and the tilde ~ are what the user types, keep them
        tr("Format: [HHMM][filename]\n(Place a tilde ~  in position 1 to delimiter a record)"));
    formatLabel_->setFont(windowFont(QStringLiteral("MS Sans Serif"), 13));
    formatLabel_->setFontColor(clr::Navy);
    listEdit_ = new QPlainTextEdit(this);
    listEdit_->setObjectName(QStringLiteral("Memo3"));
    listEdit_->setGeometry(8, 40, 393, 250);
    listEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // File names may hold letters the window's face lacks.
    listEdit_->setFont(withFallbacks(font()));
    listEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    listEdit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    okButton_ =
        new FlatButton(this, QStringLiteral("SpeedButton2"), QRect(127, 296, 76, 24), tr("OK"));
    cancelButton_ =
        new FlatButton(this, QStringLiteral("SpeedButton1"), QRect(206, 296, 76, 24), tr("Cancel"));
    connect(okButton_, &FlatButton::clicked, this, [this] { guard([this] { storeList(); }); });
    connect(cancelButton_, &FlatButton::clicked, this, [this] { guard([this] { cancelEdit(); }); });

    // The first time it shows, it shows in the middle of the screen; after
    // that where the user left it.
    const QRect screen = platform_.screens.primary();
    move(screen.center() - QPoint(width() / 2, height() / 2));

    guard([this] { loadList(); });
}

LineList ScheduleDialog::lines() const {
    LineList lines;
    lines.setText(listEdit_->toPlainText());
    return lines;
}

void ScheduleDialog::loadList() {
    QByteArray bytes;
    file_ = readWholeFile(files_.read(file::Schedule), bytes);
    if (file_ != FileState::Read)
        return;
    LineList lines;
    lines.setBytes(bytes);
    encoding_ = lines.encoding();
    QString text = lines.lines().join(u'\n');
    if (lines.endsWithLineBreak())
        text += u'\n';
    listEdit_->setPlainText(text);
}

void ScheduleDialog::pauseSchedule() {
    scheduleBeat_.setInterval(0);
}

void ScheduleDialog::storeList() {
    if (file_ == FileState::Unreadable)
        throw EFileError("the schedule could not be read");
    const QString text = listEdit_->toPlainText();
    LineList lines;
    lines.setText(text);
    platform::writeUserFile(platform_.files, files_, file::Schedule,
                            encodeText(lines.text(), encoding_));
    scheduleBeat_.setInterval(kResume);
    accept();
}

void ScheduleDialog::cancelEdit() {
    scheduleBeat_.setInterval(kResume);
    accept();
}

void ScheduleDialog::reject() {
    guard([this] { cancelEdit(); });
}

void ScheduleDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        guard([this] { pauseSchedule(); });
    QDialog::changeEvent(event);
}
