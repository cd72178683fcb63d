// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, as a window: its controls, built from the layout's rows
// and kept by role for the features that own them; dragging by the title,
// pinning on top, hiding, the alarm half, the keyboard's focus, and the
// quit with its questions. What the controls show is the features'.
#pragma once

#include "Components.h"
#include "Keyboard.h"
#include "WindowState.h"
#include "core/Guard.h"
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

namespace layout {
struct ControlRow;
enum class Role;
} // namespace layout

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Hidden: built, then shown with showCentred(). OnScreenFirst: on screen
    // before its controls are built, as the program itself starts.
    // Background: never shown at start, its settings read all the same, as
    // the desktop's autostart starts it.
    enum class Start { Hidden, OnScreenFirst, Background };

    explicit MainWindow(platform::Platform platform, Start start = Start::Hidden);
    ~MainWindow() override;

    // The program around the window is put together: a window that went to
    // the screen first reads the settings now.
    void programReady();
    // Its controls by object name.
    const Components& controls() const { return components_; }
    // After each handler: the names a screen reader hears, and whatever
    // else the program brings up to date then, follow what it changed.
    void afterHandler();
    // An alert put the window on top; a click takes it down again unless
    // the user pinned it there.
    void lowerUnlessPinned();
    // A timer rang: the window comes back, on top, the pointer on its row.
    void bringBackForAlert(int pointerY);
    // In the middle of the primary screen.
    void centre();
    // Shows the window centred on the primary screen, as at program start.
    void showCentred();

    // The component of that name, of that class. A name that finds none
    // raises the program's error, so that the handler ends as on any other.
    template <typename T> T* control(const QString& name) const {
        return components_.find<T>(name);
    }

    // Work the window's first frame does not show waits until that frame
    // is on screen (or a moment, for a window that is not shown).
    void afterFirstFrame(std::function<void()> work);
    // What the title row's buttons and the two boxes do, on hovering.
    void addTips();

    // Window behaviour.
    void arrangeAtCreation();
    // The settings, read at the window's first activation.
    void loadAtFirstActivation();
    // Every close but "Close no save" writes the settings first.
    void saveBeforeClose();
    // The release of a key the window took.
    bool previewKeyUp(int key);
    void dragByTitle();
    void hideWindow();
    void togglePin();
    void toggleAlarmHalf();
    void quit();
    void closeNoSave();

    // The desktop ends the program: a request to end, or its terminal
    // gone. The settings are saved without a question, and a save that
    // fails ends the program all the same.
    void endSession();
    // The desktop is about to end the program (its session logs out), or
    // already has (its display is gone): the save runs now, asking nothing.
    void saveForSession();

    // The menu items of the seconds menu, "00" to "59".
    QList<MenuItem*> secondsItems() const;
    // The panels the message editor covers: the rows' and the bottom strip's.
    QList<QWidget*> underEditor() const;
    BevelPanel* slotPanel(int n) const;
    TextBox* slotEdit(int n) const;
    FlatButton* slotButton(int n) const;
    // The clock's box shares the seconds menu with the time boxes, but is
    // no timer's.
    void pressClockBox();

    // A click on a sound option leaves the keyboard at rest.
    void restKeyboard();
    // Puts the mouse pointer on the centre of a button, plus an offset.
    void centerMouse(QWidget* button, int dx, int dy);
    // Gives the keyboard to the panel of the first slot, where it rests
    // whenever no control needs it, unless Tab has brought it to a control
    // that is still there.
    void focusMainPanel();

    // The keyboard's ways about the window.
    const Keyboard& keyboard() const { return *keyboard_; }

    // The settings could not be read (the next activation tries again) or
    // written (the user decides whether to quit): told while the window
    // asks for them.
    void settingsFailed() { settingsFailed_ = true; }
    // The desktop is ending the program: nothing is asked any more.
    bool sessionEnding() const { return sessionEnding_; }
    // Whether a timer still counts down, which the quit asks about.
    void setTimersRunning(bool running) { timersRunning_ = running; }

signals:
    // The first activation, or the start in the background: the settings
    // are read now.
    void firstActivated();
    // Every close but "Close no save": the settings are written now.
    void closeRequested();
    // A key is about to reach the control that has the keyboard.
    void keyPressed(QObject* watched, int key);
    // A handler ran.
    void handled();
    // The window has closed for good; the program ends.
    void closed();
    // Escape, or hiding the window: the message editor closes unstored.
    void editorCancelled();
    // The alarm half opened or closed; an opened one's clock shows the time
    // at once.
    void alarmHalfShown(bool open);
    // The settings are in, at the first activation.
    void loaded();

