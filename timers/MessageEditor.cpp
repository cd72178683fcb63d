// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageEditor.h"

#include <QCoreApplication>

#include "core/Convert.h"
#include "core/Guard.h"
#include "models/Prefs.h"
#include "models/SettingsStore.h"
#include "models/SlotTime.h"

#include <QKeyEvent>

MessageEditor::MessageEditor(Timers& timers, const SettingsStore& settings, Controls controls,
                             HandlerEntry enter, QObject* parent)
    : QObject(parent)
    , timers_(timers)
    , settings_(settings)
    , controls_(std::move(controls))
    , enter_(std::move(enter)) {
    connect(controls_.ok, &FlatButton::clicked, this, [this] { enter_([this] { store(); }); });
    connect(controls_.clear, &FlatButton::clicked, this,
            [this] { enter_([this] { clearTime(); }); });
    for (QWidget* control : std::initializer_list<QWidget*>{controls_.message, controls_.picker,
                                                            controls_.ok, controls_.clear})
        control->installEventFilter(this);
}

void MessageEditor::showRows(bool visible) {
    for (QWidget* control : controls_.covered)
        control->setVisible(visible);
}

bool MessageEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !isOpen())
        return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    enter_([this] { store(); });
    return true;
}

void MessageEditor::openFor(int n) {
    if (!timer::isCountdown(n))
        return;
    slot_ = n;
    // The editor's cover panels lie over the picker.
    controls_.picker->lower();
    showRows(false);
    controls_.panel->show();
    controls_.panel->move(controls_.panel->x(), 72);

    // The button shows at most the first 30 characters of the message; the
    // editor offers the whole message as saved, so that storing it again
    // loses nothing.
    const QString caption = timers_.caption(n);
    const QString saved = settings_.prefs().line(n).mid(8);
    const QString offered = saved.startsWith(caption) ? saved : caption;
    // The placeholder in the user's words, as the button shows it.
    controls_.message->setText(offered == kPlaceholderMessage ? placeholderShown() : offered);
    controls_.message->setFocus();
    controls_.message->selectAll();

    // The picker's minutes and seconds stand for the timer's hours and
    // minutes; a damaged set time leaves the picker as it was.
    const std::optional<SlotTime> set = SlotTime::parse(slotTimeOf(settings_.prefs().line(n)));
    if (set && QTime::isValid(12, set->hours, set->minutes))
        controls_.picker->showTime(QTime(12, set->hours, set->minutes));
}

void MessageEditor::store() {
    // The editor's slot, whatever the mouse touched since it opened.
    const int n = slot_;
    if (!timer::isCountdown(n))
        return;
    // Digits typed into a field count even while the field still has the
    // keyboard, which the OK button never takes.
    controls_.picker->interpretText();
    discard();
    const QTime picked = controls_.picker->time();
    // The placeholder left as it was goes back to the file as the file
    // has it, whatever the language.
    const QString typed = controls_.message->text();
    timers_.edit(n, picked.minute(), picked.second(),
                 typed == placeholderShown() ? kPlaceholderMessage : typed);
}

QString MessageEditor::placeholderShown() {
    // The one word the window's rows and the timer buttons show.
    return QCoreApplication::translate("MainWindow", "Message");
}

void MessageEditor::discard() {
    showRows(true);
    emit closing(slot_);
    controls_.panel->hide();
}

void MessageEditor::closeForAlert() {
    for (QWidget* panel : controls_.timerPanels)
        panel->show();
    emit closing(0);
    controls_.panel->hide();
    for (QWidget* control : controls_.shownByAlert)
        control->show();
}

void MessageEditor::clearTime() {
    if (!timer::isCountdown(slot_))
        return;
    controls_.picker->showTime(QTime(12, 0));
    timers_.zeroSeconds(slot_);
}
