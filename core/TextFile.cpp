// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

namespace {

// Windows-1252's bytes 0x80 to 0x9F. The five it leaves unassigned map to
// the control characters of the same number, so every byte reads and writes
// back as itself.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const QByteArray kBom("\xEF\xBB\xBF");
const QByteArray kUtf16LEBom("\xFF\xFE");
const QByteArray kUtf16BEBom("\xFE\xFF");

QString fromWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        text[i] = QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b));
    }
    return text;
}

// Nothing when a character has no byte in the code page.
std::optional<QByteArray> toWindows1252(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            bytes[i] = char(c);
            continue;
        }
        const auto* high = std::find(kHighControls.begin(), kHighControls.end(), c);
        if (high == kHighControls.end())
            return std::nullopt;
        bytes[i] = char(0x80 + (high - kHighControls.begin()));
    }
    return bytes;
}

} // namespace

DecodedText decodeText(const QByteArray& bytes) {
    for (const auto& [mark, encoding, utf16] :
         {std::tuple{kUtf16LEBom, TextEncoding::Utf16LE, QStringConverter::Utf16LE},
          std::tuple{kUtf16BEBom, TextEncoding::Utf16BE, QStringConverter::Utf16BE}}) {
        if (!bytes.startsWith(mark))
            continue;
        // The mark decides: a stray odd byte at the end is dropped, not a
        // reason to read the whole file in another encoding.
        const QByteArray units = bytes.mid(2, (bytes.size() - 2) & ~qsizetype(1));
        return {QStringDecoder(utf16, QStringConverter::Flag::Stateless).decode(units), encoding};
    }
    const bool bom = bytes.startsWith(kBom);
    const QByteArray body = bom ? bytes.mid(kBom.size()) : bytes;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                    QStringConverter::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError())
        return {text, bom ? TextEncoding::Utf8WithBom : TextEncoding::Utf8};
    return {fromWindows1252(body),
            bom ? TextEncoding::Windows1252WithBom : TextEncoding::Windows1252};
}

QByteArray encodeText(const QString& text, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf16LE:
        return kUtf16LEBom + QStringEncoder(QStringConverter::Utf16LE).encode(text);
    case TextEncoding::Utf16BE:
        return kUtf16BEBom + QStringEncoder(QStringConverter::Utf16BE).encode(text);
    case TextEncoding::Windows1252:
    case TextEncoding::Windows1252WithBom:
        if (const auto bytes = toWindows1252(text))
            return encoding == TextEncoding::Windows1252 ? *bytes : kBom + *bytes;
        [[fallthrough]];
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithBom:
        break;
    }
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QByteArray bytes = utf8.encode(text);
    return encoding == TextEncoding::Utf8 || encoding == TextEncoding::Windows1252 ? bytes
                                                                                   : kBom + bytes;
}

FileState readWholeFile(const QString& path, QByteArray& bytes) {
    bytes.clear();
    const QFileInfo info(path);
    if (!info.exists())
        return FileState::Missing;
    QFile file(path);
    if (!info.isFile() || info.size() > kLargestFile || !file.open(QIODevice::ReadOnly))
        return FileState::Unreadable;
    // In pieces, so that a file grown since it was measured never takes
    // more memory than the largest.
    while (!file.atEnd()) {
        const QByteArray piece = file.read(64 << 10);
        if (piece.isEmpty() || bytes.size() + piece.size() > kLargestFile) {
            bytes.clear();
            return FileState::Unreadable;
        }
        bytes += piece;
    }
    return file.error() == QFileDevice::NoError ? FileState::Read : FileState::Unreadable;
}
