#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>

#include "browse/folder_listing.h"

class DeviceFs;
class FileHeaderView;
class FileListModel;
class IconCache;
class QAbstractItemView;
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

// The lower pane: the current folder's rows in one of four view modes (0 large icons,
// 1 small icons, 2 list, 3 details with five columns), one model shared by an icon view and
// a details view with one selection. Handles taps (open), stylus drags (select), tap-and-hold
// (menu) and in-place renaming, and offers the row operations every command uses.
class CFileView : public QWidget {
    Q_OBJECT
public:
    // Settings and defaults of the list: menu commands of the tap-and-hold menu, in order
    // (0 stands for a separator).
    static const QList<int>& TapAndHoldMenu();
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
    int InsertItem(const FindData& record, int position = -1);
    void RebuildImageLists();
    int GetFirstSelected(QString* path = nullptr) const;
    bool GetItemPath(int row, QString* path) const;
    QList<int> GetSelectedRows() const;
    int SelectedCount() const;
    void SelectRow(int row, bool select, bool exclusive, bool makeVisible);
    // 0 deselect all, 1 select all, 2 invert.
    void SelectRows(int mode);
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
    void SetViewMode(int mode, bool force);
    void ChooseSortMethod(int method);
    void ToggleColumnHeader();
    bool IsColumnHeaderShown() const;
    void ApplyColumnWidths();
    void SaveColumnWidths();
    void SetSortMark(int newColumn, int oldColumn);

    // Opening (tap, double tap, the open command).
    void OpenItemAt(QAbstractItemView* view, const QPoint& viewportPoint);
    void OpenRow(int row);

    // The tap-and-hold menu at a screen point.
    void ShowTapAndHoldMenu(const QPoint& globalPos);

    int RowCount() const { return listing_.RowCount(); }
    const FileItem* Item(int row) const;
    FolderListing& listing() { return listing_; }
    int viewMode() const { return viewMode_; }
    int tapAction() const { return tapAction_; }
    void SetTapAction(int action) { tapAction_ = action; }
    bool IsMenuShowing() const { return menuShowing_; }
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
    void ReadColumnOrder();
    QString ColumnOrderText() const;
    void StartLabelEdit(int row);
    void OnRenameRequested(int row, const QString& oldName, const QString& newName);
    void OnClicked(QAbstractItemView* view, const QModelIndex& index);
    void OnDoubleClicked(QAbstractItemView* view, const QModelIndex& index);
    bool StylusDown(QAbstractItemView* view, const QPoint& point);
    void StylusMove(QAbstractItemView* view, const QPoint& point);
    QPair<int, int> VisibleRows(QAbstractItemView* view) const;
    QRect RowBounds(QAbstractItemView* view, int row) const;
    int SortColumn() const;

    DeviceFs& fs_;
    SettingsStore& settings_;
    UserPrompt& prompt_;
    ShellServices& shell_;
    FileViewHost& host_;
    FolderListing listing_;

    FileListModel* model_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QListView* iconView_ = nullptr;
    QTreeView* detailsView_ = nullptr;
    FileHeaderView* header_ = nullptr;

    int tapAction_ = 0;
    int viewMode_ = 3;
    bool widthsPending_ = false;
    int dragAnchor_ = -1;
    QPoint dragStart_;  // in content coordinates
    QPoint dragPoint_;
    bool dragMoved_ = false;
    bool clickEndsDoubleClick_ = false;
    bool menuShowing_ = false;
    bool firstFill_ = true;
};
