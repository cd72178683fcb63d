// The program's text files as bytes on disk. Files from the original
// platform are Windows-1252; files written on Linux are UTF-8. Each is
// written back in the encoding it was read in, so bytes the program never
// touched come back unchanged.
#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

enum class TextEncoding { Utf8, Utf8WithBom, Windows1252 };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Valid UTF-8 reads as UTF-8 (a leading byte-order mark is kept aside);
// anything else as Windows-1252, where every byte stands for one character.
DecodedText DecodeText(const QByteArray& bytes);
// Reads bytes as the given encoding, whatever they look like.
QString DecodeAs(const QByteArray& bytes, TextEncoding encoding);
// A text Windows-1252 cannot hold whole is written as UTF-8 instead, so
// that no character is lost; the next read finds it as UTF-8.
QByteArray EncodeText(const QString& text, TextEncoding encoding);

class EFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class FileState { Missing, Unreadable, Read };

// Reads a whole file; Missing and Unreadable leave bytes empty. Files are
// written through the platform, which replaces them in one step.
FileState ReadWholeFile(const QString& path, QByteArray& bytes);
