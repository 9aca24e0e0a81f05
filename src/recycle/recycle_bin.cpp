#include "recycle/recycle_bin.h"

#include <algorithm>

#include "app/load_str.h"
#include "app/path_helpers.h"
#include "app/settings_store.h"
#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "platform/device_fs.h"
#include "platform/device_path.h"
#include "resources/ids.h"

RecycleBin::RecycleBin(DeviceFs& fs, SettingsStore& settings, UserPrompt& prompt,
                       const Clock& clock)
    : fs_(fs), settings_(settings), prompt_(prompt), clock_(clock) {}

RecycleBin::~RecycleBin() = default;

// Opening the bin:
//  1. read the settings,
//  2. take the stored folder, or compute one and create it hidden,
//  3. under the bin's lock, read the index and purge what has expired.
void RecycleBin::Open() {
    entries_.clear();
    dirty_ = false;
    config_.enabled = settings_.GetInt(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_ENABLE) != 0;
    config_.position = settings_.GetInt(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_POS);
    config_.capacityMb = settings_.GetInt(IDS_SECTION_RECYCLEBIN, IDS_KEY_MAX_CAPACITY);
    config_.capacityLimitOn =
        settings_.GetInt(IDS_SECTION_RECYCLEBIN, IDS_KEY_ENABLE_CAPACITY) != 0;
    config_.lifetime = settings_.GetInt(IDS_SECTION_RECYCLEBIN, IDS_KEY_LIFETIME);
    indexIsCurrent_ = true;

    binPath_ = settings_.GetText(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_PATH);
    const bool undecided = binPath_.isEmpty() || binPath_.startsWith(QLatin1Char('*'));
    if (undecided && MakeBinPath(std::nullopt, &binPath_) && !PathExists(fs_, binPath_)) {
        CreateBinFolder(binPath_);
    }
    binReady_ = undecided;
    stamp_ = IndexStamp();
    ChangeScope scope(*this, false);
    LoadRecycleIndex();
    PurgeExpired(false);
}

void RecycleBin::SaveSettings() {
    settings_.SetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_ENABLE,
                                config_.enabled);
    settings_.SetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_POS, config_.position);
    settings_.SetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_MAX_CAPACITY, config_.capacityMb);
    settings_.SetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_ENABLE_CAPACITY,
                                config_.capacityLimitOn);
    settings_.SetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_LIFETIME, config_.lifetime);
}

// Every change was saved under the lock when it was made; an index another process wrote
// since is read, never overwritten by this older list.
void RecycleBin::Close() {
    { ChangeScope scope(*this); }
    ClearRecycleList();
    if (!binPath_.isEmpty() && !binPath_.startsWith(QLatin1Char('*'))) {
        settings_.SetProfileTextById(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_PATH, binPath_);
    }
}

void RecycleBin::SetLimits(int capacityMb, bool limitOn, int lifetime) {
    config_.capacityMb = capacityMb;
    config_.capacityLimitOn = limitOn;
    config_.lifetime = lifetime;
}

void RecycleBin::SetEntries(const QString& binPath, QList<RecycleEntry> entries) {
    binPath_ = binPath;
    entries_ = std::move(entries);
    binReady_ = true;
    dirty_ = false;
    stamp_ = ReadStamp();
    ++generation_;
}

void RecycleBin::ClearRecycleList() {
    entries_.clear();
}

const RecycleEntry* RecycleBin::GetRecycleEntry(int index) const {
    if (index < 0 || index >= entries_.size()) return nullptr;
    return &entries_[index];
}

quint64 RecycleBin::GetMaxCapacity(bool inBytes) const {
    const quint64 megabytes = quint64(std::max(config_.capacityMb, 0));
    return inBytes ? megabytes << 20 : megabytes;
}

quint64 RecycleBin::GetRoomLeft() {
    const quint64 free = GetFreeSpace(fs_, binPath_);
    if (!config_.capacityLimitOn) return free;
    const quint64 used = GetUsedBytes();
    const quint64 capacity = GetMaxCapacity(true);
    if (used > capacity) return 0;
    return std::min(capacity - used, free);
}

