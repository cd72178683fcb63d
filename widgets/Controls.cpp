// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Controls.h"

#include "core/Colors.h"

#include <QBitmap>
#include <QContextMenuEvent>
#include <QCursor>
#include <QFontDatabase>
#include <QFontInfo>
#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyleOption>
#include <algorithm>
#include <utility>

QColor ToQColor(int color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

namespace {
bool designBitmaps = true;
} // namespace

void UseDesignBitmaps(bool on) {
    designBitmaps = on;
}

bool DesignBitmaps() {
    return designBitmaps;
}

QFont DesignFont(const QString& face, int pixelHeight, bool bold) {
    // A design height is the height of the letters. The two bitmap faces of
    // the design come in sizes named by the whole line, a fifth taller; the
    // scalable face that stands in for them is sized by its letters.
    const bool bitmapFace =
        face == QLatin1String("MS Sans Serif") || face == QLatin1String("Small Fonts");
    // The desktop's face for a design face asked for by name: Qt would
    // first look for the design's name, and on missing it, sort through
    // every face for a fallback.
    QFont font(bitmapFace && !designBitmaps ? QStringLiteral("Tahoma") : QFont::substitute(face));
    font.setPixelSize(bitmapFace && designBitmaps ? (pixelHeight * 6 + 2) / 5 : pixelHeight);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

namespace {

// Every picture of the program is a PNG, which Qt reads itself. Left to
// find the format, Qt loads every image plugin on the machine to ask it.
QPixmap ReadPicture(const QString& resource) {
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QPixmap DesignPicture(const QString& resource) {
    if (!designBitmaps) {
        QString fine = resource;
        fine.insert(fine.lastIndexOf(u'.'), QLatin1String("@2x"));
        QPixmap picture = ReadPicture(fine);
        if (!picture.isNull()) {
            picture.setDevicePixelRatio(2);
            return picture;
        }
    }
    return ReadPicture(resource);
}

namespace {

// An icon whose drawings are read the first time their size is asked for:
// Qt's own reads every file as it is added, and the tray's sixteen
// pictures at five sizes would be read at every start.
class SizedIcon : public QIconEngine {
public:
    SizedIcon(QString small, QString larger)
        : small_(std::move(small))
        , larger_(std::move(larger)) {}

    QIconEngine* clone() const override { return new SizedIcon(*this); }
    QString key() const override { return QStringLiteral("SizedIcon"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int side : kSides)
            sizes.append(QSize(side, side));
        return sizes;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        return QSize(side, side);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override {
        // The smallest drawing that covers the size asked for, else the largest.
        const int wanted = qRound(qMin(size.width(), size.height()) * scale);
        std::size_t index = 0;
        while (index + 1 < std::size(kSides) && kSides[index] < wanted)
            ++index;
        QPixmap& drawing = drawings_[index];
        if (drawing.isNull())
            drawing = ReadPicture(index == 0 ? small_ : larger_.arg(kSides[index]));
        QPixmap shown =
            drawing.width() == wanted
                ? drawing
                : drawing.scaled(wanted, wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        shown.setDevicePixelRatio(scale);
        return shown;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device()->devicePixelRatioF();
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
    }

private:
    static constexpr int kSides[] = {16, 22, 24, 32, 48};
    QString small_;
    QString larger_;
    QPixmap drawings_[std::size(kSides)];
};

} // namespace

QIcon IconInSizes(const QString& small, const QString& larger) {
    return QIcon(new SizedIcon(small, larger));
}

bool ShowsFocusMark(const QWidget* control) {
    return control->hasFocus() && control->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void DrawFocusMark(QPainter& painter, const QRect& area, int color) {
    painter.save();
    painter.setPen(QPen(ToQColor(color), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.restore();
}

namespace {

// A face without a bold of its own comes out regular where Qt does not
// embolden it: a bitmap face, and an outline face drawn on a scaled screen.
bool DrawnRegular(const QFont& font) {
    static QHash<QString, bool> known;
    const auto found = known.constFind(font.key());
    if (found != known.constEnd())
        return *found;
    const QString family = QFontInfo(font).family();
    bool regular = font.bold() && (!designBitmaps || !QFontDatabase::isScalable(family));
    for (const QString& style : QFontDatabase::styles(family))
        regular = regular && QFontDatabase::weight(family, style) < QFont::DemiBold;
    known.insert(font.key(), regular);
    return regular;
}

} // namespace

QFont WithFallbacks(QFont font) {
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

void DrawCaption(QPainter& painter, const QRect& area, int flags, const QString& caption) {
    // A message may hold letters no design face has; only then are the
    // desktop's other faces looked through.
    const bool plain =
        std::all_of(caption.begin(), caption.end(), [](QChar c) { return c.unicode() < 0x80; });
    const QFont designFace = painter.font();
    if (!plain)
        painter.setFont(WithFallbacks(designFace));
    if (!DrawnRegular(painter.font())) {
        painter.drawText(area, flags, caption);
    } else {
        // Twice, one device pixel apart, with each letter's advance one
        // device pixel wider: the letters keep the gaps between them.
        const qreal pixel = 1 / painter.device()->devicePixelRatioF();
        QFont spaced = painter.font();
        spaced.setLetterSpacing(QFont::AbsoluteSpacing, pixel);
        painter.setFont(spaced);
        painter.drawText(area, flags, caption);
        painter.drawText(QRectF(area).translated(pixel, 0), flags, caption);
    }
    painter.setFont(designFace);
}

namespace {

void Place(QWidget* widget, const QString& name, QRect bounds) {
    widget->setObjectName(name);
    widget->setGeometry(bounds);
}

void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, int color) {
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(color));
    widget->setPalette(palette);
}

void DrawFrame(QPainter& p, QRect r, int lightColor, int darkColor) {
    p.setPen(ToQColor(lightColor));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(ToQColor(darkColor));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

// Stores a property of a control and repaints it when the value changed.
template <typename T> void Change(QWidget* control, T& field, const T& value) {
    if (field != value) {
        field = value;
        control->update();
    }
}

constexpr int kHighlight = 0xFFFFFF;
constexpr int kShadow = 0x808080;

} // namespace

PopupMenu::PopupMenu(QWidget* owner, const QString& name)
    : QMenu(owner) {
    setObjectName(name);
    // Styled when first shown: most menus are never opened in a run, and
    // styling all of them would slow the program's start.
    connect(this, &QMenu::aboutToShow, this, &PopupMenu::Style);
}

void PopupMenu::Style() {
    if (styled_)
        return;
    styled_ = true;
    // Flat menus in the desktop's colours, with a wide column for the
    // check marks, in the design's menu face. Submenus are windows of their
    // own, which a font does not reach by itself.
    // The tray's menu lists the user's messages.
    const QFont face = WithFallbacks(DesignFont(QStringLiteral("Tahoma"), 11));
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

void PopupMenu::PopupFor(QContextMenuEvent* event) {
    if (autoPopup_) {
        popup(event->globalPos());
        // Opened from the keyboard, Enter takes the first item.
        if (event->reason() == QContextMenuEvent::Keyboard && !actions().isEmpty())
            setActiveAction(actions().first());
    }
    event->accept();
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
        emit Click();
    });
}

BevelPanel::BevelPanel(QWidget* parent, const QString& name, QRect bounds, int color, Bevel bevel)
    : QWidget(parent)
    , color_(color)
    , bevel_(bevel) {
    Place(this, name, bounds);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BevelPanel::SetColor(int color) {
    Change(this, color_, color);
}

void BevelPanel::SetCaption(const QString& caption) {
    Change(this, caption_, caption);
}

void BevelPanel::SetFontColor(int color) {
    Change(this, fontColor_, color);
}

void BevelPanel::SetKeyboardClickable() {
    setFocusPolicy(Qt::TabFocus);
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(color_));
    if (bevel_ == Bevel::Lowered) {
        // The outer shadow on the last column and row, the inner
        // highlight one pixel in.
        DrawFrame(p, rect(), kHighlight, kShadow);
        DrawFrame(p, rect().adjusted(1, 1, -1, -1), kShadow, kHighlight);
    }
    if (!caption_.isEmpty()) {
        p.setPen(ToQColor(fontColor_));
        p.drawText(rect(), Qt::AlignCenter, caption_);
    }
    if (ShowsFocusMark(this))
        DrawFocusMark(p, rect(), fontColor_);
}

void BevelPanel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    emit MouseDown(event->button(), event->position().toPoint());
}

void BevelPanel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit Click();
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
        emit Click();
    else
        QWidget::keyReleaseEvent(event);
}

void BevelPanel::contextMenuEvent(QContextMenuEvent* event) {
    if (ContextMenu)
        ContextMenu->PopupFor(event);
    else
        QWidget::contextMenuEvent(event);
}

FlatButton::FlatButton(QWidget* parent, const QString& name, QRect bounds, const QString& caption)
    : QAbstractButton(parent)
    , fontColor_(clr::Navy) {
    Place(this, name, bounds);
    setText(caption);
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    // Pressed by Space or by a screen reader, the button tells the handlers
    // which control the user means, as a press of the left button does.
    connect(this, &QAbstractButton::pressed, this, [this] {
        if (!mousePress_)
            emit MouseDown(Qt::LeftButton, rect().center());
    });
}

void FlatButton::SetMargin(int margin) {
    Change(this, margin_, margin);
}

void FlatButton::SetFontColor(int color) {
    Change(this, fontColor_, color);
}

void FlatButton::SetGlyph(const QString& resource) {
    // The pictures are drawn on white, and white is what shows through.
    QPixmap picture = DesignPicture(resource);
    picture.setMask(picture.createMaskFromColor(Qt::white));
    glyph_ = picture;
    update();
}

void FlatButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool sunken = isDown() || isChecked();
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    if (sunken)
        DrawFrame(p, frame, kShadow, kHighlight);
    else if (hover_ && isEnabled())
        DrawFrame(p, frame, kHighlight, kShadow);

    // A pressed button draws its content one pixel down and to the right.
    const QRect area = rect().translated(sunken ? 1 : 0, sunken ? 1 : 0);
    if (!glyph_.isNull()) {
        const QSize size = glyph_.deviceIndependentSize().toSize();
        const int x = margin_ < 0 ? (width() - size.width()) / 2 : margin_;
        p.drawPixmap(area.left() + x, area.top() + (height() - size.height()) / 2, glyph_);
    }
    if (!text().isEmpty()) {
        p.setPen(ToQColor(fontColor_));
        if (margin_ < 0)
            DrawCaption(p, area, Qt::AlignCenter | Qt::TextSingleLine, text());
        else
            DrawCaption(p, area.adjusted(margin_, 0, 0, 0),
                        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    }
    if (ShowsFocusMark(this))
        DrawFocusMark(p, rect().adjusted(2, 2, -2, -2), clr::Navy);
}

void FlatButton::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button(), event->position().toPoint());
    const QScopedValueRollback mouse(mousePress_, true);
    QAbstractButton::mousePressEvent(event);
}

void FlatButton::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(event->position().toPoint());
    QAbstractButton::mouseMoveEvent(event);
}

void FlatButton::keyReleaseEvent(QKeyEvent* event) {
    // Space clicks on its release: the press again first, whatever the
    // mouse touched in between.
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && isDown())
        emit MouseDown(Qt::LeftButton, rect().center());
    QAbstractButton::keyReleaseEvent(event);
}

void FlatButton::contextMenuEvent(QContextMenuEvent* event) {
    if (!ContextMenu) {
        QAbstractButton::contextMenuEvent(event);
        return;
    }
    ContextMenu->PopupFor(event);
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

CaptionLabel::CaptionLabel(QWidget* parent, const QString& name, QRect bounds,
                           const QString& caption)
    : QLabel(caption, parent) {
    Place(this, name, bounds);
    if (bounds.size().isEmpty())
        adjustSize();
}

void CaptionLabel::SetColor(int color) {
    SetPaletteColor(this, QPalette::Window, color);
    setAutoFillBackground(true);
}

void CaptionLabel::SetFontColor(int color) {
    SetPaletteColor(this, QPalette::WindowText, color);
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button(), event->position().toPoint());
    QLabel::mousePressEvent(event);
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    if (!font().bold()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    DrawCaption(p, contentsRect(), int(alignment()) | Qt::TextSingleLine, text());
}

Picture::Picture(QWidget* parent, const QString& name, QRect bounds, const QPixmap& picture)
    : QWidget(parent)
    , picture_(picture) {
    Place(this, name, bounds);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, picture_);
}

void Picture::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button(), event->position().toPoint());
}

