#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class DeviceFs;

// The shape shared by the system's own binary files (recycle index, favourites): a 42-byte
// header with a three-letter UTF-16 magic and its NUL at 0 and a 16-bit record count at 8,
// then records whose strings follow a 16-bit byte length that includes the NUL.
// Little-endian throughout.

inline constexpr qint64 kSystemFileHeaderBytes = 42;
// Strings are read into buffers of 260 units with the NUL.
inline constexpr int kSystemFileTextUnits = 260;

QByteArray MakeSystemFileHeader(const char* magic, quint16 count);
// The magic as the header's leading UTF-16 text; empty when the data is shorter than a header.
QString SystemFileMagic(const QByteArray& data);
quint16 SystemFileCount(const QByteArray& data);

class SystemFileWriter {
public:
    explicit SystemFileWriter(QByteArray& out) : out_(out) {}
    void UInt16(quint16 value);
    void UInt32(quint32 value);
    void Bytes(const QByteArray& bytes) { out_.append(bytes); }
    // Length (NUL included) and the text with its NUL; an empty text may be written as length 0.
    void Text(const QString& text, bool emptyAsZero = false);

private:
    QByteArray& out_;
};

// Reads forward; every read is checked against the bytes that remain.
class SystemFileReader {
public:
    SystemFileReader(const QByteArray& data, qint64 start) : data_(data), pos_(start) {}
    bool UInt16(quint16* value);
    bool UInt32(quint32* value);
    bool Bytes(qint64 count, QByteArray* bytes);
    // Refuses a length that is odd, over the 260-unit buffer, past the end, or whose text has
    // a NUL inside or none at its end. Length 0 reads as an empty text only when allowed.
    bool Text(QString* text, bool allowZeroLength = false);

private:
    const QByteArray& data_;
    qint64 pos_;
};

// True when the text fits a 260-unit field and reads back the same.
bool IsStorableText(const QString& text);

// The whole file, or none when it cannot be read or is larger than maxBytes.
std::optional<QByteArray> ReadWholeFile(DeviceFs& fs, const QString& path, qint64 maxBytes);

// Temporary file, flush, rename, then the hidden attribute: a failure at any step leaves the
// old file as it was and no temporary file behind.
bool ReplaceWholeFile(DeviceFs& fs, const QString& path, const QByteArray& data);
