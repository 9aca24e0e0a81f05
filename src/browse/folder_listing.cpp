#include "browse/folder_listing.h"

#include <algorithm>

#include "app/device_error_text.h"
#include "app/load_str.h"
#include "app/message.h"
#include "app/path_helpers.h"
#include "app/settings_store.h"
#include "app/wait_cursor.h"
#include "browse/compare_items.h"
#include "browse/ensure_item_icon.h"
#include "browse/icon_cache.h"
#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "platform/device_fs.h"
#include "platform/device_path.h"
#include "resources/ids.h"

namespace {

// "\Windows\" and "\Windows" name the same folder; the root keeps its separator.
QString NormalizeFolder(const QString& folder) {
    QString result = folder.isEmpty() ? QStringLiteral("\\") : folder;
    while (result.size() > 1 && result.endsWith(QLatin1Char('\\')))
        result.chop(1);
    return result;
}

bool IsDotEntry(const QString& name) {
    return name == QLatin1String(".") || name == QLatin1String("..");
}

}  // namespace

FolderListing::FolderListing(DeviceFs& fs, SettingsStore& settings, ShellServices& shell,
                             IconCache& icons)
    : fs_(fs), settings_(settings), shell_(shell), icons_(icons) {
    sortMethod_ = settings_.GetInt(IDS_SECTION_MAIN, IDS_KEY_SORT_METHOD);
    if (sortMethod_ < 0 || sortMethod_ >= kSortMethodCount) sortMethod_ = kSortByName;
    directionFlag_ = settings_.GetInt(IDS_SECTION_MAIN, IDS_KEY_ASCENDING) != 0;
    filter_.showOnly = settings_.GetInt(IDS_SECTION_FILEVIEW, IDS_KEY_SHOW_SPECIFY_FILE) != 0;
    filter_.SetFilterString(settings_.GetText(IDS_SECTION_FILEVIEW, IDS_KEY_FILTER_STRING));
    filter_.hideHidden = settings_.GetInt(IDS_SECTION_FILEVIEW, IDS_KEY_HIDE_HIDDEN_FILE) != 0;
    filter_.hideRomFiles = settings_.GetInt(IDS_SECTION_FILEVIEW, IDS_KEY_HIDE_ROM_FILE) != 0;
    filter_.hideSystemExt = settings_.GetInt(IDS_SECTION_FILEVIEW, IDS_KEY_HIDE_SYSTEM_EXT) != 0;
}

void FolderListing::SaveSettings() const {
    const int fileView = IDS_SECTION_FILEVIEW;
    settings_.SetProfileIntById(IDS_SECTION_MAIN, IDS_KEY_SORT_METHOD, sortMethod_);
    settings_.SetProfileIntById(IDS_SECTION_MAIN, IDS_KEY_ASCENDING, directionFlag_ ? 1 : 0);
    settings_.SetProfileTextById(fileView, IDS_KEY_FILTER_STRING, filter_.FilterString());
    settings_.SetProfileIntById(fileView, IDS_KEY_HIDE_ROM_FILE, filter_.hideRomFiles);
    settings_.SetProfileIntById(fileView, IDS_KEY_SHOW_SPECIFY_FILE, filter_.showOnly);
    settings_.SetProfileIntById(fileView, IDS_KEY_HIDE_HIDDEN_FILE, filter_.hideHidden);
    settings_.SetProfileIntById(fileView, IDS_KEY_HIDE_SYSTEM_EXT, filter_.hideSystemExt);
}

void FolderListing::ChooseSortMethod(int method) {
    if (method < 0 || method >= kSortMethodCount) return;
    if (method != sortMethod_) {
        sortMethod_ = method;
        directionFlag_ = true;
    } else {
        directionFlag_ = !directionFlag_;
    }
    BeginWaitCursor();
    SortRows();
    EndWaitCursor();
}

bool FolderListing::NeedsTypes() const {
    return sortMethod_ == kSortByType;
}

void FolderListing::SortRows() {
    // Every type comparison must see two texts, so types are derived before, not during, the
    // sort.
    if (NeedsTypes()) {
        for (FileItem& item : rows_)
            ::EnsureItemIcon(item, currentFolder_, shell_, icons_);
    }
    SortItems(rows_, sortMethod_, directionFlag_);
    Renumber();
}

int FolderListing::CompareItems(FileItem& a, FileItem& b) {
    if (NeedsTypes()) {
        ::EnsureItemIcon(a, currentFolder_, shell_, icons_);
        ::EnsureItemIcon(b, currentFolder_, shell_, icons_);
    }
    return ::CompareItems(a, b, sortMethod_, directionFlag_);
}

void FolderListing::FillList(const QString& currentFolder, const QString& binFolderPath) {
    BeginWaitCursor();
    currentFolder_ = NormalizeFolder(currentFolder);

    // A bin path still beginning with "*" is not placed yet and hides nothing.
    QString binParent;
    QString binName;
    if (!binFolderPath.startsWith(QLatin1Char('*')) && GetFolderPart(binFolderPath, &binParent) &&
        binParent.compare(currentFolder_, Qt::CaseInsensitive) == 0) {
        binName = FileNamePart(binFolderPath);
    }
    filter_.SetHiddenBinFolder(binName);

    rows_.clear();
    subfolders_.clear();
    icons_.TrimIconCache();

    FindData entry;
    if (std::unique_ptr<FindHandle> find =
            fs_.FindFirst(JoinPath(currentFolder_, QStringLiteral("*.*")), entry)) {
        do {
            if (IsDotEntry(entry.name)) continue;
            if (entry.IsFolder()) subfolders_.append(entry.name);
            if (filter_.PassesFilter(entry)) rows_.push_back(MakeFileItem(entry));
        } while (find->Next(entry));
    }

    SortRows();
    filter_.SetHiddenBinFolder(QString());
    EndWaitCursor();
}

