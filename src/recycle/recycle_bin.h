#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "recycle/recycle_entry.h"

class Clock;
class DeviceFs;
class Progress;
class SettingsStore;
class UserPrompt;

// The recycle bin: the hidden bin folder with one archive per deleted item, the list of its
// entries and the index file that keeps it, and the settings of section "RecycleBin".
// Owned by the document; every question and message goes through the prompt.
class RecycleBin {
public:
    // An archive is packed under its name with this suffix and renamed when complete, so
    // that what a crash leaves of a pack is known as such and removed at the next reading.
    static constexpr char kUnfinishedSuffix[] = ".part";

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

    // Settings members (section "RecycleBin").
    bool enabled = true;
    int position = 1;  // 0 main memory, 1 storage card
    int capacityMb = 16;
    bool capacityLimitOn = false;
    int lifetime = 0;  // 0 forever, 1 one day, 2 one week, 3 one month

    QString binPath;  // "\~Recycle", "<card>\~Recycle", or "*~Recycle" when undecided
    bool binReady = false;
    bool indexIsCurrent = true;  // false after reading an old-version ("NR0") index
    bool dirty = false;
    QList<RecycleEntry> entries;

    // The bin folder for a position (the bin's own when none; with no card mounted that one
    // falls back to main memory). False, with "*~Recycle", when no usable card is chosen.
    bool MakeBinPath(std::optional<int> position, QString* path);
    QString GetIndexPath() const;
    // Replaces the list by the index; archives of the bin that it does not list are taken
    // back in (from their entries), those it lists that are gone are dropped.
    void LoadRecycleIndex();
    // Replaces the index file atomically; false leaves the file as it was and the list dirty.
    bool SaveRecycleIndex();
    void ClearRecycleList();
    const RecycleEntry* GetRecycleEntry(int index) const;
    // The new entry, or none when nothing was put into the bin (the item stays whole and no
    // archive is left behind).
    std::optional<RecycleEntry> MoveToRecycleBin(const QString& path, Progress* sink = nullptr);
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
    // The start-up check of the stored bin folder (messages 91 and 99).
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
    // One-time conversion of an old-version bin (message 121).
    bool CompressRecycleBin(Progress* progress = nullptr);

private:
    struct RestoreRun;
    // Restored: back and its archive gone; Dropped: its archive was gone already; Kept: back,
    // but its archive could not be removed; Skipped: not restored; Stop: the run ends.
    enum class RowResult { Restored, Dropped, Kept, Skipped, Stop };

    QString BinFolderName() const;
    void AdoptUnlistedArchives();
    void RemoveUnfinishedArchives();
    bool RemoveBinItem(const QString& path);
    bool AskToReplace(const RecycleEntry& entry, RestoreRun& run);
    RowResult RestoreRow(const RecycleEntry& entry, RestoreRun& run, Progress* progress);
    bool BringBack(const RecycleEntry& entry, RestoreRun& run, Progress* progress);
    bool MoveBinContents(const QString& oldPath, Progress* progress);
    bool CreateBinFolder(const QString& path);
    void DropRow(int row, const RestoreObserver& observer);

    DeviceFs& fs_;
    SettingsStore& settings_;
    UserPrompt& prompt_;
    const Clock& clock_;
};
