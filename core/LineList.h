// SPDX-License-Identifier: GPL-3.0-or-later
// The line rules shared by the settings stores and the schedule list: a text
// read with any of CR LF, CR or LF as line end, written back with CR LF, and
// a final line end exactly when the read text had one. The text read stays
// whole, with the place of every 64th line in it, so that a file of
// millions of empty lines takes little more than its text.
#pragma once

#include "TextFile.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

class LineList {
public:
    void setText(const QString& text);
    QString text() const;

    // A file's bytes, in whichever encoding they came; written back in it.
    void setBytes(const QByteArray& bytes);
    QByteArray bytes() const;
    TextEncoding encoding() const { return encoding_; }

    int count() const { return readLines_ + int(added_.size()); }
    // A line past the end reads as empty text.
    QString line(int index) const;
    // Replacing a line past the end does nothing; line 0 always exists.
    void setLine(int index, const QString& text);
    void append(const QString& text) { added_.append(text); }

    QStringList lines() const;
    bool endsWithLineBreak() const { return finalBreak_; }

private:
    static constexpr int kMarkEvery = 64;
    // Where line i starts in the text read.
    qsizetype startOf(int index) const;
    // Every line and line end in order, as written back.
    template <typename Put> void walk(Put&& put) const;

    // The text as read, its lines, where every 64th starts, and the lines
    // changed or added since.
    QString read_;
    int readLines_ = 0;
    std::vector<qsizetype> marks_;
    QHash<int, QString> changed_;
    QStringList added_;
    bool finalBreak_ = false;
    TextEncoding encoding_ = TextEncoding::Utf8;
};
