// SPDX-License-Identifier: GPL-3.0-or-later
// The menus, panels and buttons.
#include "widgets/ControlParts.h"

#include "core/Colors.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>

using namespace widget_parts;

PopupMenu::PopupMenu(QWidget* owner, const QString& name)
    : QMenu(owner) {
    setObjectName(name);
    // Styled when first shown: most menus are never opened in a run, and
    // styling all of them would slow the program's start.
    connect(this, &QMenu::aboutToShow, this, &PopupMenu::applyStyle);
}

void PopupMenu::applyStyle() {
    if (styled_)
        return;
    styled_ = true;
    // Flat menus in the desktop's colours, with a wide column for the
    // check marks, in the window's menu face. Submenus are windows of their
    // own, which a font does not reach by itself.
    // The tray's menu lists the user's messages.
    const QFont face = withFallbacks(windowFont(QStringLiteral("Tahoma"), 11));
    setFont(face);
    for (QMenu* submenu : findChildren<QMenu*>())
        submenu->setFont(face);
    setStyleSheet(QStringLiteral(
        "QMenu { background: palette(button); color: palette(button-text);"
        " border: 1px solid palette(mid); }"
        "QMenu::item { padding: 3px 16px 3px 26px; border: 1px solid transparent; }"
        "QMenu::item:selected { background: palette(highlight); color: palette(button-text);"
        " border: 1px solid palette(highlight); }"
        "QMenu::item:disabled { color: palette(mid); }"
        "QMenu::indicator { width: 12px; height: 12px; left: 6px; }"
        "QMenu::separator { height: 1px; background: palette(mid); margin: 2px 0; }"));
}

void PopupMenu::popupFor(QContextMenuEvent* event) {
    if (autoPopup_) {
        popup(event->globalPos());
        // Opened from the keyboard, Enter takes the first item.
        if (event->reason() == QContextMenuEvent::Keyboard && !actions().isEmpty())
            setActiveAction(actions().first());
    }
    event->accept();
}

void PopupMenu::keyPressEvent(QKeyEvent* event) {
    // Opened by the mouse, nothing is chosen yet: Enter takes the first
    // item rather than nothing, and Down still goes to it first.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !activeAction() && !actions().isEmpty())
        setActiveAction(actions().first());
    QMenu::keyPressEvent(event);
}

MenuItem::MenuItem(QMenu* menu, const QString& name, const QString& caption, bool checkable)
    : QAction(caption, menu) {
    setObjectName(name);
    setCheckable(checkable);
    menu->addAction(this);
    connect(this, &QAction::triggered, this, [this] {
        if (isCheckable()) {
            const QSignalBlocker quiet(this);
            setChecked(!isChecked());
        }
        emit clicked();
    });
}

BevelPanel::BevelPanel(QWidget* parent, const QString& name, QRect bounds, int color, Bevel bevel)
    : QWidget(parent)
    , color_(color)
    , bevel_(bevel) {
    place(this, name, bounds);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BevelPanel::setColor(int color) {
    change(this, color_, color);
}

void BevelPanel::setCaption(const QString& caption) {
    change(this, caption_, caption);
}

void BevelPanel::setFontColor(int color) {
    change(this, fontColor_, color);
}

void BevelPanel::setKeyboardClickable() {
    setFocusPolicy(Qt::TabFocus);
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), toQColor(color_));
    if (bevel_ == Bevel::Lowered) {
        // The outer shadow on the last column and row, the inner
        // highlight one pixel in.
        drawFrame(p, rect(), kHighlight, kShadow);
        drawFrame(p, rect().adjusted(1, 1, -1, -1), kShadow, kHighlight);
    }
    if (!caption_.isEmpty()) {
        p.setPen(toQColor(fontColor_));
        p.drawText(rect(), Qt::AlignCenter, caption_);
    }
    if (showsFocusMark(this))
        drawFocusMark(p, rect(), fontColor_);
}

void BevelPanel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    emit mousePressed(event->button(), event->position().toPoint());
}

void BevelPanel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

void BevelPanel::focusInEvent(QFocusEvent*) {
    if (focusPolicy() != Qt::NoFocus)
        update();
}

void BevelPanel::focusOutEvent(QFocusEvent*) {
    if (focusPolicy() != Qt::NoFocus)
        update();
}

void BevelPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && focusPolicy() != Qt::NoFocus)
        pressed_ = true;
    else
        QWidget::keyPressEvent(event);
}

void BevelPanel::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && std::exchange(pressed_, false))
        emit clicked();
    else
        QWidget::keyReleaseEvent(event);
}

void BevelPanel::contextMenuEvent(QContextMenuEvent* event) {
    if (ContextMenu)
        ContextMenu->popupFor(event);
    else
        QWidget::contextMenuEvent(event);
}

FlatButton::FlatButton(QWidget* parent, const QString& name, QRect bounds, const QString& caption)
    : QAbstractButton(parent)
    , fontColor_(clr::Navy) {
    place(this, name, bounds);
    setText(caption);
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    // Pressed by Space or by a screen reader, the button tells the handlers
    // which control the user means, as a press of the left button does.
    connect(this, &QAbstractButton::pressed, this, [this] {
        if (!mousePress_)
            emit mousePressed(Qt::LeftButton, rect().center());
    });
}

void FlatButton::setMargin(int margin) {
    change(this, margin_, margin);
}

void FlatButton::setFontColor(int color) {
    change(this, fontColor_, color);
}

void FlatButton::setGlyph(const QString& resource) {
    // The pictures are drawn on white, and white is what shows through.
    QPixmap picture = windowPicture(resource);
    picture.setMask(picture.createMaskFromColor(Qt::white));
    glyph_ = picture;
    update();
}

void FlatButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool sunken = isDown() || isChecked();
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    if (sunken)
        drawFrame(p, frame, kShadow, kHighlight);
    else if ((hover_ || raised_) && isEnabled())
        drawFrame(p, frame, kHighlight, kShadow);

    // A pressed button draws its content one pixel down and to the right.
    const QRect area = rect().translated(sunken ? 1 : 0, sunken ? 1 : 0);
    if (!glyph_.isNull()) {
        const QSize size = glyph_.deviceIndependentSize().toSize();
        const int x = margin_ < 0 ? (width() - size.width()) / 2 : margin_;
        p.drawPixmap(area.left() + x, area.top() + (height() - size.height()) / 2, glyph_);
    }
    if (!text().isEmpty()) {
        p.setPen(toQColor(fontColor_));
        if (margin_ < 0)
            drawCaption(p, area, Qt::AlignCenter | Qt::TextSingleLine, text());
        else
            drawCaption(p, area.adjusted(margin_, 0, 0, 0),
                        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    }
    if (showsFocusMark(this))
        drawFocusMark(p, rect().adjusted(2, 2, -2, -2), clr::Navy);
}

void FlatButton::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button(), event->position().toPoint());
    const QScopedValueRollback mouse(mousePress_, true);
    QAbstractButton::mousePressEvent(event);
}

void FlatButton::keyReleaseEvent(QKeyEvent* event) {
    // Space clicks on its release: the press again first, whatever the
    // mouse touched in between.
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && isDown())
        emit mousePressed(Qt::LeftButton, rect().center());
    QAbstractButton::keyReleaseEvent(event);
}

void FlatButton::contextMenuEvent(QContextMenuEvent* event) {
    if (!ContextMenu) {
        QAbstractButton::contextMenuEvent(event);
        return;
    }
    ContextMenu->popupFor(event);
    // The open menu takes the mouse: a click that closes it outside the
    // window is no leave for the button, which looks again where the
    // pointer is once the menu has gone.
    if (ContextMenu->isVisible()) {
        connect(
            ContextMenu, &QMenu::aboutToHide, this,
            [this] {
                hover_ = isVisible() && rect().contains(mapFromGlobal(QCursor::pos()));
                update();
            },
            Qt::SingleShotConnection);
    }
}

void FlatButton::enterEvent(QEnterEvent* event) {
    // An enter can arrive late, after the button was hidden under the
    // pointer by the command of a menu that has just closed over it.
    hover_ = isVisible();
    update();
    QAbstractButton::enterEvent(event);
}

void FlatButton::leaveEvent(QEvent* event) {
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void FlatButton::hideEvent(QHideEvent* event) {
    hover_ = false;
    QAbstractButton::hideEvent(event);
}
