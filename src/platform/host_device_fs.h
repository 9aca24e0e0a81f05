#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <deque>

#include "platform/device_fs.h"
#include "platform/host_attributes.h"

// The device emulated over host folders: the root volume is one host folder, each storage
// card another, mounted in the root as "\<name>".
class HostDeviceFs : public DeviceFs {
public:
    struct Card {
        QString name;
        QString hostDir;
    };
    struct Config {
        QString rootDir;
        QList<Card> cards;
        // Also mount removable media found under /media/$USER and /run/media/$USER.
        bool discoverRemovableMedia = false;
        // Root folders the system makes when it needs them (the bin's): never a card's name,
        // even before they exist.
        QStringList reservedNames;
    };

    explicit HostDeviceFs(Config config);

    // $XDG_DATA_HOME/nuvio-explorer/device
    static QString DefaultRootDir();
    // Creates the folder with the device's standard folders when it does not exist yet.
    static bool SeedDevice(const QString& rootDir);

    std::unique_ptr<FindHandle> FindFirst(const QString& pattern, FindData& first,
                                          bool foldersOnly = false) override;
    std::optional<quint32> GetAttributes(const QString& path) override;
    bool SetAttributes(const QString& path, quint32 attributes) override;
    bool CreateDirectory(const QString& path) override;
    bool RemoveDirectory(const QString& path) override;
    bool DeleteFile(const QString& path) override;
    bool CopyFile(const QString& source, const QString& destination) override;
    bool MoveFile(const QString& oldPath, const QString& newPath) override;
    bool ReplaceFile(const QString& source, const QString& target) override;
    std::unique_ptr<DeviceFile> Open(const QString& path, OpenMode mode,
                                     quint32 createAttributes = 0) override;
    std::unique_ptr<DeviceFile> CreateTempFile(const QString& folder, QString* path) override;
    std::unique_ptr<DeviceFile> LockFile(const QString& path) override;
    std::optional<quint32> GetPermissions(const QString& path) override;
    bool SetPermissions(const QString& path, quint32 mode) override;
    bool GetTimes(const QString& path, FileTime* creation, FileTime* access,
                  FileTime* write) override;
    bool SetTimes(const QString& path, const FileTime* creation, const FileTime* access,
                  const FileTime* write) override;
    std::optional<VolumeSpace> GetDiskFreeSpace(const QString& path) override;
    bool SyncVolume(const QString& path) override;
    QStringList StorageCards() override;
    QString HostPath(const QString& path) override;
    DeviceError LastError() const override { return lastError_; }

    struct Volume {
        QString name;  // empty for the root volume
        QByteArray hostRoot;  // trusted: given by the user or found as a mount point
        bool readOnly = false;
        bool fat = false;
    };

private:
    // A device path resolved beneath its volume without following links: the open parent
    // folder and the entry's host name in it ("." for a volume root). Every change is made
    // relative to that descriptor, so a folder swapped for a link meanwhile redirects nothing.
    struct Resolved {
        const Volume* volume = nullptr;
        int dir = -1;  // owned; O_PATH
        QByteArray name;
        QByteArray host;  // the host path, for desktop programs and caches
        bool exists = false;
        bool isDir = false;
        bool isVolumeRoot = false;
        HostStat st;  // of the entry, when it exists
        Resolved() = default;
        Resolved(const Resolved&) = delete;
        Resolved& operator=(const Resolved&) = delete;
        ~Resolved();
        void Reset();
        // "/proc/self/fd/N/name": the entry through its parent's descriptor, for the calls
        // that only take a path (extended attributes).
        QByteArray At() const;
    };

    bool Resolve(const QString& path, Resolved* out);
    bool ResolveExisting(const QString& path, Resolved* out);
    // Opens the existing entry itself (flags get O_NOFOLLOW and O_CLOEXEC).
    int OpenEntry(const Resolved& r, int flags);
    void RefreshVolumes();
    void AddCard(const QString& name, const QString& hostDir);
    bool NameTaken(const QString& name);
    bool Mounted(const Volume& volume);
    const Volume* FindCard(const QString& name);
    bool Fail(DeviceError error);
    bool FailErrno(int err);
    bool WritableFile(const Resolved& r);
    // The stored spelling of a name in a host folder, found without regard to case.
    bool FindCaseVariant(int dirFd, const QByteArray& folder, const QString& name,
                         QByteArray* actual);
    // Keeps the folder's name index in step with a change made here.
    void NoteEntry(const Resolved& r, const QByteArray& name, bool added);
    // A temporary file made in folder: not indexed, but the folder's index stays current.
    void NoteTempEntry(const QByteArray& folder, int folderFd);
    // Removes our own temporary files that no live process holds, once per folder and process.
    void SweepLeftovers(const QByteArray& folder, int folderFd);

    Config config_;
    Volume root_;
    std::deque<Volume> cards_;  // never shrinks: find handles keep pointers
    qint64 cardsScannedAt_ = -1;
    DeviceError lastError_ = DeviceError::None;
    bool cloneFails_ = false;
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

    friend class HostFindHandle;
};
