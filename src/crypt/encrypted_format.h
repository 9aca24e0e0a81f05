#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class DeviceFs;

// Layout of an encrypted file, little-endian throughout:
//   "NE", check word, L, provider name (L bytes of UTF-16LE), then the RC4-enciphered record
//   "NE", check word, N, 16 reserved zero bytes, stored name (N bytes), the plain file's bytes.
inline constexpr char kEncryptedMagic0 = 'N';
inline constexpr char kEncryptedMagic1 = 'E';
inline constexpr qint64 kFileHeaderBytes = 6;
inline constexpr qint64 kRecordHeaderBytes = 22;
// The stored name and its terminator fit a buffer of 260 units.
inline constexpr qint64 kMaxStoredNameBytes = 259 * 2;
// Files are read, enciphered and written in pieces of this size at most.
inline constexpr qint64 kCryptPieceBytes = 64 * 1024;

QByteArray Utf16LeBytes(const QString& text);
// Text from UTF-16LE bytes; an odd trailing byte is not taken.
QString FromUtf16LeBytes(const QByteArray& bytes);

quint16 ReadLe16(const char* bytes);

// "NE", the check word, L and the provider name: the plain start of the file.
QByteArray BuildFileHeader(quint16 checkWord, const QString& provider);
// The record's header before enciphering: "NE", the check word, N, zeros, the stored name.
QByteArray BuildPlainRecordHeader(quint16 checkWord, const QString& storedName);

// A stored name must be a plain device file name: not empty, no separator of any kind, not
// "." or "..", no refused character, short enough for the name buffer.
bool IsValidStoredName(const QString& name);

// True when the path's extension is "enc" in any letter case.
bool HasEncryptedExtension(const QString& path);

// The source's path with ".enc" appended, numbered when that exists (a.txt(2).enc).
QString MakeEncryptedTargetPath(DeviceFs& fs, const QString& source);