void Picture::contextMenuEvent(QContextMenuEvent* event) {
    if (ContextMenu)
        ContextMenu->PopupFor(event);
    else
        QWidget::contextMenuEvent(event);
}

TextBox::TextBox(QWidget* parent, const QString& name, QRect bounds, const QString& text)
    : QLineEdit(text, parent) {
    Place(this, name, bounds);
}

void TextBox::SetColor(int color) {
    if (color != color_) {
        color_ = color;
        SetPaletteColor(this, QPalette::Base, color);
    }
}

void TextBox::SetFontColor(int color) {
    if (color != fontColor_) {
        fontColor_ = color;
        SetPaletteColor(this, QPalette::Text, color);
    }
}

void TextBox::SetFace(const QFont& face) {
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
    emit MouseDown(event->button(), event->position().toPoint());
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
    if (isReadOnly() && ShowsFocusMark(this)) {
        QPainter p(this);
        DrawFocusMark(p, rect().adjusted(2, 2, -2, -2), fontColor_ == clrUnset ? 0 : fontColor_);
    }
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    // Without a menu of its own the box offers no menu at all, as the
    // design's boxes never showed the editing menu.
    if (ContextMenu)
        ContextMenu->PopupFor(event);
    else
        event->accept();
}

CheckBox::CheckBox(QWidget* parent, const QString& name, QRect bounds, const QString& caption,
                   bool checked)
    : QCheckBox(caption, parent) {
    Place(this, name, bounds);
    setChecked(checked);
    // The style's focus frame, in the design's navy.
    SetPaletteColor(this, QPalette::Highlight, clr::Navy);
}

