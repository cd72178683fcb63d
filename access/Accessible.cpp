// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a screen reader hears it: a name for every control, kept
// true to the state the control shows, and a timer that rings announced.
#include "core/SlotFlags.h"
#include "window/MainWindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>

namespace {

// A panel that answers a click is a button a reader can press.
class PanelButton : public QAccessibleWidget {
public:
    explicit PanelButton(BevelPanel* panel)
        : QAccessibleWidget(panel, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        const QString own = QAccessibleWidget::text(kind);
        return kind == QAccessible::Name && own.isEmpty()
                   ? static_cast<const BevelPanel*>(object())->Caption()
                   : own;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            emit static_cast<BevelPanel*>(object())->Click();
        else
            QAccessibleWidget::doAction(action);
    }
};

// What the window says of itself: a notification a reader speaks each time
// it shows. Readers pass over a change of a control's name that Qt reports
// without the new name; a notification that appears they speak at once.
// Its words are read when it shows, not reported as a change of name.
constexpr char kAnnouncer[] = "announcer";

class Announcement : public QAccessibleWidget {
public:
    explicit Announcement(QWidget* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? object()->property(kAnnouncer).toString()
                                         : QAccessibleWidget::text(kind);
    }
};

// The main window is a frame, not the filler every plain widget is.
QAccessibleInterface* WindowParts(const QString& key, QObject* object) {
    if (key == QLatin1String("MainWindow"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (key == QLatin1String("QWidget") && object->objectName() == QLatin1String(kAnnouncer))
        return new Announcement(static_cast<QWidget*>(object));
    if (key == QLatin1String("TextBox") && static_cast<TextBox*>(object)->isReadOnly())
        // A time box is read as the time it shows, in words: no reader
        // spells "00:05:08" out as the user sees it, and its characters one
        // by one lose the last. Its name says it all; it has no text to walk.
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    if (key == QLatin1String("BevelPanel")) {
        auto* panel = static_cast<BevelPanel*>(object);
        if (panel->focusPolicy() != Qt::NoFocus)
            return new PanelButton(panel);
    }
    return nullptr;
}

// "00:05:08" as "5 minutes, 8 seconds"; a zero time as "0 seconds".
QString InWords(const QString& time) {
    const QStringList fields = time.split(u':');
    QStringList words;
    const char* const units[] = {"hour", "minute", "second"};
    for (int i = 0; i < 3 && i < fields.size(); ++i) {
        const int value = fields[i].toInt();
        if (value != 0)
            words << QStringLiteral("%1 %2%3").arg(QString::number(value), QLatin1String(units[i]),
                                                   value == 1 ? QString() : QStringLiteral("s"));
    }
    return words.isEmpty() ? QStringLiteral("0 seconds") : words.join(QLatin1String(", "));
}

void Rename(QWidget* control, const QString& name) {
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
}

struct Naming {
    const char* control;
    const char* name;
    const char* description;
};

// The controls whose names never change; a caption that says it all
// ("Quit", "Test alarm", the labels) names its control by itself.
const Naming kNames[] = {
    {"SpeedButton16Y", "Hide window", "Brought back from the tray icon"},
    {"SpeedButton18", "Hide window", "Brought back from the tray icon"},
    {"SpeedButton15X", "Quit", ""},
    {"SpeedButton21", "Hide alarm clock", ""},
    {"Edit11", "Message", "Enter stores the time and message, Escape closes"},
    {"DateTimePicker1", "Hours and minutes", ""},
    {"SpeedButton12", "Store time and message", ""},
    {"SpeedButton13", "Clear the time", "Hours, minutes and seconds back to zero"},
    {"Edit12", "Clock", ""},
    {"SpeedButton22", "Copy alarm 2 to alarm 1", ""},
    {"SpeedButton16", "Copy alarm 1 to alarm 2", ""},
    {"CheckBox1", "Sound", "Timers that run out ring with a sound"},
    {"CheckBox2", "Recur", "The sound repeats until the timer is stopped"},
    {"CheckBox3", "Alarm 1 recurs", "Alarm 1 rings until it is switched off"},
    {"CheckBox4", "Alarms on at start", ""},
};

// Whether an assistive tool (a screen reader) listens. The names of the
// controls are kept true only then, and brought up to date the moment one
// starts listening: unheard, they cost every tick their making.
class ReaderWatch : public QAccessible::ActivationObserver {
public:
    ReaderWatch() { QAccessible::installActivationObserver(this); }
    void accessibilityActiveChanged(bool active) override {
        listening = active;
        if (!active)
            return;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* form = qobject_cast<MainWindow*>(window))
                Guard([form] { form->DescribeControls(); });
        }
    }
    bool listening = false;
} readers;

} // namespace

void MainWindow::MakeAccessible() {
    // Before the window first shows: a reader keeps what it first learns.
    static const bool installed = [] {
        QAccessible::installFactory(WindowParts);
        return true;
    }();
    Q_UNUSED(installed);
    setAccessibleName(windowTitle());
}

