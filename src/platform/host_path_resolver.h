#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

#include "platform/device_fs.h"
#include "platform/host_attributes.h"
#include "platform/host_volumes.h"

// A device path resolved beneath its volume without following links: the open parent
// folder and the entry's host name in it ("." for a volume root). Every change is made
// relative to that descriptor, so a folder swapped for a link meanwhile redirects nothing.
struct ResolvedPath {
    const HostVolume* volume = nullptr;
    int dir = -1;  // owned; O_PATH
    QByteArray name;
    QByteArray host;  // the host path, for desktop programs and caches
    bool exists = false;
    bool isDir = false;
    bool isVolumeRoot = false;
    HostStat st;  // of the entry, when it exists
    ResolvedPath() = default;
    ResolvedPath(const ResolvedPath&) = delete;
    ResolvedPath& operator=(const ResolvedPath&) = delete;
    ~ResolvedPath();
    void Reset();
    // "/proc/self/fd/N/name", for the calls that only take a path (extended attributes).
    QByteArray At() const;
    // Opens the existing entry itself (flags get O_NOFOLLOW and O_CLOEXEC).
    int OpenEntry(int flags) const;
};

// Finds device paths on the host: case-insensitive, beneath the volume, never through a
// link. Keeps a name index of recently searched folders and sweeps our own leftovers.
class HostPathResolver {
public:
    explicit HostPathResolver(HostVolumes& volumes) : volumes_(volumes) {}

    // An entry that exists or one that may be created; false with the error when the path
    // is malformed or a folder on the way is missing.
    bool Resolve(const QString& path, ResolvedPath* out, DeviceError* error);
    // Keeps the folder's name index in step with a change made here.
    void NoteEntry(const ResolvedPath& r, const QByteArray& name, bool added);
    // A temporary file made in folder: not indexed, but the folder's index stays current.
    void NoteTempEntry(const QByteArray& folder, int folderFd);
    // Forgets the index of a folder that was removed or moved.
    void ForgetFolder(const QByteArray& host) { caseIndex_.remove(host); }
    // Removes our own temporary files that no live process holds, once per folder and process.
    void SweepLeftovers(const QByteArray& folder, int folderFd);

private:
    // The stored spelling of a name in a host folder, found without regard to case.
    bool FindCaseVariant(int dirFd, const QByteArray& folder, const QString& name,
                         QByteArray* actual);

    HostVolumes& volumes_;
    bool noOpenat2_ = false;
    QSet<QByteArray> swept_;
    // Folded names of recently searched folders, valid while the folder's change time is the
    // one recorded: a case-insensitive miss then costs one lookup, not a folder scan.
    struct CaseIndex {
        quint64 inode = 0;
        qint64 changeSec = -1, changeNsec = 0;
        QHash<QString, QByteArray> names;
    };
    QHash<QByteArray, CaseIndex> caseIndex_;
};
