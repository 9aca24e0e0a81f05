#include "browse/folder_tree.h"

#include <QContextMenuEvent>
#include <QGestureEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QScroller>
#include <QSet>
#include <QStyledItemDelegate>
#include <QTapAndHoldGesture>
#include <algorithm>

#include "app/device_error_text.h"
#include "app/load_str.h"
#include "app/message.h"
#include "app/path_helpers.h"
#include "platform/device_fs.h"
#include "platform/device_path.h"
#include "platform/shell_services.h"
#include "resources/ids.h"
#include "shell/nuvio_icon.h"

namespace {

constexpr int kImageRole = Qt::UserRole;
constexpr int kListedRole = Qt::UserRole + 1;
constexpr int kChildrenFlagRole = Qt::UserRole + 2;
constexpr int kCardRole = Qt::UserRole + 3;
// How many entries the folder held when it was last read: what reading it again costs.
constexpr int kEntriesRole = Qt::UserRole + 4;

const QString kRoot = QStringLiteral("\\");

bool IsRoot(const QString& path) {
    return path == kRoot;
}

bool LessName(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

bool SameName(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// In-place editing of folder names: the keyboard comes up with the editor, and the new name
// goes to the tree after the editor has closed (the rename may ask questions).
class FolderNameDelegate : public QStyledItemDelegate {
public:
    FolderNameDelegate(NTreeView* tree, ShellServices& shell)
        : QStyledItemDelegate(tree), tree_(tree), shell_(shell) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        shell_.ShowInputPanel(true);
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), tree_->rowHeight()));
        return size;
    }

    void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
        shell_.ShowInputPanel(false);
        QStyledItemDelegate::destroyEditor(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        Q_UNUSED(model);
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (!line) return;
        const QString oldPath = tree_->ItemPath(tree_->ItemFromIndex(index));
        const QString text = line->text();
        QMetaObject::invokeMethod(
            tree_,
            [tree = tree_, oldPath, text] {
                QTreeWidgetItem* item = tree->currentItem();
                if (item && tree->ItemPath(item).compare(oldPath, Qt::CaseInsensitive) == 0) {
                    tree->EndLabelEdit(item, text);
                }
            },
            Qt::QueuedConnection);
    }

private:
    NTreeView* tree_;
    ShellServices& shell_;
};

}  // namespace

const QList<int>& NTreeView::TapAndHoldMenu() {
    static const QList<int> menu = {
        ID_FILE_UP,     0, ID_EDIT_CUT,       ID_EDIT_COPY, ID_EDIT_PASTE, 0, ID_EDIT_RENAME,
        ID_EDIT_DELETE, 0, ID_FILE_PROPERTIES};
    return menu;
}

NTreeView::NTreeView(DeviceFs& fs, UserPrompt& prompt, ShellServices& shell, FolderTreeHost& host,
                     QWidget* parent)
    : QTreeWidget(parent), fs_(fs), prompt_(prompt), shell_(shell), host_(host) {
    setAccessibleName(LoadStr(IDS_NAME_FOLDER_TREE));
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setUniformRowHeights(true);
    setRootIsDecorated(true);
    setIconSize(QSize(16, 16));
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setItemDelegate(new FolderNameDelegate(this, shell_));
    viewport()->grabGesture(Qt::TapAndHoldGesture);
    QScroller::grabGesture(viewport(), QScroller::TouchGesture);

    connect(this, &QTreeWidget::itemExpanded, this, &NTreeView::OnExpanded);
    connect(this, &QTreeWidget::itemCollapsed, this, &NTreeView::OnCollapsed);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { OnCurrentChanged(current); });

    InsertFolder(LoadStr(IDS_MY_COMPUTER), nullptr, true);
}

void NTreeView::SetTouchMetrics(int rowHeight, int iconSide) {
    rowHeight_ = rowHeight;
    setIconSize(QSize(iconSide, iconSide));
    // Uniform rows are measured once: the new height needs a new layout.
    doItemsLayout();
}

void NTreeView::OnInitialUpdate() {
    SyncToPath(host_.GetCurrentFolder());
}

int NTreeView::ItemImage(const QTreeWidgetItem* item) {
    return item ? item->data(0, kImageRole).toInt() : -1;
}

bool NTreeView::IsListed(const QTreeWidgetItem* item) {
    return item && item->data(0, kListedRole).toBool();
}

