#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "platform/device_fs.h"
#include "platform/file_attributes.h"
#include "recycle/recycle_entry.h"

class Clock;
class DeviceFile;
class DeviceFs;
class Progress;
class SettingsStore;
class UserPrompt;

// Settings of section "RecycleBin".
struct RecycleSettings {
    bool enabled = true;
    int position = 1;  // 0 main memory, 1 storage card
    int capacityMb = 16;
    bool capacityLimitOn = false;
    int lifetime = 0;  // 0 forever, 1 one day, 2 one week, 3 one month
};

// The recycle bin: the hidden bin folder with one archive per deleted item, the list of its
// entries and the index file that keeps it, and the settings of section "RecycleBin".
// Owned by the document; every question and message goes through the prompt.
class RecycleBin {
public:
    // Earlier versions packed an archive under its name with this suffix; what a crash left
    // of such a pack is removed under the lock, unless the index lists it (an old-version
    // item may bear the suffix itself). Packs now go through the device's temporary files.
    static constexpr char kUnfinishedSuffix[] = ".part";
    // The bin's advisory lock file; the device hides names starting ".nuvio-".
    static constexpr char kLockName[] = ".nuvio-lock";

    // Holds the bin's lock for one operation, across processes (nested scopes share it): on
    // entry the index is read again when another process changed it; on exit it is saved
    // when this one changed it.
    class ChangeScope {
    public:
        explicit ChangeScope(RecycleBin& bin, bool refresh = true);
        ~ChangeScope();
        ChangeScope(const ChangeScope&) = delete;
        ChangeScope& operator=(const ChangeScope&) = delete;

    private:
        RecycleBin& bin_;
    };

    RecycleBin(DeviceFs& fs, SettingsStore& settings, UserPrompt& prompt, const Clock& clock);
    ~RecycleBin();
    RecycleBin(const RecycleBin&) = delete;
    RecycleBin& operator=(const RecycleBin&) = delete;

    // The document's construction steps for the bin: read the settings, take or compute the
    // bin folder (creating it hidden when computed), read the index, purge unforced.
    void Open();
    // The document's first destruction step: write the five integer settings.
    void SaveSettings();
    // Its last: save the index when dirty, empty the list, and write "RecyclePath" unless the
    // folder is still undecided.
    void Close();

    const RecycleSettings& settings() const { return config_; }
    void SetEnabled(bool on) { config_.enabled = on; }
    // The capacity limit and the lifetime; the position changes only with the location.
    void SetLimits(int capacityMb, bool limitOn, int lifetime);
    // "\~Recycle", "<card>\~Recycle", or "*~Recycle" when undecided.
    const QString& binPath() const { return binPath_; }
    // Whether the bin folder's index was read or written (false for a stored folder that the
    // start-up check has not seen yet).
    bool binReady() const { return binReady_; }
    // False after reading an old-version ("NR0") index.
    bool indexIsCurrent() const { return indexIsCurrent_; }
    // Whether the list has changes its index does not hold yet.
    bool dirty() const { return dirty_; }
    const QList<RecycleEntry>& entries() const { return entries_; }
    // Grows each time the list is read anew, so that views of it know their rows are stale.
    quint64 generation() const { return generation_; }
    // Takes a list of entries of a bin folder as if read from its index (a picture of a bin
    // for the dialog's sample and for tests); it counts as changed.
    void SetEntries(const QString& binPath, QList<RecycleEntry> entries);

