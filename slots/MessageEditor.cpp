// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageEditor.h"

#include "core/Convert.h"
#include "core/Guard.h"
#include "models/SettingsStore.h"

MessageEditor::MessageEditor(Timers& timers, const SettingsStore& settings, Controls controls,
                             HandlerEntry enter, QObject* parent)
    : QObject(parent)
    , timers_(timers)
    , settings_(settings)
    , controls_(std::move(controls))
    , enter_(std::move(enter)) {
    connect(controls_.ok, &FlatButton::clicked, this, [this] { enter_([this] { Store(); }); });
    connect(controls_.clear, &FlatButton::clicked, this,
            [this] { enter_([this] { ClearTime(); }); });
}

void MessageEditor::ShowRows(bool visible) {
    for (QWidget* control : controls_.covered)
        control->setVisible(visible);
}

void MessageEditor::Open(int n) {
    if (!slot::IsCountdown(n))
        return;
    slot_ = n;
    // The editor's cover panels lie over the picker.
    controls_.picker->lower();
    ShowRows(false);
    controls_.panel->show();
    controls_.panel->move(controls_.panel->x(), 72);

    // The button shows at most the first 30 characters of the message; the
    // editor offers the whole message as saved, so that storing it again
    // loses nothing.
    const QString caption = timers_.Caption(n);
    const QString saved = settings_.Prefs().Line(n).mid(8);
    controls_.message->setText(saved.startsWith(caption) ? saved : caption);
    controls_.message->setFocus();
    controls_.message->selectAll();

    // The picker's minutes and seconds stand for the slot's hours and minutes.
    controls_.picker->SetTime(StrToTime(QStringLiteral("12:") + settings_.Prefs().Line(n).left(5)));
}

void MessageEditor::Store() {
    // The editor's slot, whatever the mouse touched since it opened.
    const int n = slot_;
    if (!slot::IsCountdown(n))
        return;
    // Digits typed into a field count even while the field still has the
    // keyboard, which the OK button never takes.
    controls_.picker->interpretText();
    Close();
    timers_.Edit(n, TimeToStr(controls_.picker->time()).mid(3, 5), controls_.message->text());
}

void MessageEditor::Close() {
    ShowRows(true);
    emit Closing(slot_);
    controls_.panel->hide();
}

void MessageEditor::CloseForAlert() {
    for (QWidget* panel : controls_.timerPanels)
        panel->show();
    emit Closing(0);
    controls_.panel->hide();
    for (QWidget* control : controls_.shownByAlert)
        control->show();
}

void MessageEditor::ClearTime() {
    if (!slot::IsCountdown(slot_))
        return;
    controls_.picker->SetTime(StrToTime(QStringLiteral("12:00:00")));
    timers_.ZeroSeconds(slot_);
}
