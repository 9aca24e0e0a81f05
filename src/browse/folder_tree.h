#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QTreeWidget>

class DeviceFs;
class ShellServices;
class UserPrompt;

// What the folder tree needs of the window around it.
class FolderTreeHost {
public:
    virtual ~FolderTreeHost() = default;
    virtual QString GetCurrentFolder() const = 0;
    // The recycle-bin folder, hidden in the folder that holds it.
    virtual QString BinFolderPath() const = 0;
    // The user selected a folder in the tree: it becomes the current folder and the list
    // shows it.
    virtual void TreeFolderSelected(const QString& path) = 0;
    // The selected folder was renamed in place to newPath.
    virtual void TreeFolderRenamed(const QString& newPath) = 0;
    virtual void ShowPopupMenu(const QList<int>& commands, const QPoint& globalPos) = 0;
};

// The upper pane: the device's folders under one top item, "我的電腦", standing for "\".
// A folder's sub-folders are listed when it is expanded and forgotten when it collapses.
// Selecting a folder navigates; the window walks the tree to folders chosen elsewhere.
class NTreeView : public QTreeWidget {
    Q_OBJECT
public:
    // Images of the items: open folder, closed folder, the device.
    enum Image { kOpenFolder = 0, kClosedFolder = 1, kDevice = 2 };

    static const QList<int>& TapAndHoldMenu();

    NTreeView(DeviceFs& fs, UserPrompt& prompt, ShellServices& shell, FolderTreeHost& host,
              QWidget* parent = nullptr);

    // Walks down to the current folder; once, after the window is built.
    void OnInitialUpdate();

    // Selects the folder of the path, expanding the way there, without navigating. A name
    // that matches nothing leaves its deepest matched ancestor selected. False only without
    // a top item.
    bool SyncToPath(const QString& path);
    // The same, with the subfolders of path as a listing of it just read them (hidden ones
    // too): the folder is not read again for the tree.
    bool SyncToPath(const QString& path, const QStringList& subfolders);
    // Re-reads the selected folder: its expand button and, when listed, its sub-folders.
    void RefreshSelected();
    // Re-reads the folder at path when its sub-folders are in the tree (with subfolders, a
    // listing of it just read, when given): new folders appear, vanished ones go, a single
    // rename keeps its place; expanded levels and the highlight stay.
    void RefreshFolder(const QString& path, const QStringList* subfolders = nullptr);
    // The paths of the folders whose sub-folders are in the tree, with about how many entries
    // each held when it was read.
    QList<QPair<QString, int>> ListedFolders() const;
    // Deletes the selected item's child of that name (no name: the selected item itself).
    void RemoveChild(const QString& name = QString());
    // The selected item's child oldName now has the name newName.
    void RenameChild(const QString& oldName, const QString& newName);
    QString GetSelectedText() const;
    // The path of the highlighted folder; the root without one.
    QString SelectedPath() const { return ItemPath(currentItem()); }
    // Starts the in-place rename of the selected folder (not of the top item).
    void EditSelectedLabel();
    bool IsRootSelected() const;

    QTreeWidgetItem* TopItem() const { return topLevelItemCount() ? topLevelItem(0) : nullptr; }
    QString ItemPath(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* ItemFromIndex(const QModelIndex& index) const { return itemFromIndex(index); }
    static int ItemImage(const QTreeWidgetItem* item);
    // Whether the item's sub-folders are in the tree.
    static bool IsListed(const QTreeWidgetItem* item);
    bool navigationEnabled() const { return navigationEnabled_; }

    // Rows at least this high, icons of this side.
    void SetTouchMetrics(int rowHeight, int iconSide);
    int rowHeight() const { return rowHeight_; }

    // The tap-and-hold menu at a screen point over the tree.
    void ShowTapAndHoldMenu(const QPoint& globalPos);
    // Called with the text of a finished in-place edit of item.
    void EndLabelEdit(QTreeWidgetItem* item, const QString& newText);

protected:
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTreeWidgetItem* InsertFolder(const QString& name, QTreeWidgetItem* parent, bool hasChildren,
                                  int index = -1);
    bool HasSubFolders(const QString& path);
    // The search pattern of the item's sub-folders; decides whether the bin folder is hidden.
    QString SearchPattern(QTreeWidgetItem* item);
    // The names of the item's sub-folders in the tree's order.
    QStringList ChildNames(QTreeWidgetItem* parent);
    QTreeWidgetItem* InsertChild(QTreeWidgetItem* parent, const QString& name, int index = -1);
    bool ListChildren(QTreeWidgetItem* parent);
    void MergeChildren(QTreeWidgetItem* item, const QStringList& names);
    void PlaceSorted(QTreeWidgetItem* child);
    QTreeWidgetItem* FindItem(const QString& path) const;
    void ListUnlessListed(QTreeWidgetItem* item);
    void ClearItem(QTreeWidgetItem* item);
    void SetImage(QTreeWidgetItem* item, int image);
    void SetChildrenFlag(QTreeWidgetItem* item, bool hasChildren);
    static bool ChildrenFlag(const QTreeWidgetItem* item);
    void ExpandItem(QTreeWidgetItem* item);
    void OnExpanded(QTreeWidgetItem* item);
    void OnCollapsed(QTreeWidgetItem* item);
    void OnCurrentChanged(QTreeWidgetItem* current);
    void DoRename(const QString& oldPath, const QString& newText);
    // Scrolls the highlighted folder into view with whole rows from the top.
    void ScrollToCurrent();

    DeviceFs& fs_;
    UserPrompt& prompt_;
    ShellServices& shell_;
    FolderTreeHost& host_;
    bool navigationEnabled_ = true;
    bool hideRecycleHere_ = false;
    // While synchronising: the path walked to (the tree reads no folder on it just to learn
    // whether it has subfolders: walking lists it anyway), and its subfolders when known.
    QString syncPath_;
    const QStringList* syncSubfolders_ = nullptr;
    bool menuShowing_ = false;
    int rowHeight_ = 0;
};