int FolderListing::EnsureItemIcon(int row) {
    if (!IsValidRow(row)) return -1;
    return ::EnsureItemIcon(rows_[size_t(row)], currentFolder_, shell_, icons_);
}

int FolderListing::InsertItem(const FindData& record, int position) {
    if (position < 0 || position > RowCount()) position = RowCount();
    rows_.insert(rows_.begin() + position, MakeFileItem(record));
    for (int row = position; row < RowCount(); ++row)
        rows_[size_t(row)].row = row;
    return position;
}

int FolderListing::FindRowByName(const QString& name) const {
    for (size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].name.compare(name, Qt::CaseInsensitive) == 0) return int(row);
    }
    return -1;
}

bool FolderListing::GetItemPath(int row, QString* path) const {
    if (!IsValidRow(row)) return false;
    *path = JoinPath(currentFolder_, Item(row).name);
    return true;
}

bool FolderListing::RefreshRow(int row, bool reloadIcon) {
    QString path;
    if (!GetItemPath(row, &path)) return false;
    FindData record;
    if (!PathExists(fs_, path, &record)) return false;
    FileItem& item = rows_[size_t(row)];
    MakeFileItem(record, item);
    if (reloadIcon) ::EnsureItemIcon(item, currentFolder_, shell_, icons_);
    return true;
}

bool FolderListing::DeleteRow(int row, bool deleteFile) {
    QString path;
    if (!GetItemPath(row, &path)) return false;
    if (deleteFile && !DeleteFileForce(fs_, path)) return false;
    rows_.erase(rows_.begin() + row);
    Renumber();
    return true;
}

void FolderListing::RemoveRows() {
    rows_.clear();
}

QList<int> FolderListing::RemoveVanishedRows(const QList<int>& rows) {
    std::vector<bool> gone(rows_.size(), false);
    QList<int> removed;
    for (int row : rows) {
        QString path;
        if (!GetItemPath(row, &path) || gone[size_t(row)]) continue;
        if (!PathExists(fs_, path)) {
            gone[size_t(row)] = true;
            removed.append(row);
        }
    }
    if (removed.isEmpty()) return removed;
    // One pass over the rows, so that removing many rows of a long list stays linear.
    size_t kept = 0;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (!gone[i]) {
            if (kept != i) rows_[kept] = std::move(rows_[i]);
            ++kept;
        }
    }
    rows_.resize(kept);
    Renumber();
    std::sort(removed.begin(), removed.end(), std::greater<int>());
    return removed;
}

bool FolderListing::RenameItem(int row, const QString& newName, UserPrompt& prompt) {
    QString oldPath;
    if (!GetItemPath(row, &oldPath)) return false;
    FileItem& item = rows_[size_t(row)];
    if (newName == item.name) return true;
    // A name holding a separator would move the entry into another folder.
    const bool validName = IsValidDeviceName(newName);
    const QString newPath = JoinPath(currentFolder_, newName);
    if (!validName || !fs_.MoveFile(oldPath, newPath)) {
        const DeviceError cause = validName ? fs_.LastError() : DeviceError::None;
        const QString failed = LoadStr(IDS_RENAME_FAILED);
        // A change of letter case alone renames the same entry, which is not a clash.
        const bool clash = validName && newName.compare(item.name, Qt::CaseInsensitive) != 0 &&
                           PathExists(fs_, newPath);
        if (clash && item.IsFolder()) {
            ShowFilledMessage(prompt, IDS_FOLDER_EXISTS,
                              failed + QStringLiteral(" \n") + LoadStr(IDS_FOLDER_EXISTS),
                              MessageStyle::Exclamation);
        } else if (clash) {
            ShowFilledMessage(prompt, IDS_FILE_EXISTS,
                              failed + QLatin1Char('\n') + FormatStr(IDS_FILE_EXISTS, newName),
                              MessageStyle::Exclamation);
        } else {
            ShowFilledMessage(prompt, IDS_RENAME_FAILED, WithCause(failed, cause),
                              MessageStyle::Exclamation);
        }
        return false;
    }
    FindData record;
    if (PathExists(fs_, newPath, &record)) {
        const bool typeChanged =
            !item.IsFolder() &&
            Extension(item.name).compare(Extension(newName), Qt::CaseInsensitive) != 0;
        item.name = newName;
        if (typeChanged) RefreshRow(row, true);
    }
    return true;
}

quint64 FolderListing::GetRowsSize(const QList<int>& rows) {
    quint64 total = 0;
    for (int row : rows) {
        QString path;
        if (!GetItemPath(row, &path)) continue;
        total += Item(row).IsFolder() ? MeasureTree(fs_, path).bytes : GetFileSize64(fs_, path);
    }
    return total;
}

void FolderListing::Renumber() {
    int row = 0;
    for (FileItem& item : rows_)
        item.row = row++;
}
