#pragma once

#include <QList>
#include <QSet>
#include <QPoint>
#include <QString>
#include <QWidget>

#include "browse/folder_listing.h"
#include "browse/list_modes.h"
#include "shell/touch_metrics.h"

class DeviceFs;
class FileHeaderView;
class FileListModel;
class FileRowDelegate;
class FileViewInput;
class ThumbnailCache;
class IconCache;
class QAbstractItemView;
class QLabel;
class QListView;
class QStackedWidget;
class QTreeView;
class SettingsStore;
class ShellServices;
class UserPrompt;

// What the file list needs of the window around it.
class FileViewHost {
public:
    virtual ~FileViewHost() = default;
    virtual QString GetCurrentFolder() const = 0;
    // The recycle-bin folder, hidden while its parent is listed.
    virtual QString BinFolderPath() const = 0;
    // Opening a folder or a shortcut to one: the whole window moves there.
    virtual void OpenFolder(const QString& path) = 0;
    // The tap-and-hold menu; the chosen command goes to the window's command routing.
    virtual void ShowPopupMenu(const QList<int>& commands, const QPoint& globalPos) = 0;
    // A folder of the current folder was renamed in the list; the tree follows.
    virtual void FolderRenamed(const QString& oldName, const QString& newName) = 0;
    // Makes the list pane at least this high (room for the edit and the soft keyboard).
    virtual void EnsureListPaneHeight(int minimum) = 0;
    // The old-version recycle bin is converted once, after the list first showed.
    virtual bool RecycleIndexIsCurrent() const = 0;
    virtual void CompressRecycleBin() = 0;
};

// The lower pane: the current folder's rows in one of four view modes, one model shared by
// an icon view and a details view with one selection. It offers the row operations every
// command uses, renames in place and stores its columns; pointer input is FileViewInput's.
class CFileView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinimumRenameHeight = 135;

    CFileView(DeviceFs& fs, SettingsStore& settings, UserPrompt& prompt, ShellServices& shell,
              IconCache& icons, FileViewHost& host, QWidget* parent = nullptr);
    ~CFileView() override;

    // Fills the list from the current folder; once, after the window is built.
    void OnInitialUpdate();
    // Writes the mode, sort, filter, column order, header and width settings.
    void SaveSettings();

    // Row operations (row = 0-based position; out-of-range rows do nothing).
    void FillList();
    // The subfolders the last FillList read, hidden ones too.
    const QStringList& Subfolders() const { return listing_.Subfolders(); }
    // Reads the folder again after another program changed it, keeping the selection, the
    // current row and the scroll position.
    void Refill();
    int InsertItem(const FindData& record, int position = -1);
    void RebuildImageLists();
    int GetFirstSelected(QString* path = nullptr) const;
    bool GetItemPath(int row, QString* path) const;
    QList<int> GetSelectedRows() const;
    int SelectedCount() const;
    void SelectRow(int row, RowSelect select, RowScope scope,
                   RowScroll scroll = RowScroll::Stay);
    void SelectRows(SelectMode mode);
    int FindRowByName(const QString& name) const;
    bool RefreshRow(int row, bool reloadIcon);
    // With deleteFile, the file goes first; a file that cannot be deleted keeps its row.
    bool DeleteRow(int row, bool deleteFile);
    // All: every row; otherwise the selected rows whose entries are gone.
    void RemoveRows(bool all);
    // Bytes of the selected rows, whole trees for folders.
    quint64 GetSelectionSize();
    void BeginRename(int row);
    bool RenameItem(int row, const QString& newName);
    void SetViewMode(ViewMode mode, bool force);
    void ChooseSortMethod(int method);
    void ToggleColumnHeader();
    bool IsColumnHeaderShown() const;
    void ApplyColumnWidths();
    void SaveColumnWidths();
    void SetSortMark(int newColumn, int oldColumn);
    // Rows and icons as large as a finger or a mouse needs.
    void SetTouchMetrics(const TouchMetrics& metrics);
    // The paths of a cut waiting for its paste: their rows are drawn dimmed.
    void MarkCut(const QStringList& paths);

    // Opening (tap, double tap, the open command).
    void OpenItemAt(QAbstractItemView* view, const QPoint& viewportPoint);
    void OpenRow(int row);

    int RowCount() const { return listing_.RowCount(); }
    const FileItem* Item(int row) const;
    FolderListing& listing() { return listing_; }
    ViewMode viewMode() const { return viewMode_; }
    FileViewInput& input() const { return *input_; }
    int tapAction() const;
    void SetTapAction(int action);
    bool IsMenuShowing() const;
    // The view of the current mode, and whether the keyboard focus is in the list.
    QAbstractItemView* ActiveView() const;
    bool HasFocusInside() const;
    QListView* iconView() const { return iconView_; }
    QTreeView* detailsView() const { return detailsView_; }
    FileHeaderView* header() const { return header_; }
    FileListModel* model() const { return model_; }

signals:
    // The selection or the rows changed: command states may have changed.
    void stateChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConfigureViews();
    // Fits the details columns to the width: sizes whole, the date with its time when there
    // is room, the name in the rest.
    void FitColumns();
    void ReadColumnOrder();
    QString ColumnOrderText() const;
    void StartLabelEdit(int row);
    void OnRenameRequested(int row, const QString& oldName, const QString& newName);
    void OnCheckModeChanged(bool on);
    void UpdateCheckCount();

    DeviceFs& fs_;
    SettingsStore& settings_;
    UserPrompt& prompt_;
    ShellServices& shell_;
    FileViewHost& host_;
    FolderListing listing_;

    FileListModel* model_ = nullptr;
    FileViewInput* input_ = nullptr;
    ThumbnailCache* thumbnails_ = nullptr;
    FileRowDelegate* iconCells_ = nullptr;
    FileRowDelegate* detailsCells_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QListView* iconView_ = nullptr;
    QTreeView* detailsView_ = nullptr;
    FileHeaderView* header_ = nullptr;
    QWidget* checkBar_ = nullptr;
    QLabel* checkCount_ = nullptr;
    QSet<QString> cutPaths_;  // lower case

    ViewMode viewMode_ = ViewMode::Details;
    TouchMetrics metrics_{0, 16, 32};
    bool widthsPending_ = false;
    int nameWidth_ = -1;  // the stored width: the least the name gets
    bool fitting_ = false;
};