    // The bin folder for a position (the bin's own when none; with no card mounted that one
    // falls back to main memory). False, with "*~Recycle", when no usable card is chosen.
    bool MakeBinPath(std::optional<int> position, QString* path);
    QString GetIndexPath() const;
    // Replaces the list by the index; archives of the bin that it does not list are taken
    // back in (from their entries); records whose archive is gone or is not a file directly
    // in the bin folder (for an old-version item: a file or folder directly in it), or whose
    // original path names no item a bin may hold, are dropped.
    void LoadRecycleIndex();
    // Reads the index again when another process changed it since this one last did.
    void Refresh();
    // Whether a record may be kept for a bin in folder (see LoadRecycleIndex).
    bool IsSoundEntry(const RecycleEntry& entry, const QString& folder);
    // The root, a storage card, the bin folder and folders holding it are never put into the
    // bin nor deleted.
    static bool IsProtectedItem(DeviceFs& fs, const QString& path, const QString& binPath);
    // Replaces the index file atomically; false leaves the file as it was and the list dirty.
    bool SaveRecycleIndex();
    void ClearRecycleList();
    const RecycleEntry* GetRecycleEntry(int index) const;
    // The new entry, or none when nothing was put into the bin (the item stays whole and no
    // archive is left behind).
    // What could not be removed of a folder that went into the bin whole is listed in left,
    // one line each with the reason.
    std::optional<RecycleEntry> MoveToRecycleBin(const QString& path, Progress* sink = nullptr,
                                                 QStringList* left = nullptr);
    // Why the device refused the last put into the bin that failed.
    DeviceError LastPutCause() const { return putCause_; }
    // Saves the index when dirty and forced or the bin is on the storage card.
    void FlushRecycleIndex(bool force);
    // False keeps the old location. With move, the archives follow to the new folder.
    bool SetBinLocation(int position, bool move, Progress* progress = nullptr);
    // Moves the bin with its archives to the position, the card being the one "StorageCard"
    // names now. When that fails the old location stays and the setting gets previousCard
    // back, so that it never names a card the bin is not on.
    bool RelocateBin(int position, const QString& previousCard, Progress* progress = nullptr);
    // Entries older than the lifetime, at most once a calendar day unless forced.
    int PurgeExpired(bool force);
    quint64 GetMaxCapacity(bool inBytes) const;
    quint64 GetRoomLeft();
    // Bytes the bin folder holds besides its index file.
    quint64 GetUsedBytes();
    // Whether new limit settings count as a change that may leave the bin already full: a
    // limit turned on, or one that stays on with another capacity.
    static bool CapacityLimitChanged(bool wasOn, int oldMb, bool isOn, int newMb);
    // The start-up check of the stored bin folder (messages IDS_STORAGE_CARD_REMOVED and
    // IDS_RECYCLE_BIN_DAMAGED).
    void CheckRecycleBin();

    // Keeps the file list and the tree in step with a restore.
    struct RestoreObserver {
        // An item came back to path; existedBefore tells whether it replaced one.
        std::function<void(const QString& path, bool existedBefore)> restored;
        // The entry at that row left the list (restored, erased or dropped).
        std::function<void(int row)> rowRemoved;
    };
    // Rows in ascending order; worked from the last to the first. A row whose item could not
    // be brought back whole keeps its entry and its archive.
    void RestoreFromBin(const QList<int>& rows, const RestoreObserver& observer = {},
                        Progress* progress = nullptr);
    // A row whose archive cannot be removed keeps its entry.
    void EraseFromBin(const QList<int>& rows, const RestoreObserver& observer = {});
    // One-time conversion of an old-version bin (message IDS_COMPRESS_RECYCLE_BIN).
    bool CompressRecycleBin(Progress* progress = nullptr);

private:
    DeviceError putCause_ = DeviceError::None;
    struct RestoreRun;
    // Restored: back and its archive gone; Dropped: its archive was gone already; Kept: back,
    // but its archive could not be removed; Skipped: not restored; Stop: the run ends.
    enum class RowResult { Restored, Dropped, Kept, Skipped, Stop };

    struct IndexStamp {
        bool exists = false;
        quint64 size = 0;
        FileTime written = 0;
        quint64 id = 0;
        bool operator==(const IndexStamp&) const = default;
    };

    QString BinFolderName() const;
    IndexStamp ReadStamp();
    void BeginChange(bool refresh);
    void EndChange();
    void ReadIndex();
    void AdoptUnlistedArchives();
    void RemoveUnfinishedArchives();
    bool RemoveBinItem(const RecycleEntry& entry);
    QList<int> CurrentRows(const QList<RecycleEntry>& chosen) const;
    QList<RecycleEntry> ChosenEntries(const QList<int>& rows) const;
    bool AskToReplace(const RecycleEntry& entry, RestoreRun& run);
    RowResult RestoreRow(const RecycleEntry& entry, RestoreRun& run, Progress* progress);
    bool BringBack(const RecycleEntry& entry, RestoreRun& run, Progress* progress);
    // An old-version file copied back; the cause of a failure goes to the run.
    bool CopyBack(const RecycleEntry& entry, RestoreRun& run);
    bool MoveBinContents(const QString& oldPath, Progress* progress);
    bool CreateBinFolder(const QString& path);
    void DropRow(int row, const RestoreObserver& observer);

    RecycleSettings config_;
    QString binPath_;
    bool binReady_ = false;
    bool indexIsCurrent_ = true;
    bool dirty_ = false;
    QList<RecycleEntry> entries_;
    quint64 generation_ = 0;
    IndexStamp stamp_;  // of the index as this process last read or wrote it
    std::unique_ptr<DeviceFile> lock_;
    int lockDepth_ = 0;
    DeviceFs& fs_;
    SettingsStore& settings_;
    UserPrompt& prompt_;
    const Clock& clock_;
};
