// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls: thin Qt widgets that show what the models hold
// (colour, caption, check mark) in the program's own terms, and report the
// mouse the way the features expect it.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTimeEdit>
#include <optional>

// A stored colour (0x00BBGGRR) as Qt paints it.
QColor toQColor(int color);

// Whether the window's bitmap faces and pictures show as drawn, which they
// do on screens of one device pixel to the pixel. On finer screens they
// would be blurred or drawn tiny; scalable faces of the same size and
// pictures drawn at twice the size stand in for them.
void useBitmapFaces(bool on);
bool bitmapFaces();

// The faces for the language the window speaks ("zh_CN"; empty for
// English): the window's own faces have the letters of the European
// languages, not Chinese, which gets a face of its own drawn to the pixel.
void useFacesFor(const QString& language);

// A face of the window's look at a height in pixels. It is asked for
// alone: the window's own captions never need letters from another face.
QFont windowFont(const QString& face, int pixelHeight, bool bold = false);
// The same face for text a user typed, which may need the desktop's others.
QFont withFallbacks(QFont font);
// A dialog of the program's: its size, face and colour.
void dressDialog(QWidget* dialog, QSize size, int color);

// A picture of the window's, drawn at twice its size for finer screens.
QPixmap windowPicture(const QString& resource);

// A picture at the sizes a title bar or a panel asks for: the sixteen-pixel
// drawing, and the larger ones a pattern names by their size (%1).
QIcon iconInSizes(const QString& small, const QString& larger);

// The control that has the keyboard shows a dotted frame, once the keyboard
// has moved it there: a mouse user sees the window unchanged.
bool showsFocusMark(const QWidget* control);
void drawFocusMark(QPainter& painter, const QRect& area, int color);

// Draws a caption in the painter's font. Where Qt makes no bold of a face
// without one, its bold is drawn twice, a device pixel apart, as the
// classic desktop drew it.
void drawCaption(QPainter& painter, const QRect& area, int flags, const QString& caption);

// A context menu whose automatic popup the handlers switch per mouse press.
class PopupMenu : public QMenu {
    Q_OBJECT
public:
    PopupMenu(QWidget* owner, const QString& name);

    bool autoPopup() const { return autoPopup_; }
    void setAutoPopup(bool on) { autoPopup_ = on; }

    // Opens at the point of a right click when the automatic popup is on.
    void popupFor(QContextMenuEvent* event);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyStyle();

    bool autoPopup_ = true;
    bool styled_ = false;
};

// A menu item. Qt flips a checkable action before anyone hears of the click;
// here the handler alone decides the check mark, as it does for every other
// control.
class MenuItem : public QAction {
    Q_OBJECT
public:
    MenuItem(QMenu* menu, const QString& name, const QString& caption, bool checkable = false);

signals:
    void clicked();
};

// A panel with a colour, an optional caption and the two-bevel "lowered"
// frame (a sunken frame inside a raised one).
class BevelPanel : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Lowered };
    BevelPanel(QWidget* parent, const QString& name, QRect bounds, int color,
               Bevel bevel = Bevel::None);

    int color() const { return color_; }
    void setColor(int color);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    int fontColor() const { return fontColor_; }
    void setFontColor(int color);
    // A panel that answers a click is reached by Tab and clicked by Space.
    void setKeyboardClickable();

    PopupMenu* ContextMenu = nullptr;

signals:
    void mousePressed(Qt::MouseButton button, QPoint pos);
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Only a panel that shows a focus mark is drawn again when the keyboard
    // comes or goes; the others hold it unseen.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int color_;
    Bevel bevel_;
    QString caption_;
    int fontColor_ = 0;
    bool pressed_ = false;
};

// A flat push button that a click never gives the focus (Tab does), with
// a caption margin (-1 centres), a picture whose white is transparent and,
// when it is a two-state button, a pressed state that stays. Space presses it as the left mouse
// button does.
class FlatButton : public QAbstractButton {
    Q_OBJECT
public:
    FlatButton(QWidget* parent, const QString& name, QRect bounds, const QString& caption);

    int margin() const { return margin_; }
    void setMargin(int margin);
    int fontColor() const { return fontColor_; }
    void setFontColor(int color);
    void setGlyph(const QString& resource);
    // Drawn raised at rest too, as a dialog's buttons are.
    void setRaised(bool raised) { raised_ = raised; }
    bool down() const { return isChecked(); }

    PopupMenu* ContextMenu = nullptr;

signals:
    void mousePressed(Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // A button hidden under the pointer hears no leave; it shows again
    // without its hover frame until the pointer enters it.
    void hideEvent(QHideEvent* event) override;

private:
    int margin_ = -1;
    int fontColor_;
    QPixmap glyph_;
    bool hover_ = false;
    bool raised_ = false;
    bool mousePress_ = false;
};

// A text label, transparent unless given a colour.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    // An empty size fits the label to its caption.
    CaptionLabel(QWidget* parent, const QString& name, QRect bounds, const QString& caption);
    void setColor(int color);
    void setFontColor(int color);

signals:
    void mousePressed(Qt::MouseButton button, QPoint pos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A picture.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(QWidget* parent, const QString& name, QRect bounds, const QPixmap& picture);

    PopupMenu* ContextMenu = nullptr;

signals:
    void mousePressed(Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QPixmap picture_;
};

// A single-line edit box with a colour and a font colour.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(QWidget* parent, const QString& name, QRect bounds, const QString& text);

    int color() const { return color_; }
    void setColor(int color);
    int fontColor() const { return fontColor_; }
    void setFontColor(int color);
    // The box takes its face when it is first shown: a face costs its
    // loading the moment a box lays its text out, and boxes the first frame
    // does not show (the clock, the message editor) need theirs later.
    void setFace(const QFont& face);

    PopupMenu* ContextMenu = nullptr;

signals:
    void mousePressed(Qt::MouseButton button, QPoint pos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // A read-only box shows no caret; the focus mark shows where Tab is.
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int color_ = clrUnset;
    int fontColor_ = clrUnset;
    std::optional<QFont> face_;
    static constexpr int clrUnset = -1;
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(QWidget* parent, const QString& name, QRect bounds, const QString& caption,
             bool checked);
};

class RadioButton : public QRadioButton {
    Q_OBJECT
public:
    RadioButton(QWidget* parent, const QString& name, QRect bounds, const QString& caption);

protected:
    // Tab stops once among the buttons of a group, on the one chosen.
    void focusInEvent(QFocusEvent* event) override;
};

// A time picker of the time kind; which of its fields show is set per use.
class TimePicker : public QTimeEdit {
    Q_OBJECT
public:
    TimePicker(QWidget* parent, const QString& name, QRect bounds);
    // Moves the fields to the right by this many pixels.
    void setTextIndent(int pixels);
    // Pads a one-digit hour on the left, so that whatever follows the
    // minutes always starts at the same place.
    void setHourRightAligned();
    // Sets the time without reporting a change: Change is for the user's
    // edits alone.
    void showTime(QTime time);
    // Tab steps through the first so many fields, the ones in sight, and
    // then on to the next control.
    void setShownFields(int count) { shownFields_ = count; }

signals:
    void edited();

protected:
    // A click into a field selects it, so that digits typed next replace it.
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void alignHour();

    int shownFields_ = 3;
    // The last digit typed filled a field and moved on to the next: the
    // Tab a user gives next, to get there, stays.
    bool movedOnByTyping_ = false;
    int indent_ = 0;
    bool hourRightAligned_ = false;
};