void MainWindow::NameControls() {
    for (const Naming& naming : kNames) {
        QWidget* control = Find<QWidget>(QLatin1String(naming.control));
        control->setAccessibleName(QString::fromUtf8(naming.name));
        control->setAccessibleDescription(QString::fromUtf8(naming.description));
    }
    // What a pointer resting on a slot is told, so that a new user finds
    // the right click; no pointer rests there before the first frame.
    AfterFirstFrame([this] {
        for (int n = slot::FirstCountdown; n <= slot::LastCountdown; ++n) {
            SlotButton(n)->setToolTip(
                QStringLiteral("Right-click to set the time and message; click to start or stop"));
            SlotEdit(n)->setToolTip(QStringLiteral("Right-click to set the seconds"));
        }
        for (int n = slot::FirstQuick; n <= slot::LastQuick; ++n)
            SlotButton(n)->setToolTip(
                QStringLiteral("Click to start or stop; right-click shows the time left"));
    });
    for (int n = slot::FirstCountdown; n <= slot::LastCountdown; ++n) {
        SlotEdit(n)->setAccessibleDescription(QStringLiteral("The menu key sets the seconds"));
        SlotButton(n)->setAccessibleDescription(
            QStringLiteral("Space starts or stops the timer, the menu key edits it"));
    }
    for (RadioButton* snooze : SnoozeButtons())
        snooze->setAccessibleName(QStringLiteral("Snooze ") + snooze->text());
    DescribeControls();
}

QString MainWindow::SlotDescription(int N) const {
    const QString state = timers_.IsRinging(N)   ? QStringLiteral(", ringing")
                          : timers_.IsRunning(N) ? QStringLiteral(", running")
                                                 : QString();
    if (slot::IsQuick(N)) {
        const QString minutes = SlotButton(N)->text();
        return QStringLiteral("Quick timer %1 %2%3")
            .arg(minutes,
                 minutes == QLatin1String("1") ? QStringLiteral("minute")
                                               : QStringLiteral("minutes"),
                 state);
    }
    // The time it is set to: the time left is its box's to tell.
    const QString message = SlotButton(N)->text().trimmed();
    return QStringLiteral("Timer %1%2, %3%4")
        .arg(QString::number(N), message.isEmpty() ? QString() : QStringLiteral(": ") + message,
             settings_.Prefs().Line(N).left(8), state);
}

void MainWindow::DescribeControls() {
    if (!readers.listening)
        return;
    slot::ForEachSlot([this](int n) { Rename(SlotButton(n), SlotDescription(n)); });
    for (int n = slot::FirstCountdown; n <= slot::LastCountdown; ++n)
        Rename(SlotEdit(n),
               QStringLiteral("Timer %1 time left: %2").arg(n).arg(InWords(SlotEdit(n)->text())));
    Rename(pinButton, pinButton->Down() ? QStringLiteral("Keep on top (on)")
                                        : QStringLiteral("Keep on top (off)"));
    Rename(openAlarmHalfButton, alarmPanel->isHidden() ? QStringLiteral("Show alarm clock")
                                                       : QStringLiteral("Hide alarm clock"));
    const QString watch = stopwatchButton->text();
    Rename(stopwatchButton, watch == QLatin1String("SW") ? QStringLiteral("Stopwatch")
                            : stopwatch_.Running()
                                ? QStringLiteral("Stopwatch, running")
                                : QStringLiteral("Stopwatch, stopped at ") + watch);
    const struct {
        int number;
        TimePicker* time;
        BevelPanel* amPm;
        FlatButton* onOff;
    } alarms[] = {{1, alarm1Picker, alarm1AmPm, alarm1OnOff},
                  {2, alarm2Picker, alarm2AmPm, alarm2OnOff}};
    for (const auto& alarm : alarms) {
        const QString number = QString::number(alarm.number);
        Rename(alarm.time, QStringLiteral("Alarm %1 time %2:%3 %4")
                               .arg(number, alarm.time->sectionText(QDateTimeEdit::HourSection),
                                    alarm.time->sectionText(QDateTimeEdit::MinuteSection),
                                    alarm.amPm->Caption()));
        Rename(alarm.amPm, QStringLiteral("Alarm %1 %2").arg(number, alarm.amPm->Caption()));
        Rename(alarm.onOff, QStringLiteral("Alarm %1: %2").arg(number, alarm.onOff->text()));
    }
}

void MainWindow::Announce(int N) {
    if (!readers.listening)
        return;
    DescribeControls();
    if (!announcer_) {
        // A point of the window's background that draws nothing of its own.
        announcer_ = new QWidget(this);
        announcer_->setObjectName(QLatin1String(kAnnouncer));
        announcer_->setGeometry(0, 0, 1, 1);
        announcer_->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    announcer_->setProperty(kAnnouncer, SlotDescription(N));
    announcer_->hide();
    announcer_->show();
}
