// SPDX-License-Identifier: GPL-3.0-or-later
// The labels, pictures, text boxes and time pickers.
#include "widgets/ControlParts.h"

#include "core/Colors.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

using namespace widget_parts;

CaptionLabel::CaptionLabel(QWidget* parent, const QString& name, QRect bounds,
                           const QString& caption)
    : QLabel(caption, parent) {
    place(this, name, bounds);
    if (bounds.size().isEmpty())
        adjustSize();
}

void CaptionLabel::setColor(int color) {
    setPaletteColor(this, QPalette::Window, color);
    setAutoFillBackground(true);
}

void CaptionLabel::setFontColor(int color) {
    setPaletteColor(this, QPalette::WindowText, color);
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button(), event->position().toPoint());
    QLabel::mousePressEvent(event);
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    if (!font().bold()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    drawCaption(p, contentsRect(), int(alignment()) | Qt::TextSingleLine, text());
}

Picture::Picture(QWidget* parent, const QString& name, QRect bounds, const QPixmap& picture)
    : QWidget(parent)
    , picture_(picture) {
    place(this, name, bounds);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, picture_);
}

void Picture::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button(), event->position().toPoint());
}

void Picture::contextMenuEvent(QContextMenuEvent* event) {
    if (ContextMenu)
        ContextMenu->popupFor(event);
    else
        QWidget::contextMenuEvent(event);
}

TextBox::TextBox(QWidget* parent, const QString& name, QRect bounds, const QString& text)
    : QLineEdit(text, parent) {
    place(this, name, bounds);
}

void TextBox::setColor(int color) {
    if (color != color_) {
        color_ = color;
        setPaletteColor(this, QPalette::Base, color);
    }
}

void TextBox::setFontColor(int color) {
    if (color != fontColor_) {
        fontColor_ = color;
        setPaletteColor(this, QPalette::Text, color);
    }
}

void TextBox::setFace(const QFont& face) {
    if (isVisible())
        setFont(face);
    else
        face_ = face;
}

void TextBox::showEvent(QShowEvent* event) {
    if (face_) {
        setFont(*face_);
        face_.reset();
    }
    QLineEdit::showEvent(event);
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button(), event->position().toPoint());
    QLineEdit::mousePressEvent(event);
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Tab selects a box's text; a box that is only read stays as it looks.
    if (isReadOnly())
        deselect();
}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (isReadOnly() && showsFocusMark(this)) {
        QPainter p(this);
        drawFocusMark(p, rect().adjusted(2, 2, -2, -2), fontColor_ == clrUnset ? 0 : fontColor_);
    }
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    // Without a menu of its own the box offers no menu at all, as the
    // window's boxes never showed the editing menu.
    if (ContextMenu)
        ContextMenu->popupFor(event);
    else
        event->accept();
}

CheckBox::CheckBox(QWidget* parent, const QString& name, QRect bounds, const QString& caption,
                   bool checked)
    : QCheckBox(caption, parent) {
    place(this, name, bounds);
    setChecked(checked);
    // The style's focus frame, in the window's navy.
    setPaletteColor(this, QPalette::Highlight, clr::Navy);
}

RadioButton::RadioButton(QWidget* parent, const QString& name, QRect bounds, const QString& caption)
    : QRadioButton(caption, parent) {
    place(this, name, bounds);
    setPaletteColor(this, QPalette::Highlight, clr::Navy);
}

void RadioButton::focusInEvent(QFocusEvent* event) {
    const bool tabbed =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (tabbed && !isChecked() && autoExclusive()) {
        for (auto* other : parentWidget()->findChildren<RadioButton*>(Qt::FindDirectChildrenOnly)) {
            if (other->isChecked()) {
                other->setFocus(event->reason());
                return;
            }
        }
    }
    QRadioButton::focusInEvent(event);
}

TimePicker::TimePicker(QWidget* parent, const QString& name, QRect bounds)
    : QTimeEdit(parent) {
    place(this, name, bounds);
    lineEdit()->installEventFilter(this);
    connect(this, &QTimeEdit::timeChanged, this, &TimePicker::edited);
}

void TimePicker::showTime(QTime time) {
    {
        const QSignalBlocker quiet(this);
        setTime(time);
    }
    alignHour();
}

bool TimePicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        movedOnByTyping_ = false;
        setSelectedSection(currentSection());
    }
    return QTimeEdit::eventFilter(watched, event);
}

void TimePicker::keyPressEvent(QKeyEvent* event) {
    const int field = currentSectionIndex();
    QTimeEdit::keyPressEvent(event);
    movedOnByTyping_ = !event->text().isEmpty() && event->text().at(0).isDigit() &&
                       currentSectionIndex() == field + 1 &&
                       currentSectionIndex() < qMin(shownFields_, sectionCount());
}

void TimePicker::focusInEvent(QFocusEvent* event) {
    movedOnByTyping_ = false;
    QTimeEdit::focusInEvent(event);
}

bool TimePicker::focusNextPrevChild(bool next) {
    // Two digits in the hours move on to the minutes by themselves; the
    // user, who typed them as a field, then gives the Tab that would have
    // got there, and it must not leave the minutes unfilled.
    if (next && std::exchange(movedOnByTyping_, false)) {
        setSelectedSection(currentSection());
        return true;
    }
    movedOnByTyping_ = false;
    const int field = currentSectionIndex() + (next ? 1 : -1);
    if (field >= 0 && field < qMin(shownFields_, sectionCount())) {
        setCurrentSectionIndex(field);
        setSelectedSection(currentSection());
        return true;
    }
    // Past the fields in sight, on to the next control.
    return QAbstractSpinBox::focusNextPrevChild(next);
}

void TimePicker::setTextIndent(int pixels) {
    indent_ = pixels;
    alignHour();
}

void TimePicker::setHourRightAligned() {
    hourRightAligned_ = true;
    connect(this, &QTimeEdit::timeChanged, this, &TimePicker::alignHour);
    alignHour();
}

void TimePicker::alignHour() {
    const int hour = time().hour() % 12;
    const bool oneDigit = hour >= 1 && hour <= 9;
    const int pad = hourRightAligned_ && oneDigit
                        ? lineEdit()->fontMetrics().horizontalAdvance(QLatin1Char('0'))
                        : 0;
    lineEdit()->setTextMargins(indent_ + pad, 0, 0, 0);
}
