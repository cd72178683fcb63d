// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScheduleDialog.h"

#include "app/Guard.h"
#include "app/MainWindow.h"
#include "core/Colors.h"
#include "core/UserFiles.h"

namespace {

constexpr int kResume = 60000;

} // namespace

ScheduleDialog::ScheduleDialog(MainWindow& owner, platform::Platform platform)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , owner_(owner)
    , platform_(platform) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Start Program"));
    setFixedSize(410, 323);
    setFont(DesignFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(clr::ScheduleDialog));
    setPalette(colours);
    setAutoFillBackground(true);

    Label1 =
        new CaptionLabel(this, QStringLiteral("Label1"), QRect(10, 4, 291, 32),
                         QStringLiteral("Format: [HHMM][filename]\n"
                                        "(Place a tilde ~  in position 1 to delimiter a record)"));
    Label1->setFont(DesignFont(QStringLiteral("MS Sans Serif"), 13));
    Label1->SetFontColor(clr::Navy);
    Memo3 = new QPlainTextEdit(this);
    Memo3->setObjectName(QStringLiteral("Memo3"));
    Memo3->setGeometry(8, 40, 393, 250);
    Memo3->setLineWrapMode(QPlainTextEdit::NoWrap);
    // File names may hold letters the design's face lacks.
    Memo3->setFont(WithFallbacks(font()));
    Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SpeedButton2 = new FlatButton(this, QStringLiteral("SpeedButton2"), QRect(127, 296, 76, 24),
                                  QStringLiteral("OK"));
    SpeedButton1 = new FlatButton(this, QStringLiteral("SpeedButton1"), QRect(206, 296, 76, 24),
                                  QStringLiteral("Cancel"));
    connect(SpeedButton2, &FlatButton::clicked, this,
            [this] { Guard([this] { SpeedButton2Click(SpeedButton2); }); });
    connect(SpeedButton1, &FlatButton::clicked, this,
            [this] { Guard([this] { SpeedButton1Click(SpeedButton1); }); });

    // The first time it shows, it shows in the middle of the screen; after
    // that where the user left it.
    const QRect screen = platform_.screens.Primary();
    move(screen.center() - QPoint(width() / 2, height() / 2));

    owner.Form3 = this;
    Guard([this] { FormCreate(this); });
}

LineList ScheduleDialog::Lines() const {
    LineList lines;
    lines.SetText(Memo3->toPlainText());
    return lines;
}

void ScheduleDialog::FormCreate(QObject*) {
    QByteArray bytes;
    file_ = ReadWholeFile(owner_.Files().Read(file::Schedule), bytes);
    if (file_ != FileState::Read)
        return;
    LineList lines;
    lines.SetBytes(bytes);
    encoding_ = lines.Encoding();
    QString text = lines.Lines().join(u'\n');
    if (lines.EndsWithLineBreak())
        text += u'\n';
    Memo3->setPlainText(text);
}

void ScheduleDialog::FormActivate(QObject*) {
    owner_.Timer4->SetInterval(0);
}

void ScheduleDialog::SpeedButton2Click(QObject*) {
    if (file_ == FileState::Unreadable)
        throw EFileError("the schedule could not be read");
    const QString text = Memo3->toPlainText();
    LineList lines;
    lines.SetText(text);
    owner_.WriteUserFile(file::Schedule, EncodeText(lines.Text(), encoding_));
    owner_.Timer4->SetInterval(kResume);
    accept();
}

void ScheduleDialog::SpeedButton1Click(QObject*) {
    owner_.Timer4->SetInterval(kResume);
    accept();
}

void ScheduleDialog::reject() {
    Guard([this] { SpeedButton1Click(this); });
}

void ScheduleDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Guard([this] { FormActivate(this); });
    QDialog::changeEvent(event);
}

void MainWindow::CreateScheduleDialog() {
    new ScheduleDialog(*this, platform_);
}

void MainWindow::Processes1Click(QObject*) {
    if (Form3)
        Form3->exec();
}
