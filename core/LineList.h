// SPDX-License-Identifier: GPL-3.0-or-later
// The line rules shared by the settings stores and the schedule list: a text
// read with any of CR LF, CR or LF as line end, written back with CR LF, and
// a final line end exactly when the read text had one.
#pragma once

#include "TextFile.h"

#include <QString>
#include <QStringList>

class LineList {
public:
    void SetText(const QString& text);
    QString Text() const;

    // A file's bytes, in whichever encoding they came; written back in it.
    void SetBytes(const QByteArray& bytes);
    QByteArray Bytes() const;
    TextEncoding Encoding() const { return encoding_; }

    int Count() const { return int(lines_.size()); }
    // A line past the end reads as empty text.
    QString Line(int index) const;
    // Replacing a line past the end does nothing; line 0 always exists.
    void SetLine(int index, const QString& text);
    void Append(const QString& text) { lines_.append(text); }

    const QStringList& Lines() const { return lines_; }
    bool EndsWithLineBreak() const { return finalBreak_; }

private:
    QStringList lines_;
    bool finalBreak_ = false;
    TextEncoding encoding_ = TextEncoding::Utf8;
};
