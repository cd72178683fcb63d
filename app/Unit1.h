// The main window: ten countdown slots, twelve quick timers, the alarm
// clock half, the stopwatch and the clock. Its handlers keep the names of the
// controls and events they answer; each subsystem's folder defines its own.
#pragma once

#include "Controls.h"
#include "FormState.h"
#include "Guard.h"
#include "WindowTimer.h"
#include "platform/Platform.h"
#include "tray/TrayIcon.h"

#include <QDialog>
#include <QHash>
#include <QWidget>

class TAForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TAForm1(platform::Platform platform);
    ~TAForm1() override;

    // Shows the window centred on the primary screen, as at program start.
    void ShowCentred();

    // The component of that name, or nullptr.
    QObject* FindComponent(const QString& name) const { return components_.value(name); }
    template <typename T> T* Find(const QString& name) const {
        return qobject_cast<T*>(FindComponent(name));
    }

    TFormState State;

    // Background and title row.
    TImage* Image1;
    TSpeedButton* SpeedButton16Y;
    TSpeedButton* SpeedButton15X;
    TLabel* Label2;
    TImage* Image2;
    TLabel* Label8;
    TSpeedButton* SpeedButton18;
    TSpeedButton* SpeedButton21;
    TSpeedButton* SpeedButton35;
    TPanel* Panel14;
    TSpeedButton* SpeedButton15;
    TPanel* Panel47;
    TSpeedButton* SpeedButton20;

    // Bottom strip of the left half.
    TCheckBox* CheckBox1;
    TCheckBox* CheckBox2;
    TPanel* Panel20;
    TPanel* Panel21;
    TPanel* Panel11;
    TSpeedButton* SpeedButton11;
    TPanel* Panel35;
    TMemo* Memo2;
    TMemo* Memo1;

    // The message editor.
    TPanel* Panel12;
    TEdit* Edit11;
    TPanel* Panel13;
    TSpeedButton* SpeedButton12;
    TDateTimePicker* DateTimePicker1;
    TPanel* Panel15;
    TPanel* Panel16;
    TLabel* Label1;
    TPanel* Panel17;
    TPanel* Panel18;
    TPanel* Panel22;
    TSpeedButton* SpeedButton13;

    // The clock.
    TPanel* Panel19;
    TEdit* Edit12;

    // The alarm clock.
    TPanel* Panel45;
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label7;
    TDateTimePicker* DateTimePicker2;
    TDateTimePicker* DateTimePicker3;
    TRadioButton* RadioButton1;
    TRadioButton* RadioButton2;
    TRadioButton* RadioButton3;
    TRadioButton* RadioButton4;
    TRadioButton* RadioButton5;
    TRadioButton* RadioButton6;
    TRadioButton* RadioButton7;
    TPanel* Panel44;
    TSpeedButton* SpeedButton14;
    TCheckBox* CheckBox3;
    TPanel* Panel54;
    TPanel* Panel56;
    TPanel* Panel53;
    TSpeedButton* SpeedButton16;
    TSpeedButton* SpeedButton22;
    TPanel* Panel57;
    TPanel* Panel59;
    TSpeedButton* SpeedButton17;
    TPanel* Panel61;
    TSpeedButton* SpeedButton19;
    TCheckBox* CheckBox4;

    // Menus.
    TPopupMenu* PopupMenu1;
    TMenuItem* EditAlarmMessage1;
    TPopupMenu* PopupMenu2;
    TPopupMenu* PopupMenu3;
    TMenuItem* ClickMinimize1;
    TMenuItem* AlarmClock1;
    TMenuItem* Processes1;
    QMenu* Alarmdelay1;
    QMenu* Trayiconcolorchange1;
    TPopupMenu* PopupMenu4;
    TMenuItem* Clear1;
    TPopupMenu* PopupMenu5;
    TMenuItem* CloseNoSave1;

    // Non-visual parts.
    TTimer* Timer1;
    TTimer* Timer2;
    TTimer* Timer3;
    TTimer* Timer4;
    TTrayIcon* TrayIcon1;

    // The schedule dialog, once the scheduler exists.
    QDialog* Form3 = nullptr;

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

    // Shows or hides the slot rows and the bottom strip around the editor.
    void UpdateBtns(bool visible);
    // Puts the mouse pointer on the centre of a button, plus an offset.
    void CenterMouse(QWidget* button, int dx, int dy);

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
    void CreateControls();
    void RegisterComponents();
    void CreateMenus();
    void ConnectHandlers();

    // Enters a handler from one of Qt's signals through the error guard.
    template <typename Sender, typename Signal>
    void OnEvent(Sender* sender, Signal signal, void (TAForm1::*handler)(QObject*)) {
        connect(sender, signal, this,
                [this, sender, handler] { Guard([&] { (this->*handler)(sender); }); });
    }
    template <typename Sender, typename Signal>
    void OnMouseDown(Sender* sender, Signal signal,
                     void (TAForm1::*handler)(QObject*, Qt::MouseButton, QPoint)) {
        connect(sender, signal, this, [this, sender, handler](Qt::MouseButton button, QPoint pos) {
            Guard([&] { (this->*handler)(sender, button, pos); });
        });
    }

    platform::Platform platform_;
    QHash<QString, QObject*> components_;
};