RadioButton::RadioButton(QWidget* parent, const QString& name, QRect bounds, const QString& caption)
    : QRadioButton(caption, parent) {
    Place(this, name, bounds);
    SetPaletteColor(this, QPalette::Highlight, clr::Navy);
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
    Place(this, name, bounds);
    lineEdit()->installEventFilter(this);
    connect(this, &QTimeEdit::timeChanged, this, &TimePicker::Change);
}

void TimePicker::SetTime(QTime time) {
    {
        const QSignalBlocker quiet(this);
        setTime(time);
    }
    AlignHour();
}

bool TimePicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        setSelectedSection(currentSection());
    return QTimeEdit::eventFilter(watched, event);
}

bool TimePicker::focusNextPrevChild(bool next) {
    const int field = currentSectionIndex() + (next ? 1 : -1);
    if (field >= 0 && field < qMin(shownFields_, sectionCount())) {
        setCurrentSectionIndex(field);
        setSelectedSection(currentSection());
        return true;
    }
    // Past the fields in sight, on to the next control.
    return QAbstractSpinBox::focusNextPrevChild(next);
}

void TimePicker::SetTextIndent(int pixels) {
    indent_ = pixels;
    AlignHour();
}

void TimePicker::SetHourRightAligned() {
    hourRightAligned_ = true;
    connect(this, &QTimeEdit::timeChanged, this, &TimePicker::AlignHour);
    AlignHour();
}

void TimePicker::AlignHour() {
    const int hour = time().hour() % 12;
    const bool oneDigit = hour >= 1 && hour <= 9;
    const int pad = hourRightAligned_ && oneDigit
                        ? lineEdit()->fontMetrics().horizontalAdvance(QLatin1Char('0'))
                        : 0;
    lineEdit()->setTextMargins(indent_ + pad, 0, 0, 0);
}
