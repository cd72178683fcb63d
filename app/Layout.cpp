// What the main window holds at start: every control where the design puts
// it, bottom of the drawing order first.
#include "Colors.h"
#include "Unit1.h"
#include "settings/Prefs.h"

#include <QImage>

namespace {

using Bevel = TPanel::Bevel;

const QString kMsSansSerif = QStringLiteral("MS Sans Serif");
const QString kMicrosoftSansSerif = QStringLiteral("Microsoft Sans Serif");
const QString kArial = QStringLiteral("Arial");

QString Numbered(const char* prefix, int n) {
    return QLatin1String(prefix) + QString::number(n);
}

// The time boxes and the clock: white on blue, never reached by Tab.
TEdit* TimeBox(QWidget* parent, const QString& name, QRect bounds, const QFont& font) {
    auto* edit = new TEdit(parent, name, bounds, QStringLiteral("00:00:00"));
    edit->SetColor(clr::Blue);
    edit->SetFontColor(clr::White);
    edit->setFont(font);
    edit->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

TLabel* NavyLabel(QWidget* parent, const QString& name, QRect bounds, const QString& caption) {
    auto* label = new TLabel(parent, name, bounds, caption);
    label->SetFontColor(clr::Navy);
    return label;
}

TLabel* TitleLabel(QWidget* parent, const QString& name, QRect bounds, const QString& caption) {
    auto* label = NavyLabel(parent, name, bounds, caption);
    label->setFont(DesignFont(kMsSansSerif, 11, true));
    label->SetColor(clr::TitleStrip);
    return label;
}

TSpeedButton* AlarmHalfButton(QWidget* parent, const QString& name, QRect bounds) {
    auto* button = new TSpeedButton(parent, name, bounds, QStringLiteral("A"));
    button->setFont(DesignFont(kMicrosoftSansSerif, 11, true));
    button->SetFontColor(clr::Maroon);
    return button;
}

TSpeedButton* HideButton(QWidget* parent, const QString& name, QRect bounds) {
    auto* button = new TSpeedButton(parent, name, bounds, QString());
    button->SetGlyph(QStringLiteral(":/bar.png"));
    button->SetMargin(18);
    return button;
}

// A navy check box on the panel colour that Tab passes by.
TCheckBox* OptionBox(QWidget* parent, const QString& name, QRect bounds, const QString& caption,
                     bool checked) {
    auto* box = new TCheckBox(parent, name, bounds, caption, checked);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, ToQColor(clr::Background));
    palette.setColor(QPalette::WindowText, ToQColor(clr::Navy));
    box->setPalette(palette);
    box->setBackgroundRole(QPalette::Window);
    box->setAutoFillBackground(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

TDateTimePicker* Picker(QWidget* parent, const QString& name, QRect bounds) {
    auto* picker = new TDateTimePicker(parent, name, bounds);
    picker->setFont(DesignFont(kArial, 13));
    QPalette palette = picker->palette();
    palette.setColor(QPalette::Base, ToQColor(clr::Background));
    palette.setColor(QPalette::Text, ToQColor(clr::Navy));
    picker->setPalette(palette);
    picker->SetTime(QTime(12, 0, 0));
    return picker;
}

// A panel that holds one flat button inset by a pixel, the design's way of
// framing a button.
TSpeedButton* FramedButton(TPanel* frame, const QString& name, const QString& caption) {
    return new TSpeedButton(frame, name, QRect(1, 1, frame->width() - 2, frame->height() - 2),
                            caption);
}

TPanel* AmPmPanel(QWidget* parent, const QString& name) {
    auto* panel = new TPanel(parent, name, QRect(-1, 3, 22, 17), clr::Background);
    panel->SetCaption(QStringLiteral("AM"));
    panel->setFont(DesignFont(kMicrosoftSansSerif, 11));
    panel->SetFontColor(clr::Maroon);
    return panel;
}

} // namespace

void TAForm1::CreateControls() {
    const QImage background(QStringLiteral(":/background.gif"));

    // Background and title row.
    Image1 = new TImage(this, QStringLiteral("Image1"), QRect(0, 0, 298, 239), background);
    SpeedButton16Y = HideButton(this, QStringLiteral("SpeedButton16Y"), QRect(245, 8, 30, 14));
    SpeedButton15X =
        new TSpeedButton(this, QStringLiteral("SpeedButton15X"), QRect(275, 8, 14, 14), QString());
    SpeedButton15X->SetGlyph(QStringLiteral(":/x.png"));
    Label2 =
        TitleLabel(this, QStringLiteral("Label2"), QRect(12, 8, 59, 13), QStringLiteral("Quorbel"));
    Image2 = new TImage(this, QStringLiteral("Image2"), QRect(298, 0, 298, 239), background);
    Label8 = TitleLabel(this, QStringLiteral("Label8"), QRect(311, 8, 68, 13),
                        QStringLiteral("Alarm Clock"));
    SpeedButton18 = HideButton(this, QStringLiteral("SpeedButton18"), QRect(557, 8, 30, 14));
    SpeedButton21 = AlarmHalfButton(this, QStringLiteral("SpeedButton21"), QRect(539, 8, 18, 14));
    SpeedButton35 = new TSpeedButton(this, QStringLiteral("SpeedButton35"), QRect(120, 7, 39, 16),
                                     QStringLiteral("SW"));
    SpeedButton35->setFont(DesignFont(QStringLiteral("Small Fonts"), 8));
    Panel14 = new TPanel(this, QStringLiteral("Panel14"), QRect(224, 8, 21, 14), clr::TitleStrip);
    SpeedButton15 =
        new TSpeedButton(Panel14, QStringLiteral("SpeedButton15"), QRect(3, 0, 18, 14), QString());
    SpeedButton15->SetGlyph(QStringLiteral(":/pin.png"));
    SpeedButton15->setCheckable(true);
    Panel47 = new TPanel(this, QStringLiteral("Panel47"), QRect(209, 8, 18, 14), clr::TitleStrip);
    SpeedButton20 = AlarmHalfButton(Panel47, QStringLiteral("SpeedButton20"), QRect(0, 0, 18, 14));

    // Countdown rows: slots 1 to 5 in the left column, 6 to 10 beside them.
    for (int n = 1; n <= 10; ++n) {
        const int left = n <= 5 ? 5 : 148;
        const int top = 31 + 31 * ((n - 1) % 5);
        auto* row = new TPanel(this, Numbered("Panel", n), QRect(left, top, 145, 33),
                               clr::Background, Bevel::Lowered);
        TimeBox(row, Numbered("Edit", n), QRect(5, 4, 56, 24), DesignFont(kArial, 13));
        new TSpeedButton(row, Numbered("SpeedButton", n), QRect(65, 5, 75, 23),
                         QStringLiteral("Message"));
    }

    // Bottom strip.
    CheckBox1 = OptionBox(this, QStringLiteral("CheckBox1"), QRect(10, 215, 52, 17),
                          QStringLiteral("Sound"), true);
    CheckBox2 = OptionBox(this, QStringLiteral("CheckBox2"), QRect(240, 215, 50, 17),
                          QStringLiteral("Recur"), true);
    Panel20 = new TPanel(this, QStringLiteral("Panel20"), QRect(7, 215, 3, 17), clr::Background);
    Panel21 = new TPanel(this, QStringLiteral("Panel21"), QRect(237, 215, 3, 17), clr::Background);
    static constexpr QPoint kCornerDots[] = {{61, 231},  {7, 215},   {7, 231},   {237, 215},
                                             {237, 231}, {289, 215}, {289, 231}, {61, 215}};
    for (int i = 0; i < 8; ++i)
        new TPanel(this, Numbered("Panel", 36 + i), QRect(kCornerDots[i], QSize(1, 1)),
                   clr::CornerDot);
    Panel11 = new TPanel(this, QStringLiteral("Panel11"), QRect(123, 211, 51, 24), clr::ButtonPanel,
                         Bevel::Lowered);
    SpeedButton11 = FramedButton(Panel11, QStringLiteral("SpeedButton11"), QStringLiteral("Quit"));
    Panel35 = new TPanel(this, QStringLiteral("Panel35"), QRect(78, 215, 29, 14), clr::Popup);
    Panel35->SetFontColor(clr::Navy);
    Panel35->hide();
    Memo2 = new TMemo(this, QStringLiteral("Memo2"), QRect(83, 215, 29, 16));
    Memo2->Lines.SetText(QStringLiteral("Memo1"));
    Memo1 = new TMemo(this, QStringLiteral("Memo1"), QRect(195, 215, 29, 16));
    Memo1->Lines.SetText(DefaultPrefsText());

    // Quick timers, one row under the countdown slots.
    static const char* const kQuickCaptions[] = {"1", "2", "3", "4",  "5",  "6",
                                                 "7", "8", "9", "10", "15", "20"};
    for (int n = 23; n <= 34; ++n) {
        auto* frame = new TPanel(this, Numbered("Panel", n), QRect(5 + 24 * (n - 23), 190, 24, 19),
                                 clr::Background, Bevel::Lowered);
        FramedButton(frame, Numbered("SpeedButton", n), QLatin1String(kQuickCaptions[n - 23]));
    }

    // The message editor, hidden until a slot is edited.
    Panel12 = new TPanel(this, QStringLiteral("Panel12"), QRect(5, 87, 288, 64), clr::Background,
                         Bevel::Lowered);
    Panel12->hide();
    Edit11 = new TEdit(Panel12, QStringLiteral("Edit11"), QRect(5, 4, 278, 24),
                       QStringLiteral("message"));
    Edit11->SetColor(clr::Blue);
    Edit11->SetFontColor(clr::White);
    Edit11->setFont(DesignFont(kMsSansSerif, 13));
    Panel13 = new TPanel(Panel12, QStringLiteral("Panel13"), QRect(110, 34, 149, 24),
                         clr::ButtonPanel, Bevel::Lowered);
    SpeedButton12 = FramedButton(Panel13, QStringLiteral("SpeedButton12"), QStringLiteral("OK"));
    DateTimePicker1 = Picker(Panel12, QStringLiteral("DateTimePicker1"), QRect(9, 38, 97, 24));
    DateTimePicker1->setFocusPolicy(Qt::ClickFocus);
    // Only two fields, hours and minutes of the slot, which the picker holds
    // as the minutes and seconds of a time in the hour of noon. They show
    // in the gap the cover panels leave.
    DateTimePicker1->setDisplayFormat(QStringLiteral("mm:ss"));
    DateTimePicker1->setTimeRange(QTime(12, 0, 0), QTime(12, 59, 59));
    DateTimePicker1->SetTextIndent(17);
    Panel15 =
        new TPanel(Panel12, QStringLiteral("Panel15"), QRect(28, 58, 126, 4), clr::Background);
    Panel16 =
        new TPanel(Panel12, QStringLiteral("Panel16"), QRect(5, 31, 105, 11), clr::Background);
    Label1 = NavyLabel(Panel16, QStringLiteral("Label1"), QRect(9, -3, 0, 0),
                       QStringLiteral("Hours : Minutes"));
    Panel17 = new TPanel(Panel12, QStringLiteral("Panel17"), QRect(5, 42, 24, 20), clr::Background);
    Panel18 =
        new TPanel(Panel12, QStringLiteral("Panel18"), QRect(64, 39, 46, 23), clr::Background);
    Panel22 = new TPanel(Panel18, QStringLiteral("Panel22"), QRect(7, 4, 19, 15), clr::Background,
                         Bevel::Lowered);
    SpeedButton13 = FramedButton(Panel22, QStringLiteral("SpeedButton13"), QStringLiteral("C"));
    SpeedButton13->setFont(DesignFont(kArial, 11));

    // The clock.
    Panel19 = new TPanel(this, QStringLiteral("Panel19"), QRect(304, 31, 286, 69), clr::Background,
                         Bevel::Lowered);
    Edit12 = TimeBox(Panel19, QStringLiteral("Edit12"), QRect(5, 6, 275, 57),
                     DesignFont(QStringLiteral("Verdana"), 41));

    // The alarm clock.
    Panel45 = new TPanel(this, QStringLiteral("Panel45"), QRect(304, 98, 286, 135), clr::Background,
                         Bevel::Lowered);
    Label4 = NavyLabel(Panel45, QStringLiteral("Label4"), QRect(23, 6, 46, 13),
                       QStringLiteral("ALARM 1"));
    Label5 = NavyLabel(Panel45, QStringLiteral("Label5"), QRect(114, 6, 46, 13),
                       QStringLiteral("ALARM 2"));
    Label7 = NavyLabel(Panel45, QStringLiteral("Label7"), QRect(188, 5, 91, 13),
                       QStringLiteral("ALARM 2 - Snooze"));
    // The alarm pickers show hour and minutes; the cover panels hide the
    // picker's own AM/PM, which the panels beside them stand in for.
    DateTimePicker2 = Picker(Panel45, QStringLiteral("DateTimePicker2"), QRect(16, 20, 99, 24));
    DateTimePicker2->setDisplayFormat(QStringLiteral("h:mm AP"));
    DateTimePicker2->SetHourRightAligned();
    new TPanel(Panel45, QStringLiteral("Panel48"), QRect(3, 18, 75, 5), clr::Background);
    new TPanel(Panel45, QStringLiteral("Panel49"), QRect(2, 24, 16, 20), clr::Background);
    new TPanel(Panel45, QStringLiteral("Panel50"), QRect(125, 20, 56, 24), clr::Background);
    new TPanel(Panel45, QStringLiteral("Panel46"), QRect(17, 40, 61, 4), clr::Background);
    new TPanel(Panel45, QStringLiteral("Panel51"), QRect(4, 23, 15, 17), clr::Background);
    DateTimePicker3 = Picker(Panel45, QStringLiteral("DateTimePicker3"), QRect(108, 20, 98, 24));
    DateTimePicker3->setDisplayFormat(QStringLiteral("h:mm AP"));
    DateTimePicker3->SetHourRightAligned();
    new TPanel(Panel45, QStringLiteral("Panel52"), QRect(86, 18, 83, 5), clr::Background);
    new TPanel(Panel45, QStringLiteral("Panel55"), QRect(109, 40, 61, 4), clr::Background);
    static const char* const kSnooze[] = {"1 min",  "3 min",  "5 min", "9 min",
                                          "15 min", "20 min", "30 min"};
    TRadioButton** const snooze[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4,
                                     &RadioButton5, &RadioButton6, &RadioButton7};
    for (int i = 0; i < 6; ++i) {
        *snooze[i] = new TRadioButton(Panel45, Numbered("RadioButton", i + 1),
                                      QRect(201, 19 + 14 * i, i < 3 ? 46 : 52, 17),
                                      QLatin1String(kSnooze[i]));
    }
    RadioButton2->setChecked(true);
    Panel44 = new TPanel(Panel45, QStringLiteral("Panel44"), QRect(19, 44, 56, 55),
                         clr::ButtonPanel, Bevel::Lowered);
    SpeedButton14 = FramedButton(Panel44, QStringLiteral("SpeedButton14"), QStringLiteral("OFF"));
    CheckBox3 = OptionBox(Panel45, QStringLiteral("CheckBox3"), QRect(21, 105, 56, 14),
                          QStringLiteral("Recur"), true);
    Panel54 =
        new TPanel(Panel45, QStringLiteral("Panel54"), QRect(145, 20, 56, 24), clr::Background);
    Panel56 = AmPmPanel(Panel54, QStringLiteral("Panel56"));
    Panel53 =
        new TPanel(Panel45, QStringLiteral("Panel53"), QRect(53, 20, 58, 24), clr::Background);
    // The design drew these arrows from a symbol font; plain arrows read the same.
    SpeedButton16 = new TSpeedButton(Panel53, QStringLiteral("SpeedButton16"), QRect(39, 4, 14, 15),
                                     QStringLiteral("\u2192"));
    SpeedButton22 = new TSpeedButton(Panel53, QStringLiteral("SpeedButton22"), QRect(27, 4, 14, 15),
                                     QStringLiteral("\u2190"));
    for (TSpeedButton* arrow : {SpeedButton16, SpeedButton22})
        arrow->setFont(DesignFont(QStringLiteral("DejaVu Sans"), 12));
    Panel57 = AmPmPanel(Panel53, QStringLiteral("Panel57"));
    Panel59 = new TPanel(Panel45, QStringLiteral("Panel59"), QRect(111, 44, 56, 55),
                         clr::ButtonPanel, Bevel::Lowered);
    SpeedButton17 = FramedButton(Panel59, QStringLiteral("SpeedButton17"), QStringLiteral("OFF"));
    Panel61 = new TPanel(Panel45, QStringLiteral("Panel61"), QRect(111, 105, 57, 19),
                         clr::ButtonPanel, Bevel::Lowered);
    SpeedButton19 =
        FramedButton(Panel61, QStringLiteral("SpeedButton19"), QStringLiteral("Test alarm"));
    RadioButton7 = new TRadioButton(Panel45, QStringLiteral("RadioButton7"),
                                    QRect(201, 103, 52, 17), QLatin1String(kSnooze[6]));
    CheckBox4 = OptionBox(Panel45, QStringLiteral("CheckBox4"), QRect(21, 118, 61, 14),
                          QStringLiteral("Start ON"), false);
    for (TRadioButton* radio : SnoozeButtons()) {
        QPalette palette = radio->palette();
        palette.setColor(QPalette::WindowText, ToQColor(clr::Navy));
        radio->setPalette(palette);
    }

    // Non-visual parts.
    Timer1 = new TTimer(this, QStringLiteral("Timer1"), 1000);
    Timer2 = new TTimer(this, QStringLiteral("Timer2"), 0);
    Timer3 = new TTimer(this, QStringLiteral("Timer3"), 0);
    Timer4 = new TTimer(this, QStringLiteral("Timer4"), 0);
    TrayIcon1 = new TTrayIcon(this, QStringLiteral("TrayIcon1"), &platform_.tray);
    TrayIcon1->SetInterval(450);
    for (int frame = 0; frame < 8; ++frame)
        TrayIcon1->Icons.Add(QIcon(QStringLiteral(":/tray/frame%1.png").arg(frame)));
    // The still clock last: setting it puts the icon in the notification area.
    TrayIcon1->SetIcon(QIcon(QStringLiteral(":/tray/clock.png")));
}

void TAForm1::CreateMenus() {
    PopupMenu1 = new TPopupMenu(this, QStringLiteral("PopupMenu1"));
    EditAlarmMessage1 = new TMenuItem(PopupMenu1, QStringLiteral("EditAlarmMessage1"),
                                      QStringLiteral("Edit Time / Message"));

    // The seconds menu opens only when a press on an idle slot allows it.
    PopupMenu2 = new TPopupMenu(this, QStringLiteral("PopupMenu2"));
    PopupMenu2->SetAutoPopup(false);
    for (int d = 0; d <= 5; ++d) {
        QMenu* tens = PopupMenu2->addMenu(QStringLiteral("Seconds %1+").arg(d));
        tens->setObjectName(QStringLiteral("Seconds") + QString::number(d) + QLatin1Char('1'));
        for (int u = 0; u <= 9; ++u) {
            const QString digits = QStringLiteral("%1%2").arg(d).arg(u);
            new TMenuItem(tens, QLatin1Char('N') + digits, digits);
        }
    }

    PopupMenu3 = new TPopupMenu(this, QStringLiteral("PopupMenu3"));
    ClickMinimize1 = new TMenuItem(PopupMenu3, QStringLiteral("ClickMinimize1"),
                                   QStringLiteral("Minimize on timer"), true);
    AlarmClock1 = new TMenuItem(PopupMenu3, QStringLiteral("AlarmClock1"),
                                QStringLiteral("Alarm Clock"), true);
    Processes1 =
        new TMenuItem(PopupMenu3, QStringLiteral("Processes1"), QStringLiteral("Processes"));
    // Two submenus the user never sees; their check marks still travel
    // through the settings.
    Alarmdelay1 = PopupMenu3->addMenu(QStringLiteral("Alarm delay"));
    Alarmdelay1->setObjectName(QStringLiteral("Alarmdelay1"));
    Alarmdelay1->menuAction()->setVisible(false);
    for (const char* delay : {"100", "150", "200", "250", "300", "400", "500", "750", "1000"})
        new TMenuItem(Alarmdelay1, QLatin1Char('N') + QLatin1String(delay), QLatin1String(delay),
                      true);
    Alarmdelay1->actions().constFirst()->setChecked(true);
    Trayiconcolorchange1 = PopupMenu3->addMenu(QStringLiteral("Tray icon color change"));
    Trayiconcolorchange1->setObjectName(QStringLiteral("Trayiconcolorchange1"));
    Trayiconcolorchange1->menuAction()->setVisible(false);
    static const char* const kTrayColor[][2] = {{"N60sec1", "60 min"}, {"N45sec1", "45 sec"},
                                                {"N30sec1", "30 sec"}, {"N20sec1", "20 sec"},
                                                {"N15sec1", "15 sec"}, {"N10sec1", "10 sec"}};
    for (const auto& item : kTrayColor)
        new TMenuItem(Trayiconcolorchange1, QLatin1String(item[0]), QLatin1String(item[1]), true);

    PopupMenu4 = new TPopupMenu(this, QStringLiteral("PopupMenu4"));
    Clear1 = new TMenuItem(PopupMenu4, QStringLiteral("Clear1"), QStringLiteral("Clear"));

    PopupMenu5 = new TPopupMenu(this, QStringLiteral("PopupMenu5"));
    CloseNoSave1 =
        new TMenuItem(PopupMenu5, QStringLiteral("CloseNoSave1"), QStringLiteral("Close no save"));

    // Who carries which menu.
    for (int n = 1; n <= 10; ++n) {
        Find<TSpeedButton>(Numbered("SpeedButton", n))->PopupMenu = PopupMenu1;
        Find<TEdit>(Numbered("Edit", n))->PopupMenu = PopupMenu2;
    }
    Edit12->PopupMenu = PopupMenu2;
    Image1->PopupMenu = PopupMenu3;
    Image2->PopupMenu = PopupMenu3;
    Panel45->PopupMenu = PopupMenu3;
    SpeedButton35->PopupMenu = PopupMenu4;
    SpeedButton11->PopupMenu = PopupMenu5;
}
