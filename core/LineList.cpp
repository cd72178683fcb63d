// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineList.h"

void LineList::setText(const QString& text) {
    read_ = text;
    readLines_ = 0;
    marks_.clear();
    changed_.clear();
    added_.clear();
    finalBreak_ = false;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        if (readLines_++ % kMarkEvery == 0)
            marks_.push_back(start);
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n) {
        if (readLines_++ % kMarkEvery == 0)
            marks_.push_back(start);
    } else {
        finalBreak_ = readLines_ > 0;
    }
}

qsizetype LineList::startOf(int index) const {
    qsizetype at = marks_[std::size_t(index / kMarkEvery)];
    for (int skip = index % kMarkEvery; skip > 0; --skip) {
        while (read_[at] != u'\r' && read_[at] != u'\n')
            ++at;
        at += read_[at] == u'\r' && at + 1 < read_.size() && read_[at + 1] == u'\n' ? 2 : 1;
    }
    return at;
}

template <typename Put> void LineList::walk(Put&& put) const {
    // The read lines in one pass through the text.
    qsizetype at = 0;
    for (int i = 0; i < count(); ++i) {
        if (i > 0)
            put(u"\r\n");
        if (i >= readLines_) {
            put(QStringView(added_[i - readLines_]));
            continue;
        }
        qsizetype end = at;
        while (end < read_.size() && read_[end] != u'\r' && read_[end] != u'\n')
            ++end;
        const auto changed = changed_.constFind(i);
        put(changed != changed_.cend() ? QStringView(*changed)
                                       : QStringView(read_).mid(at, end - at));
        const bool crlf = end + 1 < read_.size() && read_[end] == u'\r' && read_[end + 1] == u'\n';
        at = end + (crlf ? 2 : 1);
    }
    if (finalBreak_)
        put(u"\r\n");
}

QString LineList::text() const {
    QString text;
    text.reserve(read_.size() + readLines_ + 64);
    walk([&](QStringView piece) { text += piece; });
    return text;
}

QString LineList::line(int index) const {
    if (index < 0 || index >= count())
        return {};
    if (const auto changed = changed_.constFind(index); changed != changed_.cend())
        return *changed;
    if (index >= readLines_)
        return added_[index - readLines_];
    const qsizetype start = startOf(index);
    qsizetype end = start;
    while (end < read_.size() && read_[end] != u'\r' && read_[end] != u'\n')
        ++end;
    return read_.mid(start, end - start);
}

void LineList::setLine(int index, const QString& text) {
    if (index == 0 && count() == 0)
        added_.append(QString());
    if (index < 0 || index >= count())
        return;
    if (index < readLines_)
        changed_.insert(index, text);
    else
        added_[index - readLines_] = text;
}

QStringList LineList::lines() const {
    QStringList lines;
    lines.reserve(count());
    for (int i = 0; i < count(); ++i)
        lines << line(i);
    return lines;
}

void LineList::setBytes(const QByteArray& bytes) {
    const DecodedText decoded = decodeText(bytes);
    setText(decoded.text);
    encoding_ = decoded.encoding;
}

QByteArray LineList::bytes() const {
    if (encoding_ != TextEncoding::Utf8)
        return encodeText(text(), encoding_);
    // Line by line: a large file is never held twice over as text.
    QByteArray bytes;
    bytes.reserve(read_.size() + readLines_ + 64);
    walk([&](QStringView piece) { bytes += piece.toUtf8(); });
    return bytes;
}
