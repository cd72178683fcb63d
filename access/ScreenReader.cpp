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

// A count of one unit of a time, in words. One has its own text: the
// source texts are what English readers hear, and "%n hours" reads right
// for every count but one; a language's plural forms cover the rest.
QString unitInWords(int unit, int value) {
    switch (unit) {
    case 0:
        return value == 1 ? QCoreApplication::translate("ScreenReader", "1 hour")
                          : QCoreApplication::translate("ScreenReader", "%n hours", nullptr, value);
    case 1:
        return value == 1
                   ? QCoreApplication::translate("ScreenReader", "1 minute")
                   : QCoreApplication::translate("ScreenReader", "%n minutes", nullptr, value);
    default:
        return value == 1
                   ? QCoreApplication::translate("ScreenReader", "1 second")
                   : QCoreApplication::translate("ScreenReader", "%n seconds", nullptr, value);
    }
}

// "00:05:08" as "5 minutes, 8 seconds"; a zero time as "0 seconds".
QString inWords(const QString& time) {
    const QStringList fields = time.split(u':');
    QString words;
    for (int i = 0; i < 3 && i < fields.size(); ++i) {
        const int value = fields[i].toInt();
        if (value == 0)
            continue;
        //: Joins the parts of a time said in words: 5 minutes, 8 seconds
        words = words.isEmpty() ? unitInWords(i, value)
                                : QCoreApplication::translate("ScreenReader", "%1, %2")
                                      .arg(words, unitInWords(i, value));
    }
    return words.isEmpty() ? QCoreApplication::translate("ScreenReader", "0 seconds") : words;
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
            //: Edit Time / Message and Alert options are the entries of the timer's menu
            tr("Space starts or stops the timer; the menu key opens its menu: "
               "Edit Time / Message, Alert options"));
    }
    for (std::size_t i = 0; i < controls_.snooze.size(); ++i)
        controls_.snooze[i]->setAccessibleName(tr("Snooze %1 min").arg(Options::kSnoozeMinutes[i]));
    describe();
}

ScreenReader::~ScreenReader() {
    watch().readers.removeAll(this);
}

void ScreenReader::addTips() {
    tipsAdded_ = true;
    for (int n = timer::FirstCountdown; n <= timer::LastCountdown; ++n) {
        rows_.timerButton(n)->setToolTip(
            tr("Click to start or stop; right-click to set the time and message, or "
               "how it alerts"));
        helpWithSeconds(n);
    }
    for (int n = timer::FirstQuick; n <= timer::LastQuick; ++n)
        rows_.timerButton(n)->setToolTip(
            tr("Click to start or stop; right-click shows the time left"));
}

void ScreenReader::helpWithSeconds(int n) {
    if (!timer::isCountdown(n))
        return;
    const bool offered = timers_.stateOf(n) == Timers::State::Idle;
    rows_.box(n)->setAccessibleDescription(offered ? tr("The menu key sets the seconds")
                                                   : QString());
    if (!tipsAdded_)
        return;
    rows_.box(n)->setToolTip(offered ? tr("Right-click to set the seconds") : QString());
    // A tip already showing over the box would otherwise stay.
    if (!offered && QToolTip::isVisible() && rows_.box(n)->underMouse())
        QToolTip::hideText();
}

QString ScreenReader::timerDescription(int n) const {
    QString timer;
    if (timer::isQuick(n)) {
        // Its caption is its length in whole minutes.
        const int minutes = timers_.caption(n).toInt();
        timer = minutes == 1 ? tr("Quick timer 1 minute")
                             : tr("Quick timer %n minutes", nullptr, minutes);
    } else {
        // The time it is set to: the time left is its box's to tell.
        const QString message = rows_.captionShown(n).trimmed();
        const QString set = settings_.prefs().line(n).left(8);
        //: %1 is the timer's number, %2 the time it is set to (00:25:00)
        timer = message.isEmpty() ? tr("Timer %1, %2").arg(QString::number(n), set)
                                  //: %1 is the timer's number, %2 its message, %3 its time
                                  : tr("Timer %1: %2, %3").arg(QString::number(n), message, set);
    }
    //: %1 names a timer and its time
    return timers_.isRinging(n) ? tr("%1, ringing").arg(timer)
           //: %1 names a timer and its time
           : timers_.isRunning(n) ? tr("%1, running").arg(timer)
                                  : timer;
}

void ScreenReader::describe() {
    if (!watch().listening)
        return;
    timer::forEach([this](int n) { rename(rows_.timerButton(n), timerDescription(n)); });
    for (int n = timer::FirstCountdown; n <= timer::LastCountdown; ++n)
        rename(rows_.box(n),
               //: %2 is a time in words: 5 minutes, 8 seconds
               tr("Timer %1 time left: %2").arg(n).arg(inWords(timers_.timeText(n))));
    FlatButton* pin = controls_.pin;
    rename(pin, pin->down() ? tr("Keep on top (on)") : tr("Keep on top (off)"));
    rename(controls_.alarmHalf,
           controls_.alarmPanel->isHidden() ? tr("Show alarm clock") : tr("Hide alarm clock"));
    //: %1 is the stopwatch's time, 1:05 or 2h10
    const QString stopped = tr("Stopwatch, stopped at %1").arg(stopwatch_.text());
    rename(controls_.stopwatch, stopwatch_.atRest()    ? tr("Stopwatch")
                                : stopwatch_.running() ? tr("Stopwatch, running")
                                                       : stopped);
    for (std::size_t i = 0; i < 2; ++i) {
        const QString number = QString::number(i + 1);
        TimePicker* time = controls_.alarmTimes[i];
        BevelPanel* amPm = controls_.alarmAmPm[i];
        //: %2:%3 are the alarm's hour and minutes on its twelve-hour dial, %4 is AM or PM
        rename(time, tr("Alarm %1 time %2:%3 %4")
                         .arg(number, time->sectionText(QDateTimeEdit::HourSection),
                              time->sectionText(QDateTimeEdit::MinuteSection), amPm->caption()));
        //: %2 is AM or PM, which the user clicks to change
        rename(amPm, tr("Alarm %1 %2").arg(number, amPm->caption()));
        rename(controls_.alarmOnOff[i], alarms_[int(i) + 1].on ? tr("Alarm %1: ON").arg(number)
                                                               : tr("Alarm %1: OFF").arg(number));
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
