#pragma once

#include <QByteArray>
#include <QString>
#include <ctime>

#include "platform/device_fs.h"
#include "platform/host_attributes.h"

// Small host-side helpers shared by the device's files: names, stats and errors.

// Temporary files of our own copies and replacements; never shown as device entries.
inline constexpr char kHostTempPrefix[] = ".nuvio-tmp-";

inline QByteArray EncodeHostName(const QString& name) {
    return name.toUtf8();
}
// A host name that cannot be a device name (bad UTF-8, refused characters) yields empty.
QString DecodeHostName(const char* raw);
// Our own files (temporaries, lock files) are never device entries.
bool IsOwnHostName(const char* raw);
QByteArray JoinHostPath(const QByteArray& folder, const QByteArray& name);
// "/proc/self/fd/N/name": an entry through its parent's descriptor.
QByteArray ProcPath(int fd, const QByteArray& name);

void FillFind(const HostStat& st, quint32 attributes, const QString& name, FindData* out);
// Stats that never follow a link: false for a link as for a missing entry.
bool StatHost(const QByteArray& host, HostStat* st);
bool StatAt(int dirFd, const QByteArray& name, HostStat* st);
int OpenDirAt(int dirFd, const char* name);

// A temporary name unique to this writer across processes.
QByteArray HostTempName();
// A temporary file of a writer that is gone: its lock is free and its process no longer runs.
bool IsDeadLeftover(int dirFd, const char* raw);

DeviceError ErrorFromErrno(int err);
timespec ToTimespec(const FileTime* time);
