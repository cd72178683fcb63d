// SPDX-License-Identifier: GPL-3.0-or-later
// The program's text files as bytes on disk. Files from the original
// platform are Windows-1252, or UTF-16 with a byte-order mark when a
// Windows editor saved them as "Unicode"; files written on Linux are UTF-8.
// Each is written back in the encoding it was read in, so bytes the program
// never touched come back unchanged.
#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

// Windows1252WithBom: a UTF-8 mark before bytes that are not UTF-8 (a
// Windows-1252 character typed in by another editor); the mark stays at
// the head of the file and is never part of the text.
enum class TextEncoding { Utf8, Utf8WithBom, Windows1252, Windows1252WithBom, Utf16LE, Utf16BE };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// UTF-16 with its byte-order mark (an odd last byte dropped), and valid
// UTF-8, read as such; anything else as Windows-1252, where every byte
// stands for one character. A mark is always kept aside, never read as text.
DecodedText decodeText(const QByteArray& bytes);
// A text Windows-1252 cannot hold whole is written as UTF-8 instead, so
// that no character is lost; the next read finds it as UTF-8.
QByteArray encodeText(const QString& text, TextEncoding encoding);

class EFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class FileState { Missing, Unreadable, Read };

// No file of the program's is anywhere near this size; a larger one is
// none of its own, and counts as unreadable.
constexpr qint64 kLargestFile = 16 << 20;

// Reads a whole file, never more than the largest; Missing and Unreadable
// leave bytes empty. Files are written through the platform, which
// replaces them in one step.
FileState readWholeFile(const QString& path, QByteArray& bytes);
