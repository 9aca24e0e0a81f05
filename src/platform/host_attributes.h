#pragma once

#include <sys/stat.h>
#include <QByteArray>
#include <QString>
#include <optional>

// Device attribute bits stored on host files: read-only in the permission bits and, with
// hidden, system and archive, in "user.DOSATTRIB", the bits other programs drop in
// "user.nuvio.attrib", and the real bits on FAT volumes.

struct HostStat {
    bool isDir = false;
    bool isRegular = false;
    mode_t mode = 0;
    quint64 size = 0;
    quint64 inode = 0;
    qint64 birthSec = -1, birthNsec = 0;
    qint64 accessSec = 0, accessNsec = 0;
    qint64 writeSec = 0, writeNsec = 0;
};

// lstat-like; never follows a symbolic link. dirFd may be AT_FDCWD.
bool HostStatAt(int dirFd, const char* name, HostStat* out, bool* isLink);

quint32 ReadHostAttributes(const QByteArray& hostPath, const HostStat& st, const QString& name,
                           bool readOnlyVolume, bool fatVolume);

// True when the stored own bits mark a ROM file (one lookup, for the copy's check).
bool HasOwnRomBits(const QByteArray& hostPath);

// Writes the attribute word onto the host entry; current is what ReadHostAttributes gives.
bool WriteHostAttributes(const QByteArray& hostPath, const HostStat& st, quint32 current,
                         quint32 wanted, bool fatVolume, int* err);

// Copies the stored attribute values and permission bits from one host file to another.
bool CopyHostAttributes(const QByteArray& from, int toFd, mode_t fromMode, bool fatVolume);

// The attribute word of a "user.DOSATTRIB" value: the "0x%x" text (with or without a NUL) or
// Samba's binary form of versions 1 to 5.
std::optional<quint32> ParseDosAttrib(const QByteArray& value);
// The value with the attribute word changed and everything else kept (creation time,
// version, form); a new value (from an empty one) is the "0x%x" text without a NUL.
QByteArray ChangeDosAttrib(const QByteArray& value, quint32 bits);