protected:
    // The window's controls, by their part in it. The composition root
    // hands each feature its own once; the rest are the window's.
    WindowState State;

    // Background and title row.
    Picture* backgroundPicture;
    FlatButton* hideButton;
    FlatButton* closeButton;
    CaptionLabel* titleLabel;
    Picture* alarmBackgroundPicture;
    CaptionLabel* alarmTitleLabel;
    FlatButton* alarmHideButton;
    FlatButton* closeAlarmHalfButton;
    FlatButton* stopwatchButton;
    BevelPanel* titleStrip;
    FlatButton* pinButton;
    BevelPanel* alarmTitleStrip;
    FlatButton* openAlarmHalfButton;

    // Bottom strip of the left half.
    CheckBox* soundBox;
    CheckBox* recurBox;
    BevelPanel* soundStrip;
    BevelPanel* recurStrip;
    BevelPanel* quitPanel;
    FlatButton* quitButton;
    BevelPanel* timeLeftPopup;

    // The message editor.
    BevelPanel* editorPanel;
    TextBox* messageEdit;
    BevelPanel* editorOkPanel;
    FlatButton* editorOkButton;
    TimePicker* editorPicker;
    BevelPanel* editorCover1;
    BevelPanel* editorCover2;
    CaptionLabel* editorTimeLabel;
    BevelPanel* editorCover3;
    BevelPanel* editorCover4;
    BevelPanel* editorCover5;
    FlatButton* editorClearButton;

    // The clock.
    BevelPanel* clockPanel;
    TextBox* clockBox;

    // The alarm clock.
    BevelPanel* alarmPanel;
    CaptionLabel* alarm1Label;
    CaptionLabel* alarm2Label;
    CaptionLabel* snoozeLabel;
    TimePicker* alarm1Picker;
    TimePicker* alarm2Picker;
    RadioButton* snooze1Min;
    RadioButton* snooze3Min;
    RadioButton* snooze5Min;
    RadioButton* snooze9Min;
    RadioButton* snooze15Min;
    RadioButton* snooze20Min;
    RadioButton* snooze30Min;
    BevelPanel* alarm1OnOffPanel;
    FlatButton* alarm1OnOff;
    CheckBox* alarm1RecurBox;
    BevelPanel* alarm2AmPmFrame;
    BevelPanel* alarm2AmPm;
    BevelPanel* alarm1AmPmFrame;
    FlatButton* copyAlarm1Button;
    FlatButton* copyAlarm2Button;
    BevelPanel* alarm1AmPm;
    BevelPanel* alarm2OnOffPanel;
    FlatButton* alarm2OnOff;
    BevelPanel* testAlarmPanel;
    FlatButton* testAlarmButton;
    CheckBox* startOnBox;

    // Menus.
    PopupMenu* slotMenu;
    MenuItem* editMessageItem;
    MenuItem* slotAlertOptionsItem;
    PopupMenu* secondsMenu;
    PopupMenu* backgroundMenu;
    MenuItem* minimizeOnTimerItem;
    MenuItem* alarmClockItem;
    MenuItem* processesItem;
    MenuItem* startWithDesktopItem;
    MenuItem* alarm1AlertOptionsItem;
    MenuItem* alarm2AlertOptionsItem;
    QMenu* alarmDelayMenu;
    QMenu* trayColourMenu;
    PopupMenu* stopwatchMenu;
    MenuItem* clearStopwatchItem;
    PopupMenu* quitMenu;
    MenuItem* closeNoSaveItem;

    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class Quorbel;
    // Which member keeps the control of each role.
    struct RoleMember;
    static const RoleMember kRoleMembers[];

    void runAfterFirstFrame();
    std::vector<std::function<void()>> afterFirstFrame_;
    bool firstFrameDrawing_ = false;

    // The window's width, with the controls of the alarm half shown only
    // while it is open, so that nothing out of sight takes the keyboard.
    void setAlarmHalfOpen(bool open);
    // A save failed at close: the user decides whether to lose the settings.
    bool quitUnsaved();

    // The snooze lengths' buttons, shortest first.
    std::array<RadioButton*, 7> snoozeButtons() const {
        return {snooze1Min,  snooze3Min,  snooze5Min, snooze9Min,
                snooze15Min, snooze20Min, snooze30Min};
    }

    void createControls();
    // A row's menu, on the control made from it.
    void attachMenu(const layout::ControlRow& row, QWidget* control);
    // The keys that stand in for the mouse: whether one was taken.
    bool keyboardKey(QWidget* focus, const QKeyEvent& key);
    // The desktop's own menu key: whether it was taken as the keys are.
    bool keyboardMenu(QObject* watched, const QContextMenuEvent& event);
    // Points the window's member for the role, if it keeps one, at a control.
    void bindRole(layout::Role role, QObject* component);
    void registerComponents();
    void createMenus();
    void connectHandlers();

    // Runs a handler through the error guard, then brings the names a
    // screen reader hears up to date with what it changed.
    template <typename Handler> bool handle(Handler&& handler) {
        const bool done = guard(std::forward<Handler>(handler));
        afterHandler();
        return done;
    }
    // Enters a handler from one of Qt's signals that way.
    template <typename Sender, typename Signal>
    void on(Sender* sender, Signal signal, void (MainWindow::*handler)()) {
        connect(sender, signal, this, [this, handler] { handle([&] { (this->*handler)(); }); });
    }

    platform::Platform platform_;
    Start start_;
    // What became of reading "prefs.qbx"; nothing before the first load,
    // and a store never loaded is never written.

    // The desktop is ending the program: nothing is asked any more.
    bool sessionEnding_ = false;
    bool timersRunning_ = false;
    bool settingsFailed_ = false;
    // Inside the close, which may be waiting on a question; and past it.
    bool closing_ = false;
    bool closed_ = false;
    Components components_;
    // Made once the controls are.
    std::optional<Keyboard> keyboard_;
};
