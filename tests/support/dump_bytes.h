#pragma once

#include <QByteArray>
#include <QString>

// Bytes 0, 1, 2, ... (wrapping at 256): every byte tells its own offset in a dump.
inline QByteArray CountingBytes(int size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i);
    return bytes;
}

// A group of a dump row ("-- ", " ") times over.
inline QString RepeatText(const char* group, int times) {
    return QString::fromLatin1(group).repeated(times);
}
