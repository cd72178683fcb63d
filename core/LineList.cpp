// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineList.h"

void LineList::SetText(const QString& text) {
    lines_.clear();
    finalBreak_ = false;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines_.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines_.append(text.mid(start));
    else
        finalBreak_ = !lines_.isEmpty();
}

QString LineList::Text() const {
    QString text = lines_.join(QLatin1String("\r\n"));
    if (finalBreak_)
        text += QLatin1String("\r\n");
    return text;
}

QString LineList::Line(int index) const {
    return index >= 0 && index < lines_.size() ? lines_[index] : QString();
}

void LineList::SetLine(int index, const QString& text) {
    if (index == 0 && lines_.isEmpty())
        lines_.append(QString());
    if (index >= 0 && index < lines_.size())
        lines_[index] = text;
}

void LineList::SetBytes(const QByteArray& bytes) {
    const DecodedText decoded = DecodeText(bytes);
    SetText(decoded.text);
    encoding_ = decoded.encoding;
}

QByteArray LineList::Bytes() const {
    return EncodeText(Text(), encoding_);
}