bool NTreeView::ChildrenFlag(const QTreeWidgetItem* item) {
    return item && item->data(0, kChildrenFlagRole).toBool();
}

void NTreeView::SetImage(QTreeWidgetItem* item, int image) {
    // The top item always shows the device.
    if (item == TopItem()) image = kDevice;
    item->setData(0, kImageRole, image);
    static const char* const kNames[] = {"nuvio-tree-open", "nuvio-tree-closed", "nuvio-6013"};
    // A storage card looks like a card, open or not.
    const QString name = QString::fromLatin1(kNames[image]);
    item->setIcon(0, item->data(0, kCardRole).toBool()
                         ? IconFromNames({QStringLiteral("media-flash"),
                                          QStringLiteral("drive-removable-media"), name})
                         : NuvioIcon(name));
}

void NTreeView::SetChildrenFlag(QTreeWidgetItem* item, bool hasChildren) {
    item->setData(0, kChildrenFlagRole, hasChildren);
    item->setChildIndicatorPolicy(hasChildren ? QTreeWidgetItem::ShowIndicator
                                              : QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

QTreeWidgetItem* NTreeView::InsertFolder(const QString& name, QTreeWidgetItem* parent,
                                         bool hasChildren, int index) {
    if (name == QLatin1String(".") || name == QLatin1String("..")) return nullptr;
    auto* item = new QTreeWidgetItem;
    if (parent) {
        parent->insertChild(index < 0 ? parent->childCount() : index, item);
    } else {
        addTopLevelItem(item);
    }
    item->setText(0, name);
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (parent) flags |= Qt::ItemIsEditable;
    item->setFlags(flags);
    item->setData(0, kListedRole, false);
    SetImage(item, parent ? kClosedFolder : kDevice);
    SetChildrenFlag(item, hasChildren);
    return item;
}

QString NTreeView::ItemPath(const QTreeWidgetItem* item) const {
    if (!item || item == TopItem() || !item->parent()) return kRoot;
    QStringList names;
    for (const QTreeWidgetItem* at = item; at && at->parent(); at = at->parent())
        names.prepend(at->text(0));
    return kRoot + names.join(QLatin1Char('\\'));
}

bool NTreeView::HasSubFolders(const QString& path) {
    FindData entry;
    std::unique_ptr<FindHandle> find =
        fs_.FindFirst(JoinPath(path, QStringLiteral("*.*")), entry, true);
    if (!find) return false;
    do {
        if (entry.IsFolder()) return true;
    } while (find->Next(entry));
    return false;
}

QString NTreeView::SearchPattern(QTreeWidgetItem* item) {
    const QString binHolder = FolderPart(host_.BinFolderPath());
    const QString path = ItemPath(item);
    hideRecycleHere_ = !binHolder.isEmpty() && binHolder.compare(path, Qt::CaseInsensitive) == 0;
    return JoinPath(path, QStringLiteral("*.*"));
}

QStringList NTreeView::ChildNames(QTreeWidgetItem* parent) {
    const QString pattern = SearchPattern(parent);
    const QString binName = LoadStr(IDS_RECYCLE_FOLDER_NAME);
    auto hidden = [&](const QString& name) {
        return hideRecycleHere_ && name.compare(binName, Qt::CaseInsensitive) == 0;
    };
    QStringList names;
    const QString folder = ItemPath(parent);
    if (syncSubfolders_ && folder.compare(syncPath_, Qt::CaseInsensitive) == 0) {
        for (const QString& name : *syncSubfolders_) {
            if (!hidden(name)) names.append(name);
        }
    } else {
        FindData entry;
        int entries = 0;
        if (std::unique_ptr<FindHandle> find = fs_.FindFirst(pattern, entry, true)) {
            do {
                ++entries;
                if (entry.IsFolder() && !hidden(entry.name)) names.append(entry.name);
            } while (find->Next(entry));
        }
        parent->setData(0, kEntriesRole, entries);
    }
    std::sort(names.begin(), names.end(), LessName);
    return names;
}

QTreeWidgetItem* NTreeView::InsertChild(QTreeWidgetItem* parent, const QString& name, int index) {
    const QString path = JoinPath(ItemPath(parent), name);
    // A folder on the way is listed next, which tells whether it has subfolders.
    const bool onTheWay = !syncPath_.isEmpty() && IsSameOrInside(syncPath_, path);
    QTreeWidgetItem* item = InsertFolder(name, parent, onTheWay || HasSubFolders(path), index);
    if (item && parent == TopItem() && fs_.StorageCards().contains(name, Qt::CaseInsensitive)) {
        item->setData(0, kCardRole, true);
        SetImage(item, kClosedFolder);
    }
    return item;
}

bool NTreeView::ListChildren(QTreeWidgetItem* parent) {
    const QStringList names = ChildNames(parent);
    for (const QString& name : names)
        InsertChild(parent, name);
    parent->setData(0, kListedRole, true);
    return !names.isEmpty();
}

void NTreeView::ListUnlessListed(QTreeWidgetItem* item) {
    if (!item || IsListed(item)) return;
    SetImage(item, kOpenFolder);
    if (!ListChildren(item) && item != TopItem() && ChildrenFlag(item)) {
        SetChildrenFlag(item, false);
    }
}

void NTreeView::ClearItem(QTreeWidgetItem* item) {
    // Children go even when the flag says there are none: the folders may have vanished.
    const QList<QTreeWidgetItem*> children = item->takeChildren();
    qDeleteAll(children);
    SetImage(item, kClosedFolder);
    item->setData(0, kListedRole, false);
}

void NTreeView::ExpandItem(QTreeWidgetItem* item) {
    if (!item->isExpanded()) item->setExpanded(true);
    // Expanding an item without children may not report it; listing is idempotent.
    ListUnlessListed(item);
}

void NTreeView::OnExpanded(QTreeWidgetItem* item) {
    ListUnlessListed(item);
}

void NTreeView::OnCollapsed(QTreeWidgetItem* item) {
    // A selection inside the collapsing folder moves up to it.
    for (QTreeWidgetItem* at = currentItem(); at; at = at->parent()) {
        if (at->parent() == item) {
            setCurrentItem(item);
            break;
        }
    }
    ClearItem(item);
}

void NTreeView::OnCurrentChanged(QTreeWidgetItem* current) {
    if (!navigationEnabled_ || !current) return;
    const int image = ItemImage(current);
    if (image < kOpenFolder || image > kDevice) return;
    host_.TreeFolderSelected(ItemPath(current));
}

bool NTreeView::SyncToPath(const QString& path, const QStringList& subfolders) {
    syncPath_ = path;
    syncSubfolders_ = &subfolders;
    const bool ok = SyncToPath(path);
    syncSubfolders_ = nullptr;
    return ok;
}

bool NTreeView::SyncToPath(const QString& path) {
    if (!syncSubfolders_) syncPath_ = path;
    const struct Done {
        QString& path;
        ~Done() { path.clear(); }
    } done{syncPath_};
    QTreeWidgetItem* top = TopItem();
    if (!top) return false;
    navigationEnabled_ = false;
    ExpandItem(top);
    if (IsRoot(path) || path.isEmpty()) {
        setCurrentItem(top);
        navigationEnabled_ = true;
        return true;
    }
    const QStringList names = path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    QTreeWidgetItem* parent = top;
    int child = 0;
    int depth = 0;
    bool reread = false;
    for (;;) {
        if (child >= parent->childCount()) {
            // A folder made after its level was listed: that level is read again, once.
            if (reread) break;
            reread = true;
            if (IsListed(parent)) {
                MergeChildren(parent, ChildNames(parent));
            } else {
                ListUnlessListed(parent);
            }
            parent->setExpanded(true);
            child = 0;
            continue;
        }
        QTreeWidgetItem* item = parent->child(child);
        if (item->text(0).compare(names[depth], Qt::CaseInsensitive) != 0) {
            ++child;
            continue;
        }
        setCurrentItem(item);
        ExpandItem(item);
        if (++depth >= names.size()) break;
        parent = item;
        child = 0;
        reread = false;
    }
    ScrollToCurrent();
    navigationEnabled_ = true;
    return true;
}

void NTreeView::RefreshSelected() {
    QTreeWidgetItem* item = currentItem();
    if (!item) return;
    const bool has = HasSubFolders(ItemPath(item));
    if (ChildrenFlag(item) != has) SetChildrenFlag(item, has);
    if (IsListed(item)) MergeChildren(item, ChildNames(item));
}

void NTreeView::RefreshFolder(const QString& path, const QStringList* subfolders) {
    QTreeWidgetItem* item = FindItem(path);
    if (!item || !IsListed(item)) return;
    if (subfolders) {
        syncPath_ = path;
        syncSubfolders_ = subfolders;
    }
    const QStringList names = ChildNames(item);
    syncSubfolders_ = nullptr;
    syncPath_.clear();
    MergeChildren(item, names);
    if (item != TopItem() && ChildrenFlag(item) != !names.isEmpty())
        SetChildrenFlag(item, !names.isEmpty());
}

void NTreeView::MergeChildren(QTreeWidgetItem* item, const QStringList& names) {
    // Items stay where they can, so that their expanded levels and the highlight stay too.
    QStringList fresh = names;
    QList<QTreeWidgetItem*> gone;
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem* child = item->child(i);
        const auto at = std::find_if(fresh.begin(), fresh.end(), [&](const QString& name) {
            return SameName(name, child->text(0));
        });
        if (at == fresh.end()) {
            gone.append(child);
            continue;
        }
        if (*at != child->text(0)) child->setText(0, *at);
        fresh.erase(at);
    }
    const bool wasEnabled = navigationEnabled_;
    navigationEnabled_ = false;
    if (gone.size() == 1 && fresh.size() == 1) {
        // One folder out, one in: taken as a rename of it.
        gone.first()->setText(0, fresh.takeFirst());
        PlaceSorted(gone.takeFirst());
    }
    for (QTreeWidgetItem* child : gone) {
        for (QTreeWidgetItem* at = currentItem(); at; at = at->parent()) {
            if (at == child) {
                setCurrentItem(item);
                break;
            }
        }
        delete child;
    }
    for (const QString& name : fresh) {
        int index = 0;
        while (index < item->childCount() && LessName(item->child(index)->text(0), name))
            ++index;
        InsertChild(item, name, index);
    }
    navigationEnabled_ = wasEnabled;
}

void NTreeView::PlaceSorted(QTreeWidgetItem* child) {
    QTreeWidgetItem* parent = child->parent();
    const int from = parent->indexOfChild(child);
    int to = 0;
    for (int i = 0; i < parent->childCount(); ++i) {
        if (i != from && LessName(parent->child(i)->text(0), child->text(0))) ++to;
    }
    if (to == from) return;
    // Taking the item out forgets its expanded levels and may move the highlight.
    QList<QTreeWidgetItem*> expanded;
    QList<QTreeWidgetItem*> stack{child};
    while (!stack.isEmpty()) {
        QTreeWidgetItem* at = stack.takeLast();
        if (at->isExpanded()) expanded.append(at);
        for (int i = 0; i < at->childCount(); ++i)
            stack.append(at->child(i));
    }
    QTreeWidgetItem* current = currentItem();
    parent->insertChild(to, parent->takeChild(from));
    for (QTreeWidgetItem* at : expanded)
        at->setExpanded(true);
    if (current) setCurrentItem(current);
}

QTreeWidgetItem* NTreeView::FindItem(const QString& path) const {
    QTreeWidgetItem* item = TopItem();
    for (const QString& name : path.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; item && i < item->childCount() && !next; ++i) {
            if (SameName(item->child(i)->text(0), name)) next = item->child(i);
        }
        item = next;
    }
    return item;
}

