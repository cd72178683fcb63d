// SPDX-License-Identifier: GPL-3.0-or-later
// The "Start Program" dialog: the schedule list, edited by hand. Its edit
// box is the live list the scheduler reads every minute, shown or not.
#pragma once

#include "core/LineList.h"
#include "core/UserFiles.h"
#include "platform/Platform.h"
#include "widgets/Controls.h"
#include "widgets/IntervalTimer.h"

#include <QDialog>
#include <QPlainTextEdit>

class ScheduleDialog : public QDialog {
    Q_OBJECT
public:
    // Created hidden at start, for the whole run; it loads "proc.qbx".
    // While it is active the schedule's beat pauses.
    ScheduleDialog(QWidget& owner, IntervalTimer& scheduleBeat, const UserFiles& files,
                   platform::Platform platform);

    // The list as it stands in the edit box.
    LineList lines() const;

    void loadList();
    void pauseSchedule();
    void storeList();
    void cancelEdit();

    // Escape and the window's close work as Cancel: the scheduler must not
    // stay paused after the dialog has gone.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    CaptionLabel* formatLabel_;
    QPlainTextEdit* listEdit_;
    FlatButton* okButton_;
    FlatButton* cancelButton_;
    IntervalTimer& scheduleBeat_;
    const UserFiles& files_;
    platform::Platform platform_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    // A file that could not be read is never replaced by what the dialog
    // shows in its stead.
    FileState file_ = FileState::Missing;
};
