// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: ten countdown slots, twelve quick timers, the alarm
// clock half, the stopwatch and the clock. Its handlers keep the names of the
// controls and events they answer; each subsystem's folder defines its own.
#pragma once

#include "Guard.h"
#include "WindowState.h"
#include "core/TextFile.h"
#include "core/UserFiles.h"
#include "models/AlarmClock.h"
#include "models/SettingsStore.h"
#include "models/Stopwatch.h"
#include "platform/Platform.h"
#include "widgets/Controls.h"
#include "widgets/IntervalTimer.h"

#include <QDialog>
#include <QHash>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class ScheduleDialog;
class TrayIcon;

// A process runs a program when its executable, its first argument, or for
// a script the file its interpreter runs, has the program's file name (or
// that of the file its link points to), the letters a to z in either case.
struct RunningCopy {
    // The program itself runs it.
    bool itself = false;
    // The first process that runs it and that one line of a text file may
    // end: the user may signal it, and it is neither the system's first
    // process nor one the program was started from (its parents, up to
    // its session); 0 when none.
    qint64 pid = 0;
};
RunningCopy FindProcess(const QList<platform::RunningProcess>& table,
                        const platform::Launchable& program, qint64 self);

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The program's key numbers are the original platform's virtual keys.
    static constexpr int VK_RETURN = 13;

    // Hidden: built, then shown with ShowCentred(). OnScreenFirst: on screen
    // before its controls are built, as the program itself starts.
    enum class Start { Hidden, OnScreenFirst };

    explicit MainWindow(platform::Platform platform, Start start = Start::Hidden);
    ~MainWindow() override;

    // Shows the window centred on the primary screen, as at program start.
    void ShowCentred();

    // The component of that name, of that class. A name that finds none
    // raises the program's error, so that the handler ends as on any other.
    QObject* FindComponent(const QString& name) const { return Find<QObject>(name); }
    template <typename T> T* Find(const QString& name) const {
        if (T* found = qobject_cast<T*>(components_.value(name)))
            return found;
        throw EProgramError("no component " + name.toStdString());
    }

    WindowState State;

    // Background and title row.
    Picture* Image1;
    FlatButton* SpeedButton16Y;
    FlatButton* SpeedButton15X;
    CaptionLabel* Label2;
    Picture* Image2;
    CaptionLabel* Label8;
    FlatButton* SpeedButton18;
    FlatButton* SpeedButton21;
    FlatButton* SpeedButton35;
    BevelPanel* Panel14;
    FlatButton* SpeedButton15;
    BevelPanel* Panel47;
    FlatButton* SpeedButton20;

    // Bottom strip of the left half.
    CheckBox* CheckBox1;
    CheckBox* CheckBox2;
    BevelPanel* Panel20;
    BevelPanel* Panel21;
    BevelPanel* Panel11;
    FlatButton* SpeedButton11;
    BevelPanel* Panel35;

    // The message editor.
    BevelPanel* Panel12;
    TextBox* Edit11;
    BevelPanel* Panel13;
    FlatButton* SpeedButton12;
    TimePicker* DateTimePicker1;
    BevelPanel* Panel15;
    BevelPanel* Panel16;
    CaptionLabel* Label1;
    BevelPanel* Panel17;
    BevelPanel* Panel18;
    BevelPanel* Panel22;
    FlatButton* SpeedButton13;

    // The clock.
    BevelPanel* Panel19;
    TextBox* Edit12;

    // The alarm clock.
    BevelPanel* Panel45;
    CaptionLabel* Label4;
    CaptionLabel* Label5;
    CaptionLabel* Label7;
    TimePicker* DateTimePicker2;
    TimePicker* DateTimePicker3;
    RadioButton* RadioButton1;
    RadioButton* RadioButton2;
    RadioButton* RadioButton3;
    RadioButton* RadioButton4;
    RadioButton* RadioButton5;
    RadioButton* RadioButton6;
    RadioButton* RadioButton7;
    BevelPanel* Panel44;
    FlatButton* SpeedButton14;
    CheckBox* CheckBox3;
    BevelPanel* Panel54;
    BevelPanel* Panel56;
    BevelPanel* Panel53;
    FlatButton* SpeedButton16;
    FlatButton* SpeedButton22;
    BevelPanel* Panel57;
    BevelPanel* Panel59;
    FlatButton* SpeedButton17;
    BevelPanel* Panel61;
    FlatButton* SpeedButton19;
    CheckBox* CheckBox4;

    // Menus.
    PopupMenu* PopupMenu1;
    MenuItem* EditAlarmMessage1;
    PopupMenu* PopupMenu2;
    PopupMenu* PopupMenu3;
    MenuItem* ClickMinimize1;
    MenuItem* AlarmClock1;
    MenuItem* Processes1;
    QMenu* Alarmdelay1;
    QMenu* Trayiconcolorchange1;
    PopupMenu* PopupMenu4;
    MenuItem* Clear1;
    PopupMenu* PopupMenu5;
    MenuItem* CloseNoSave1;

    // Non-visual parts.
    IntervalTimer* Timer1;
    IntervalTimer* Timer2;
    IntervalTimer* Timer3;
    IntervalTimer* Timer4;
    TrayIcon* TrayIcon1 = nullptr;

    // The schedule dialog; it makes itself known here when created.
    ScheduleDialog* Form3 = nullptr;
    // Creates it, hidden, as the program's start does.
    void CreateScheduleDialog();

    // Work the window's first frame does not show waits until that frame
    // is on screen (or a moment, for a window that is not shown).
    void AfterFirstFrame(std::function<void()> work);

    // Window behaviour.
    void FormCreate(QObject* Sender);
    void FormActivate(QObject* Sender);
    void FormCloseQuery(QObject* Sender, bool& CanClose);
    void FormKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
    void FormKeyUp(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
    void Panel19MouseDown(QObject* Sender, Qt::MouseButton Button, QPoint pos);
    void SpeedButton15XClick(QObject* Sender);
    void SpeedButton16YClick(QObject* Sender);
    void SpeedButton15Click(QObject* Sender);
    void AlarmClock1Click(QObject* Sender);
    void SpeedButton18Click(QObject* Sender);
    void SpeedButton20Click(QObject* Sender);
    void ClickMinimize1Click(QObject* Sender);
    void N10sec1Click(QObject* Sender);
    void Processes1Click(QObject* Sender);
    void SpeedButton11Click(QObject* Sender);
    void CloseNoSave1Click(QObject* Sender);

    // Acts on a command line: the program's own, once its settings are
    // loaded, or one a later start handed over.
    void RunCommand(const QStringList& arguments, bool handedOver);

    // The desktop ends the program: a request to end, or its terminal
    // gone. The settings are saved without a question, and a save that
    // fails ends the program all the same.
    void EndSession();
    // The desktop is about to end the program (its session logs out), or
    // already has (its display is gone): the save runs now, asking nothing.
    void SaveForSession();

    // Slots: the controls of slot N, found by composed name, and its state.
    QWidget* FindSlotControl(const QString& prefix, int N) const;
    BevelPanel* SlotPanel(int N) const;
    TextBox* SlotEdit(int N) const;
    FlatButton* SlotButton(int N) const;
    bool AnySlotRinging() const;
    // How a slot is named to the desktop: a countdown by its message (or
    // "Timer n" without one), a quick timer as "Quick timer n min".
    QString SlotLabel(int N) const;
    // The running timers with their seconds left, the nearest to running
    // out first.
    struct RunningTimer {
        int slot;
        QString label;
        int left;
    };
    QList<RunningTimer> RunningTimers() const;
    void SpeedButton1MouseMove(QObject* Sender, QPoint pos);
    void SpeedButton1MouseDown(QObject* Sender, Qt::MouseButton Button, QPoint pos);
    void Edit1MouseDown(QObject* Sender, Qt::MouseButton Button, QPoint pos);
    void SpeedButton23MouseDown(QObject* Sender, Qt::MouseButton Button, QPoint pos);

    // The tray icon brings the window back; its tip names the running
    // timers, and its menu shows the window, stops a timer or quits.
    void TrayIcon1Click(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                        QPoint pos);
    void UpdateTrayHint();
    // The menu's entries for the running timers, and their times.
    void SettleTrayMenu();

    // Notifications on the desktop: a timer run out, an alarm rung, taken
    // back when acknowledged; "Stop" on one acknowledges as Enter does.
    void NotifyExpiry(int N);
    void NotifyAlarm(int alarm);
    void WithdrawNotification(int key);
    void WithdrawAlarmNotification(int alarm);
    void NotificationStop(int key);

    // Quick timers.
    void SpeedButton23Click(QObject* Sender);
    // What a click on slot N's button does: start, stop or acknowledge it.
    void ToggleSlot(int N);

    // The alarm clock.
    void SpeedButton14Click(QObject* Sender);
    void SpeedButton17Click(QObject* Sender);
    void Panel57Click(QObject* Sender);
    void Panel56Click(QObject* Sender);
    void DateTimePicker2Change(QObject* Sender);
    void SpeedButton16Click(QObject* Sender);
    void SpeedButton22Click(QObject* Sender);
    void SpeedButton19Click(QObject* Sender);
    void RadioButton1Click(QObject* Sender);
    void Timer3Timer(QObject* Sender);
    // An alarm's controls as the alarm clock holds it.
    void ShowAlarm(int alarm);
    // Alarm 1 rings: in its minute, or its alert repeating after it.
    bool Alarm1Ringing() const;
    // Alarm 2 has rung and snoozes.
    bool Alarm2Snoozing() const;
    void SwitchAlarm2Off();

    // The scheduler: the run once a minute, and ending the running copy
    // of a program, which it returns.
    void Timer4Timer(QObject* Sender);
    RunningCopy FileKill(const platform::Launchable& program);

    // The stopwatch.
    void SpeedButton35Click(QObject* Sender);
    void Clear1Click(QObject* Sender);

    // The one-second tick.
    void Timer1Timer(QObject* Sender);
    void ExpireSlot(int N);

    // Countdown slot commands and the message editor.
    void SpeedButton1Click(QObject* Sender);
    void EditAlarmMessage1Click(QObject* Sender);
    void SpeedButton12Click(QObject* Sender);
    void Edit11KeyPress(QObject* Sender, int& Key);
    void SpeedButton13Click(QObject* Sender);
    void N01Click(QObject* Sender);

    // The expiry alert.
    void Timer2Timer(QObject* Sender);
    void CheckBox1Click(QObject* Sender);
    void PlayAlertSound(const QString& name);

    // Shows or hides the slot rows and the bottom strip around the editor.
    void UpdateBtns(bool visible);
    // Closes the message editor, storing nothing.
    void CloseMessageEditor();
    // Where the user's files are, and what they hold.
    const UserFiles& Files() const { return files_; }
    SettingsStore& Settings() { return settings_; }
    Stopwatch& StopwatchModel() { return stopwatch_; }
    AlarmClock& Alarms() { return alarms_; }
    // Replaces one of them (one of file::) in one step; the program's error
    // when it cannot.
    void WriteUserFile(const QString& name, const QByteArray& bytes);
    // Puts the mouse pointer on the centre of a button, plus an offset.
    void CenterMouse(QWidget* button, int dx, int dy);
    // Gives the keyboard to the panel of the first slot, where it rests
    // whenever no control needs it, unless Tab has brought it to a control
    // that is still there.
    void FocusMainPanel();

    // The keyboard: whether Tab moved it since the last mouse press, and
    // giving a control back the keyboard it had.
    bool KeyboardMode() const;
    void ReturnKeyboardTo(QWidget* control);

    // What a screen reader hears: every control's name, kept true to what
    // it shows; and a timer that starts or rings, announced.
    void MakeAccessible();
    void NameControls();
    void DescribeControls();
    void Announce(int N);

    // Whether any countdown or quick-timer slot is counting down.
    bool AnySlotRunning() const;

    // Settings: "PgmStart" loads, "ParmUpdate" saves, anything else nothing.
    // Virtual so that tests can watch or fail the load and the save.
    virtual void InitializeParameters(const QString& mode);

signals:
    // The window has closed for good; the program ends.
    void Closed();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RunAfterFirstFrame();
    std::vector<std::function<void()>> afterFirstFrame_;
    bool firstFrameDrawing_ = false;

    // The window's width, with the controls of the alarm half shown only
    // while it is open, so that nothing out of sight takes the keyboard.
    void SetAlarmHalfOpen(bool open);
    // A save failed at close: the user decides whether to lose the settings.
    bool QuitUnsaved();
    // The countdown slot named by CurrentSlotName; an error when it names none.
    int CurrentSlot() const;
    void ToggleQuickSlot(int N);
    void StepCountdownSlot(int N, int seconds);
    void StepQuickSlot(int N, int seconds);
    // Back to the clock in the tray once no countdown is in its last minute.
    void ReleaseTrayNumber();
    void AcknowledgeRingingSlots(int Key);
    void SilenceAlarms(int Key);
    // Back to idle: flags cleared, the idle look, a countdown's set time.
    void ClearCountdownSlot(int N);
    void ClearQuickSlot(int N);
    // Steps of the tick that belong to the stopwatch, the clock and the alarms.
    // The stopwatch's button as the stopwatch stands.
    void ShowStopwatch();
    void ClockStep();
    void Alarm1Check();
    void Alarm2Check();

    // Starts the next of the records due, one after the other.
    void LaunchNext();

    void LoadSettings();
    void ApplyPrefs();
    void SaveSettings();
    // An alarm's time or AM/PM differs from what the settings hold.
    bool AlarmsDifferFromSaved() const;
    std::array<RadioButton*, 7> SnoozeButtons() const {
        return {RadioButton1, RadioButton2, RadioButton3, RadioButton4,
                RadioButton5, RadioButton6, RadioButton7};
    }

    void CreateControls();
    void CreateTrayIcon();
    // Tab in reading order, and the keys that stand in for the mouse.
    void SetTabOrder();
    bool KeyboardKey(QWidget* focus, const QKeyEvent& key);
    void TabFromRest(QWidget* rest, bool forward);
    void OpenMenuFor(QWidget* focus);
    // The desktop's own menu key: whether it was taken as the keys are.
    bool KeyboardMenu(QObject* watched, QContextMenuEvent* event);
    void LeaveKeyboardMode(QObject* pressed);
    bool KeepsKeyboard(const QWidget* focus) const;
    // How a slot's button names itself: its timer, message, time and state.
    QString SlotDescription(int N) const;
    // Points the window's member, if the layout names one, at a component.
    template <typename Field> void Bind(const Field& field, QObject* component);
    void RegisterComponents();
    void CreateMenus();
    void ConnectHandlers();

    // Runs a handler through the error guard, then brings the names a
    // screen reader hears up to date with what it changed.
    template <typename Handler> bool Handle(Handler&& handler) {
        const bool done = Guard(std::forward<Handler>(handler));
        Guard([this] { DescribeControls(); });
        Guard([this] { SettleTrayMenu(); });
        return done;
    }
    // Enters a handler from one of Qt's signals that way; the handler gets
    // the sender and the signal's leading arguments.
    template <typename Sender, typename Signal, typename... Args>
    void On(Sender* sender, Signal signal, void (MainWindow::*handler)(QObject*, Args...)) {
        connect(sender, signal, this, [this, sender, handler](Args... args) {
            Handle([&] { (this->*handler)(sender, args...); });
        });
    }

    platform::Platform platform_;
    UserFiles files_;
    // The slot the message editor was opened for.
    int editorSlot_ = 0;
    // The clock since boot up to which the tick has counted its seconds.
    qint64 counted_ = 0;
    // Past a day every timer has run out: no stall is counted longer.
    static constexpr qint64 kLongestGap = 100 * 3600;
    // The minute of the clock the schedule last ran in.
    int lastScheduleMinute_ = -1;
    // The files of the records due and not yet started, and whether one
    // is between its end and its start.
    QStringList launches_;
    bool launching_ = false;
    // What became of reading "prefs.qbx"; nothing before the first load,
    // and a store never loaded is never written.

    SettingsStore settings_;
    Stopwatch stopwatch_;
    AlarmClock alarms_;
    // The desktop is ending the program: nothing is asked any more.
    bool sessionEnding_ = false;
    // Inside the close, which may be waiting on a question; and past it.
    bool closing_ = false;
    bool closed_ = false;
    // A command line waiting for the settings to load.
    QStringList pendingCommand_;
    bool pendingHandedOver_ = false;
    QHash<QString, QObject*> components_;
    // The tray menu: an entry for each running timer, before the last
    // separator; the slots they are for; whether a panel shows it now.
    QList<QAction*> trayTimerEntries_;
    QList<int> trayMenuSlots_;
    QAction* trayTimersEnd_ = nullptr;
    bool trayMenuOpen_ = false;
    QTimer trayMenuShowing_;
    // Speaks for the window to a screen reader.
    QWidget* announcer_ = nullptr;
    // The slots' buttons, looked at by every tick, found once.
    mutable std::array<FlatButton*, slot::LastQuick + 1> slotButtons_{};
};