QList<QPair<QString, int>> NTreeView::ListedFolders() const {
    QList<QPair<QString, int>> folders;
    QList<QTreeWidgetItem*> stack;
    if (TopItem()) stack.append(TopItem());
    while (!stack.isEmpty()) {
        QTreeWidgetItem* item = stack.takeLast();
        if (!IsListed(item)) continue;
        folders.append(
            {ItemPath(item), std::max(item->childCount(), item->data(0, kEntriesRole).toInt())});
        for (int i = 0; i < item->childCount(); ++i)
            stack.append(item->child(i));
    }
    return folders;
}

void NTreeView::RemoveChild(const QString& name) {
    QTreeWidgetItem* selected = currentItem();
    if (!selected) return;
    QTreeWidgetItem* target = nullptr;
    if (name.isNull()) {
        target = selected;
    } else {
        for (int i = 0; i < selected->childCount() && !target; ++i) {
            if (selected->child(i)->text(0).compare(name, Qt::CaseInsensitive) == 0) {
                target = selected->child(i);
            }
        }
    }
    if (!target || target == TopItem()) return;
    // The highlight moves to the parent without navigating; the caller decides where to go.
    navigationEnabled_ = false;
    if (target == selected) setCurrentItem(target->parent());
    delete target;
    navigationEnabled_ = true;
}

