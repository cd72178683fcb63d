// SPDX-License-Identifier: GPL-3.0-or-later
// The window's colours, faces, pictures and captions.
#include "widgets/Controls.h"

#include "core/Colors.h"

#include <QBitmap>
#include <QFontDatabase>
#include <QFontInfo>
#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <algorithm>

QColor toQColor(int color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

namespace {
bool bitmapsOn = true;
QString ownFace;
} // namespace

void useFacesFor(const QString& language) {
    // Chinese from Debian's WenQuanYi Zen Hei (fonts-wqy-zenhei), whose
    // Sharp face carries bitmaps for the small sizes of this window.
    ownFace = language.startsWith(QLatin1String("zh")) ? QStringLiteral("WenQuanYi Zen Hei Sharp")
                                                       : QString();
}

void useBitmapFaces(bool on) {
    bitmapsOn = on;
}

bool bitmapFaces() {
    return bitmapsOn;
}

QFont windowFont(const QString& face, int pixelHeight, bool bold) {
    // A face's height here is the height of the letters. The window's two
    // bitmap faces come in sizes named by the whole line, a fifth taller; the
    // scalable face that stands in for them is sized by its letters.
    const bool bitmapFace =
        face == QLatin1String("MS Sans Serif") || face == QLatin1String("Small Fonts");
    // The desktop's face for a window face asked for by name: Qt would
    // first look for that name, and on missing it, sort through
    // every face for a fallback.
    QFont font(bitmapFace && !bitmapsOn ? QStringLiteral("Tahoma") : QFont::substitute(face));
    font.setPixelSize(bitmapFace && bitmapsOn ? (pixelHeight * 6 + 2) / 5 : pixelHeight);
    font.setBold(bold);
    if (!ownFace.isEmpty()) {
        // The window's own face draws what it has (digits, times, Latin
        // letters) as in English, to the same width; the language's face
        // draws the rest.
        font.setFamilies({font.family(), ownFace});
        return font;
    }
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

namespace {

// Every picture of the program is a PNG, which Qt reads itself. Left to
// find the format, Qt loads every image plugin on the machine to ask it.
QPixmap readPicture(const QString& resource) {
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QPixmap windowPicture(const QString& resource) {
    if (!bitmapsOn) {
        QString fine = resource;
        fine.insert(fine.lastIndexOf(u'.'), QLatin1String("@2x"));
        QPixmap picture = readPicture(fine);
        if (!picture.isNull()) {
            picture.setDevicePixelRatio(2);
            return picture;
        }
    }
    return readPicture(resource);
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
            drawing = readPicture(index == 0 ? small_ : larger_.arg(kSides[index]));
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

QIcon iconInSizes(const QString& small, const QString& larger) {
    return QIcon(new SizedIcon(small, larger));
}

bool showsFocusMark(const QWidget* control) {
    return control->hasFocus() && control->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void drawFocusMark(QPainter& painter, const QRect& area, int color) {
    painter.save();
    painter.setPen(QPen(toQColor(color), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.restore();
}

namespace {

// A face without a bold of its own comes out regular where Qt does not
// embolden it: a bitmap face, and an outline face drawn on a scaled screen.
bool drawnRegular(const QFont& font) {
    static QHash<QString, bool> known;
    const auto found = known.constFind(font.key());
    if (found != known.constEnd())
        return *found;
    const QString family = QFontInfo(font).family();
    bool regular = font.bold() && (!bitmapsOn || !QFontDatabase::isScalable(family));
    for (const QString& style : QFontDatabase::styles(family))
        regular = regular && QFontDatabase::weight(family, style) < QFont::DemiBold;
    known.insert(font.key(), regular);
    return regular;
}

} // namespace

QFont withFallbacks(QFont font) {
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

void dressDialog(QWidget* dialog, QSize size, int color) {
    dialog->setFixedSize(size);
    dialog->setFont(windowFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette colours = dialog->palette();
    colours.setColor(QPalette::Window, toQColor(color));
    dialog->setPalette(colours);
    dialog->setAutoFillBackground(true);
}

void drawCaption(QPainter& painter, const QRect& area, int flags, const QString& caption) {
    // A message may hold letters none of the window's faces has; only then are the
    // desktop's other faces looked through.
    const bool plain =
        std::all_of(caption.begin(), caption.end(), [](QChar c) { return c.unicode() < 0x80; });
    const QFont windowFace = painter.font();
    if (!plain)
        painter.setFont(withFallbacks(windowFace));
    if (!drawnRegular(painter.font())) {
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
    painter.setFont(windowFace);
}
