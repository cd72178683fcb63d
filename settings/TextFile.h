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
// Characters the encoding cannot hold become "?".
QByteArray EncodeText(const QString& text, TextEncoding encoding);

class EFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class FileState { Missing, Unreadable, Read };

// Reads a whole file; Missing and Unreadable leave bytes empty.
FileState ReadWholeFile(const QString& path, QByteArray& bytes);
// Replaces a file's content all at once: a crash or a full disk half-way
// leaves the old file as it was. Throws EFileError when it cannot.
void WriteWholeFile(const QString& path, const QByteArray& bytes);