void NTreeView::RenameChild(const QString& oldName, const QString& newName) {
    QTreeWidgetItem* selected = currentItem();
    if (!selected) return;
    for (int i = 0; i < selected->childCount(); ++i) {
        if (selected->child(i)->text(0).compare(oldName, Qt::CaseInsensitive) == 0) {
            selected->child(i)->setText(0, newName);
            return;
        }
    }
}

QString NTreeView::GetSelectedText() const {
    const QTreeWidgetItem* item = currentItem();
    return item ? item->text(0) : QString();
}

void NTreeView::EditSelectedLabel() {
    QTreeWidgetItem* item = currentItem();
    if (!item || item == TopItem()) return;
    ScrollToCurrent();
    editItem(item, 0);
}

bool NTreeView::IsRootSelected() const {
    return currentItem() && currentItem() == TopItem();
}

void NTreeView::EndLabelEdit(QTreeWidgetItem* item, const QString& newText) {
    if (!item || item == TopItem() || newText.isEmpty() || newText == item->text(0)) return;
    const QString oldPath = ItemPath(item);
    const QString newPath = JoinPath(FolderPart(oldPath), newText);
    // A name holding a separator would move the folder elsewhere.
    const bool validName = IsValidDeviceName(newText);
    if (validName && fs_.MoveFile(oldPath, newPath)) {
        item->setText(0, newText);
        host_.TreeFolderRenamed(newPath);
        return;
    }
    const DeviceError cause = validName ? fs_.LastError() : DeviceError::None;
    const bool clash = validName && newText.compare(item->text(0), Qt::CaseInsensitive) != 0 &&
                       PathExists(fs_, newPath);
    if (clash) {
        ShowFilledMessage(
            prompt_, IDS_FOLDER_EXISTS,
            LoadStr(IDS_RENAME_FAILED) + QStringLiteral(" \n") + LoadStr(IDS_FOLDER_EXISTS),
            MessageStyle::Exclamation);
    } else {
        ShowFilledMessage(prompt_, IDS_RENAME_FAILED, WithCause(LoadStr(IDS_RENAME_FAILED), cause),
                          MessageStyle::Exclamation);
    }
}

