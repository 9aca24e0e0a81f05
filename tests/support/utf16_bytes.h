#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

// A text as UTF-16LE bytes without terminator, as files and the clipboard hold it.
inline QByteArray Utf16(const QString& text) {
    QByteArray out;
    out.reserve(text.size() * 2);
    for (QChar c : text) {
        out.append(char(c.unicode() & 0xff));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

// A 16-bit value as two little-endian bytes.
inline QByteArray Le16(quint16 value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}
