#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <optional>

#include "platform/file_attributes.h"

// The device's file system: every file access of the system goes through this interface,
// in device paths ("\My Documents\a.txt"). Tests wrap it to inject faults.

enum class DeviceError {
    None,
    NotFound,
    Exists,
    InvalidPath,   // refused name, "..", too long, outside every volume
    AccessDenied,  // read-only, ROM, storage-card folder
    WriteProtected,  // the volume is mounted read-only
    NotEmpty,
    DiskFull,
    Io,
    Unsupported,
};

enum class OpenMode {
    Read,          // read access, existing file only
    CreateAlways,  // write access, created or truncated
    ReadWrite,     // read and write access, existing file only
};

inline constexpr int kMaxPathUnits = 259;  // without the terminator

class DeviceFile {
public:
    virtual ~DeviceFile() = default;
    // Bytes read (0 at the end), or -1 on error.
    virtual qint64 Read(char* buffer, qint64 count) = 0;
    // true only when every byte was written.
    virtual bool Write(const char* buffer, qint64 count) = 0;
    virtual bool Seek(qint64 position) = 0;
    virtual qint64 Position() const = 0;
    virtual qint64 Size() const = 0;
    virtual bool GetTimes(FileTime* creation, FileTime* access, FileTime* write) const = 0;
    virtual bool SetTimes(const FileTime* creation, const FileTime* access,
                          const FileTime* write) = 0;
    // Makes the written bytes durable.
    virtual bool Flush() = 0;
    // Closes the file; false when buffered data could not be written.
    virtual bool Close() = 0;
    // The host permission bits (rwx for owner, group, others), so that what we write is never
    // readable by more people than its source.
    virtual std::optional<quint32> Permissions() const = 0;
    virtual bool SetPermissions(quint32 mode) = 0;
    // Copies up to count bytes from the source's position to this file's position, advancing
    // both; inside the kernel where the host can, else through a buffer. Bytes copied (fewer
    // once the source ends), or -1 on error.
    virtual qint64 CopyFrom(DeviceFile& source, qint64 count);
    // Why the last failed call on the file failed.
    virtual DeviceError LastError() const { return DeviceError::Io; }
};

class FindHandle {
public:
    virtual ~FindHandle() = default;
    // The next matching entry; false at the end.
    virtual bool Next(FindData& out) = 0;
    // Host names met so far that the search left out because they cannot be device names,
    // so that a walk reports them instead of silently missing them.
    virtual QStringList Skipped() const { return {}; }
};

struct VolumeSpace {
    quint64 freeToCaller = 0;
    quint64 total = 0;
    quint64 totalFree = 0;
};

class DeviceFs {
public:
    virtual ~DeviceFs() = default;

    // pattern: a folder, "\" and a name pattern with * and ?, or a plain path. Fills the first
    // match and returns a handle for the rest; null when the folder is missing or nothing
    // matches. "." and ".." are never reported.
    // With foldersOnly the handle may leave out entries that are not folders (a walk's
    // discovery needs only those, and skipping files saves a lookup each).
    virtual std::unique_ptr<FindHandle> FindFirst(const QString& pattern, FindData& first,
                                                  bool foldersOnly = false) = 0;

    virtual std::optional<quint32> GetAttributes(const QString& path) = 0;
    // Sets the whole attribute word (the directory bit is ignored).
    virtual bool SetAttributes(const QString& path, quint32 attributes) = 0;

    virtual bool CreateDirectory(const QString& path) = 0;
    virtual bool RemoveDirectory(const QString& path) = 0;
    virtual bool DeleteFile(const QString& path) = 0;
    // Copies content, attributes and write time, replacing an existing destination atomically.
    virtual bool CopyFile(const QString& source, const QString& destination) = 0;
    // Renames; fails when the new path exists, except for a change of letter case.
    virtual bool MoveFile(const QString& oldPath, const QString& newPath) = 0;
    // Atomically puts source in place of target (which may exist); the target's attributes
    // are carried over to the new content.
    virtual bool ReplaceFile(const QString& source, const QString& target) = 0;

    virtual std::unique_ptr<DeviceFile> Open(const QString& path, OpenMode mode,
                                             quint32 createAttributes = 0) = 0;

    // A new, empty file private to the user (0600) under a name unique to this writer in the
    // folder, never listed, walked or copied. While it stays open it is marked live, so that no
    // other process removes it as a leftover; *path receives its device path, for MoveFile or
    // ReplaceFile once it is complete. Leftovers of such files that no live process holds are
    // removed the first time a process writes into their folder.
    virtual std::unique_ptr<DeviceFile> CreateTempFile(const QString& folder, QString* path) = 0;

    // Opens (creating when missing, private to the user) a lock file and waits for its
    // exclusive advisory lock, held across processes until the returned file is destroyed.
    virtual std::unique_ptr<DeviceFile> LockFile(const QString& path) = 0;

    // The host permission bits of an existing entry.
    virtual std::optional<quint32> GetPermissions(const QString& path) = 0;
    virtual bool SetPermissions(const QString& path, quint32 mode) = 0;

    virtual bool GetTimes(const QString& path, FileTime* creation, FileTime* access,
                          FileTime* write) = 0;
    virtual bool SetTimes(const QString& path, const FileTime* creation, const FileTime* access,
                          const FileTime* write) = 0;

    virtual std::optional<VolumeSpace> GetDiskFreeSpace(const QString& path) = 0;

    // Makes everything written to the volume of the path durable (one flush for many files).
    virtual bool SyncVolume(const QString& path) = 0;

    // Names of the mounted storage cards, as they appear in the root.
    virtual QStringList StorageCards() = 0;

    // The host file behind a device path, for handing files to desktop programs; empty when
    // the path does not resolve.
    virtual QString HostPath(const QString& path) = 0;

    // Why the last failed call failed.
    virtual DeviceError LastError() const = 0;
};