void NTreeView::ShowTapAndHoldMenu(const QPoint& globalPos) {
    if (menuShowing_) return;
    if (!hasFocus()) setFocus();
    if (QTreeWidgetItem* item = itemAt(viewport()->mapFromGlobal(globalPos))) {
        setCurrentItem(item);
    }
    menuShowing_ = true;
    host_.ShowPopupMenu(TapAndHoldMenu(), globalPos);
    menuShowing_ = false;
}

void NTreeView::ScrollToCurrent() {
    QTreeWidgetItem* item = currentItem();
    if (!item) return;
    scrollToItem(item);
    // Rows are uniform: a scroll to a row boundary shows the top row whole. Scrolling on
    // moves the item brought in at the bottom up by less than a row, so it stays in view.
    QScrollBar* bar = verticalScrollBar();
    const int row = visualItemRect(item).height();
    if (row <= 0 || bar->value() % row == 0) return;
    const int down = (bar->value() / row + 1) * row;
    if (down <= bar->maximum()) {
        bar->setValue(down);
    } else if (visualItemRect(item).top() + bar->value() % row <= viewport()->height() - row) {
        // At the end of the range: back to the boundary unless that hides the item.
        bar->setValue(bar->value() - bar->value() % row);
    }
}

void NTreeView::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    // A pane made smaller (a rotation, the list taking room) keeps the highlight in view.
    QTreeWidgetItem* item = currentItem();
    if (item && !viewport()->rect().contains(visualItemRect(item))) ScrollToCurrent();
}

bool NTreeView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        ShowTapAndHoldMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (event->type() == QEvent::Gesture) {
        auto* gestures = static_cast<QGestureEvent*>(event);
        if (QGesture* hold = gestures->gesture(Qt::TapAndHoldGesture)) {
            gestures->accept(hold);
            if (hold->state() == Qt::GestureFinished) {
                const bool hasPoint = hold->hasHotSpot();
                ShowTapAndHoldMenu(hasPoint ? hold->hotSpot().toPoint() : QCursor::pos());
            }
            return true;
        }
    }
    return QTreeWidget::viewportEvent(event);
}