quint64 RecycleBin::GetUsedBytes() {
    const quint64 measured = MeasureTree(fs_, binPath_).bytes;
    const quint64 index = GetFileSize64(fs_, GetIndexPath());
    return measured > index ? measured - index : 0;
}

bool RecycleBin::CapacityLimitChanged(bool wasOn, int oldMb, bool isOn, int newMb) {
    return wasOn ? isOn && newMb != oldMb : isOn;
}

QString RecycleBin::BinFolderName() const {
    return LoadStr(IDS_RECYCLE_FOLDER_NAME);
}

bool RecycleBin::CreateBinFolder(const QString& path) {
    if (!fs_.CreateDirectory(path)) return false;
    fs_.SetPermissions(path, 0700);  // private; a card's file system may not keep it
    const std::optional<quint32> attributes = fs_.GetAttributes(path);
    if (attributes) fs_.SetAttributes(path, *attributes | Attr::kHidden);
    return true;
}

RecycleBin::ChangeScope::ChangeScope(RecycleBin& bin, bool refresh) : bin_(bin) {
    bin_.BeginChange(refresh);
}

RecycleBin::ChangeScope::~ChangeScope() {
    bin_.EndChange();
}

RecycleBin::IndexStamp RecycleBin::ReadStamp() {
    IndexStamp stamp;
    FindData record;
    if (binPath_.isEmpty() || binPath_.startsWith(QLatin1Char('*')) ||
        !PathExists(fs_, GetIndexPath(), &record)) {
        return stamp;
    }
    stamp.exists = true;
    stamp.size = record.size;
    stamp.written = record.lastWriteTime;
    stamp.id = record.objectId;
    return stamp;
}

// The lock is taken once per operation; without a bin folder there is nothing to guard.
void RecycleBin::BeginChange(bool refresh) {
    if (lockDepth_++ > 0) return;
    if (!binPath_.isEmpty() && !binPath_.startsWith(QLatin1Char('*')) &&
        PathExists(fs_, binPath_)) {
        lock_ = fs_.LockFile(JoinPath(binPath_, QLatin1String(kLockName)));
    }
    if (refresh && binReady_ && ReadStamp() != stamp_) ReadIndex();
}

void RecycleBin::EndChange() {
    if (--lockDepth_ > 0) return;
    if (dirty_ && binReady_) SaveRecycleIndex();
    lock_.reset();
}

void RecycleBin::Refresh() {
    ChangeScope scope(*this);
    if (!binReady_ && PathExists(fs_, binPath_)) ReadIndex();
}

bool RecycleBin::IsProtectedItem(DeviceFs& fs, const QString& path, const QString& binPath) {
    QStringList parts;
    if (!SplitDevicePath(path, &parts) || parts.isEmpty()) return true;
    if (parts.size() == 1 && fs.StorageCards().contains(parts[0], Qt::CaseInsensitive)) {
        return true;
    }
    if (!binPath.isEmpty() && !binPath.startsWith(QLatin1Char('*')) &&
        IsSameOrInside(binPath, path)) {
        return true;
    }
    // Another bin folder, at the top of a volume.
    const QString binName = LoadStr(IDS_RECYCLE_FOLDER_NAME);
    return parts.last().compare(binName, Qt::CaseInsensitive) == 0 &&
           (parts.size() == 1 ||
            (parts.size() == 2 && fs.StorageCards().contains(parts[0], Qt::CaseInsensitive)));
}

// An archive, or the unpacked file or folder of an old-version entry, and only a sound one.
// True when it is gone.
bool RecycleBin::RemoveBinItem(const RecycleEntry& entry) {
    const QString& path = entry.archivePath;
    FindData record;
    if (path.isEmpty() || !PathExists(fs_, path, &record)) return true;
    if (!IsSoundEntry(entry, binPath_)) return false;
    if (record.IsFolder()) {
        RemoveTree(fs_, path);
    } else {
        DeleteFileForce(fs_, path);
    }
    return !PathExists(fs_, path);
}

void RecycleBin::DropRow(int row, const RestoreObserver& observer) {
    entries_.removeAt(row);
    dirty_ = true;
    if (observer.rowRemoved) observer.rowRemoved(row);
}
