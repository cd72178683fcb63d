// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenReader.h"

#include "core/Guard.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QToolTip>

namespace {

// A panel that answers a click is a button a reader can press.
class PanelButton : public QAccessibleWidget {
public:
    explicit PanelButton(BevelPanel* panel)
        : QAccessibleWidget(panel, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        const QString own = QAccessibleWidget::text(kind);
        return kind == QAccessible::Name && own.isEmpty()
                   ? static_cast<const BevelPanel*>(object())->caption()
                   : own;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            emit static_cast<BevelPanel*>(object())->clicked();
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
QAccessibleInterface* windowParts(const QString& key, QObject* object) {
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
QString inWords(const QString& time) {
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

void rename(QWidget* control, const QString& name) {
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
}

// Whether an assistive tool (a screen reader) listens. The names are kept
// true only then, and brought up to date the moment one starts listening.
class ReaderWatch : public QAccessible::ActivationObserver {
public:
    ReaderWatch() { QAccessible::installActivationObserver(this); }
    void accessibilityActiveChanged(bool active) override {
        listening = active;
        if (!active)
            return;
        for (ScreenReader* reader : readers)
            guard([reader] { reader->describe(); });
    }
    bool listening = false;
    QList<ScreenReader*> readers;
};

// Made with the program, before the application object: it hears the
// first reader that comes.
ReaderWatch theWatch;

ReaderWatch& watch() {
    return theWatch;
}

} // namespace

void ScreenReader::prepare() {
    static const bool installed = [] {
        QAccessible::installFactory(windowParts);
        return true;
    }();
    Q_UNUSED(installed);
}

ScreenReader::ScreenReader(QWidget& window, const TimerRows& rows, const Timers& timers,
                           const Stopwatch& stopwatch, const AlarmClock& alarms,
                           const SettingsStore& settings, Controls controls, QObject* parent)
    : QObject(parent)
    , window_(window)
    , rows_(rows)
    , timers_(timers)
    , stopwatch_(stopwatch)
    , alarms_(alarms)
    , settings_(settings)
    , controls_(controls) {
    prepare();
    watch().readers.append(this);
    for (auto change : {&Timers::started, &Timers::resumed, &Timers::cleared, &Timers::expired})
        connect(&timers_, change, this, &ScreenReader::helpWithSeconds);
    for (int n = timer::FirstCountdown; n <= timer::LastCountdown; ++n) {
        helpWithSeconds(n);
        rows_.timerButton(n)->setAccessibleDescription(
            QStringLiteral("Space starts or stops the timer; the menu key opens its menu: "
                           "Edit Time / Message, Alert options"));
    }
    for (std::size_t i = 0; i < controls_.snooze.size(); ++i)
        controls_.snooze[i]->setAccessibleName(
            QStringLiteral("Snooze %1 min").arg(Options::kSnoozeMinutes[i]));
    describe();
}

ScreenReader::~ScreenReader() {
    watch().readers.removeAll(this);
}

void ScreenReader::addTips() {
    tipsAdded_ = true;
    for (int n = timer::FirstCountdown; n <= timer::LastCountdown; ++n) {
        rows_.timerButton(n)->setToolTip(
            QStringLiteral("Click to start or stop; right-click to set the time and message, or "
                           "how it alerts"));
        helpWithSeconds(n);
    }
    for (int n = timer::FirstQuick; n <= timer::LastQuick; ++n)
        rows_.timerButton(n)->setToolTip(
            QStringLiteral("Click to start or stop; right-click shows the time left"));
}

void ScreenReader::helpWithSeconds(int n) {
    if (!timer::isCountdown(n))
        return;
    const bool offered = timers_.stateOf(n) == Timers::State::Idle;
    rows_.box(n)->setAccessibleDescription(offered ? QStringLiteral("The menu key sets the seconds")
                                                   : QString());
    if (!tipsAdded_)
        return;
    rows_.box(n)->setToolTip(offered ? QStringLiteral("Right-click to set the seconds")
                                     : QString());
    // A tip already showing over the box would otherwise stay.
    if (!offered && QToolTip::isVisible() && rows_.box(n)->underMouse())
        QToolTip::hideText();
}

QString ScreenReader::timerDescription(int n) const {
    const QString state = timers_.isRinging(n)   ? QStringLiteral(", ringing")
                          : timers_.isRunning(n) ? QStringLiteral(", running")
                                                 : QString();
    if (timer::isQuick(n)) {
        const QString minutes = timers_.caption(n);
        return QStringLiteral("Quick timer %1 %2%3")
            .arg(minutes,
                 minutes == QLatin1String("1") ? QStringLiteral("minute")
                                               : QStringLiteral("minutes"),
                 state);
    }
    // The time it is set to: the time left is its box's to tell.
    const QString message = timers_.caption(n).trimmed();
    return QStringLiteral("Timer %1%2, %3%4")
        .arg(QString::number(n), message.isEmpty() ? QString() : QStringLiteral(": ") + message,
             settings_.prefs().line(n).left(8), state);
}

void ScreenReader::describe() {
    if (!watch().listening)
        return;
    timer::forEach([this](int n) { rename(rows_.timerButton(n), timerDescription(n)); });
    for (int n = timer::FirstCountdown; n <= timer::LastCountdown; ++n)
        rename(rows_.box(n),
               QStringLiteral("Timer %1 time left: %2").arg(n).arg(inWords(timers_.timeText(n))));
    FlatButton* pin = controls_.pin;
    rename(pin,
           pin->down() ? QStringLiteral("Keep on top (on)") : QStringLiteral("Keep on top (off)"));
    rename(controls_.alarmHalf, controls_.alarmPanel->isHidden()
                                    ? QStringLiteral("Show alarm clock")
                                    : QStringLiteral("Hide alarm clock"));
    rename(controls_.stopwatch, stopwatch_.atRest() ? QStringLiteral("Stopwatch")
                                : stopwatch_.running()
                                    ? QStringLiteral("Stopwatch, running")
                                    : QStringLiteral("Stopwatch, stopped at ") + stopwatch_.text());
    for (std::size_t i = 0; i < 2; ++i) {
        const QString number = QString::number(i + 1);
        TimePicker* time = controls_.alarmTimes[i];
        BevelPanel* amPm = controls_.alarmAmPm[i];
        rename(time, QStringLiteral("Alarm %1 time %2:%3 %4")
                         .arg(number, time->sectionText(QDateTimeEdit::HourSection),
                              time->sectionText(QDateTimeEdit::MinuteSection), amPm->caption()));
        rename(amPm, QStringLiteral("Alarm %1 %2").arg(number, amPm->caption()));
        rename(controls_.alarmOnOff[i],
               QStringLiteral("Alarm %1: %2")
                   .arg(number,
                        alarms_[int(i) + 1].on ? QStringLiteral("ON") : QStringLiteral("OFF")));
    }
}

void ScreenReader::announce(int n) {
    if (!watch().listening)
        return;
    describe();
    if (!announcer_) {
        // A point of the window's background that draws nothing of its own.
        announcer_ = new QWidget(&window_);
        announcer_->setObjectName(QLatin1String(kAnnouncer));
        announcer_->setGeometry(0, 0, 1, 1);
        announcer_->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    announcer_->setProperty(kAnnouncer, timerDescription(n));
    announcer_->hide();
    announcer_->show();
}
