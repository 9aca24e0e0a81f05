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
    RecycleBin(DeviceFs& fs, SettingsStore& settings, UserPrompt& prompt, const Clock& clock);
    ~RecycleBin();

    // The document's construction steps for the bin: read the settings, take or compute the
    // bin folder (creating it hidden when computed), read the index, purge unforced.
    void Open();
    // The document's destruction steps: write the five settings; save the index when dirty;
    // write "RecyclePath" unless the folder is still undecided.
    void SaveSettings();
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

    bool MakeBinPath(std::optional<int> position, QString* path);
    QString GetIndexPath() const;
    void LoadRecycleIndex();
    bool SaveRecycleIndex();
    void ClearRecycleList();
    const RecycleEntry* GetRecycleEntry(int index) const;
    // The new entry, or none when nothing was put into the bin (the item stays whole).
    std::optional<RecycleEntry> MoveToRecycleBin(const QString& path, Progress* progress = nullptr);
    void FlushRecycleIndex(bool force);
    bool SetBinLocation(int position, bool move, Progress* progress = nullptr);
    int PurgeExpired(bool force);
    quint64 GetMaxCapacity(bool inBytes) const;
    quint64 GetRoomLeft();
    void CheckRecycleBin();

    // Keeps the file list and the tree in step with a restore.
    struct RestoreObserver {
        // An item came back to path; existedBefore tells whether it replaced one.
        std::function<void(const QString& path, bool existedBefore)> restored;
        // The entry at that row left the list (restored, erased or dropped).
        std::function<void(int row)> rowRemoved;
    };
    // Rows in ascending order; worked from the last to the first.
    void RestoreFromBin(const QList<int>& rows, const RestoreObserver& observer = {},
                        Progress* progress = nullptr);
    void EraseFromBin(const QList<int>& rows, const RestoreObserver& observer = {});
    // One-time conversion of an old-version bin (message 121).
    bool CompressRecycleBin(Progress* progress = nullptr);

private:
    DeviceFs& fs_;
    SettingsStore& settings_;
    UserPrompt& prompt_;
    const Clock& clock_;
};
