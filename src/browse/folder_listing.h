#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "browse/file_item.h"
#include "browse/list_filter.h"

class DeviceFs;
class IconCache;
class SettingsStore;
class ShellServices;
class UserPrompt;

// The rows of the file list: one folder's entries that pass the listing filter, in the order
// of the sort method, each row's number equal to its position. Holds the listing settings
// (read from the store at construction, written back by SaveSettings). Types and icons of
// rows are derived only when asked for, through the icon cache the document owns.
class FolderListing {
public:
    FolderListing(DeviceFs& fs, SettingsStore& settings, ShellServices& shell, IconCache& icons);

    // Writes the sort state and the filter settings back to the store.
    void SaveSettings() const;

    ListFilter& filter() { return filter_; }
    const ListFilter& filter() const { return filter_; }
    void SetFilterString(const QString& text) { filter_.SetFilterString(text); }
    bool PassesFilter(const FindData& record) const { return filter_.PassesFilter(record); }

    int sortMethod() const { return sortMethod_; }
    bool directionFlag() const { return directionFlag_; }
    // A new method starts with the direction flag 1, the current one flips it; then re-sorts.
    // Methods outside 0 to 4 are ignored.
    void ChooseSortMethod(int method);
    // Sorts every row by the current method and renumbers.
    void SortRows();
    // The order of two rows under the current method, deriving type names when it needs them.
    int CompareItems(FileItem& a, FileItem& b);

    // Replaces every row by the entries of the folder, sorted. binFolderPath is the recycle-bin
    // folder, hidden while its parent is listed. A folder that cannot be enumerated leaves the
    // list empty. Cuts the icon cache back to its built-in records.
    void FillList(const QString& currentFolder, const QString& binFolderPath);
    const QString& currentFolder() const { return currentFolder_; }
    // Every subfolder the last FillList read, those the filter hid too (for the folder tree).
    const QStringList& Subfolders() const { return subfolders_; }

    int RowCount() const { return int(rows_.size()); }
    bool IsValidRow(int row) const { return row >= 0 && row < RowCount(); }
    const FileItem& Item(int row) const { return rows_[size_t(row)]; }
    const std::vector<FileItem>& Rows() const { return rows_; }

    // The row's image index, its type text derived with it; -1 for a row out of range.
    int EnsureItemIcon(int row);

    // Inserts a row for the entry at the position (-1 or past the end: at the end) without
    // sorting; returns the new row.
    int InsertItem(const FindData& record, int position = -1);
    // The first row with that name without regard to case, -1 when none.
    int FindRowByName(const QString& name) const;
    bool GetItemPath(int row, QString* path) const;
    // Reads the row's entry again (type and icon are derived anew, at once with reloadIcon);
    // false when the row is out of range or its entry is gone, leaving the row as it was.
    bool RefreshRow(int row, bool reloadIcon);
    // Removes the row, first deleting its file when asked; a file that cannot be deleted
    // keeps its row and gives false.
    bool DeleteRow(int row, bool deleteFile);
    // Removes every row.
    void RemoveRows();
    // Removes those of the given rows whose entries no longer exist; returns the removed rows
    // in descending order (their numbers before the removal).
    QList<int> RemoveVanishedRows(const QList<int>& rows);
    // Renames the row's entry in the current folder; reports a failure through the prompt.
    bool RenameItem(int row, const QString& newName, UserPrompt& prompt);
    // Bytes in the given rows: whole trees for folders, 64-bit.
    quint64 GetRowsSize(const QList<int>& rows);

    void Renumber();

private:
    bool NeedsTypes() const;

    DeviceFs& fs_;
    SettingsStore& settings_;
    ShellServices& shell_;
    IconCache& icons_;
    QStringList subfolders_;

    ListFilter filter_;
    int sortMethod_ = 0;
    bool directionFlag_ = false;

    QString currentFolder_ = QStringLiteral("\\");
    std::vector<FileItem> rows_;
};
