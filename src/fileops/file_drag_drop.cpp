#include "fileops/file_drag_drop.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

#include "app/command_host.h"
#include "app/path_helpers.h"
#include "browse/file_item.h"
#include "browse/file_view.h"
#include "browse/folder_tree.h"
#include "fileops/clipboard_transfer.h"
#include "fileops/paste_sources.h"
#include "fileops/selected_items.h"

namespace {

bool Offered(const QMimeData* data) {
    return data && OffersPasteSources(*data, CommandHost::ClipboardFormat());
}

// Copy unless Shift asks for a move, as other file managers do.
Qt::DropAction ActionOf(const QDropEvent* event) {
    const bool move = event->modifiers() & Qt::ShiftModifier &&
                      event->possibleActions() & Qt::MoveAction;
    return move ? Qt::MoveAction : Qt::CopyAction;
}

}  // namespace

FileDragDrop::FileDragDrop(CommandHost& host, QObject* parent) : QObject(parent), host_(host) {}

void FileDragDrop::Watch(QAbstractItemView* view, bool listView) {
    if (listView) {
        listViews_.append(view);
    } else {
        treeView_ = view;
    }
    view->setAcceptDrops(true);
    view->viewport()->setAcceptDrops(true);
    view->viewport()->installEventFilter(this);
}

QString FileDragDrop::DropFolder(QAbstractItemView* view, const QPoint& point) const {
    const QModelIndex index = view->indexAt(point);
    if (view == treeView_) {
        auto* tree = static_cast<NTreeView*>(view);
        QTreeWidgetItem* item = index.isValid() ? tree->ItemFromIndex(index) : nullptr;
        return item ? tree->ItemPath(item) : QString();
    }
    const FileItem* item = index.isValid() ? host_.GetFileView()->Item(index.row()) : nullptr;
    if (item && item->IsFolder()) return JoinPath(host_.GetCurrentFolder(), item->name);
    return host_.GetCurrentFolder();
}

bool FileDragDrop::Dropped(QAbstractItemView* view, QDropEvent* event) {
    const QString folder = DropFolder(view, event->position().toPoint());
    if (folder.isEmpty() || !Offered(event->mimeData())) return false;
    const Qt::DropAction action = ActionOf(event);
    // Our own rows let go where they came from, or on one of themselves: nothing to do.
    if (event->source()) {
        if (pressFolder_.compare(folder, Qt::CaseInsensitive) == 0) return false;
        for (const QString& name : pressNames_) {
            const QString item = JoinPath(pressFolder_, name);
            if (item.compare(folder, Qt::CaseInsensitive) == 0) return false;
        }
    }
    event->setDropAction(action);
    event->accept();
    ClipboardTransfer::Drop(host_, *event->mimeData(), folder, action == Qt::MoveAction);
    // Items moved out of the folder shown leave the list.
    if (action == Qt::MoveAction && event->source()) host_.GetFileView()->FillList();
    return true;
}

void FileDragDrop::StartDrag(QAbstractItemView* view) {
    SelectedItems items;
    items.folder = pressFolder_;
    items.names = pressNames_;
    pressView_ = nullptr;
    auto* drag = new QDrag(view);
    drag->setMimeData(ClipboardTransfer::ItemsMimeData(host_, items, false).release());
    const Qt::DropAction done = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    // Another program that moved the files took them from the folder shown.
    if (done == Qt::MoveAction) host_.GetFileView()->FillList();
    pressFolder_.clear();
}

bool FileDragDrop::eventFilter(QObject* watched, QEvent* event) {
    QAbstractItemView* view = nullptr;
    for (QAbstractItemView* candidate : listViews_) {
        if (watched == candidate->viewport()) view = candidate;
    }
    if (treeView_ && watched == treeView_->viewport()) view = treeView_;
    if (!view) return false;

    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            pressView_ = nullptr;
            if (mouse->button() != Qt::LeftButton || view == treeView_) return false;
            const QModelIndex index = view->indexAt(mouse->position().toPoint());
            // Only a press on a row already selected carries the selection; from anywhere else
            // the stylus selects by dragging as before.
            if (!index.isValid() || !view->selectionModel()->isRowSelected(index.row())) {
                return false;
            }
            const SelectedItems items = GatherSelectedItems(host_);
            if (items.fromTree || items.names.isEmpty()) return false;
            pressView_ = view;
            pressPoint_ = mouse->position().toPoint();
            pressNames_ = items.names;
            pressFolder_ = items.folder;
            return false;
        }
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (pressView_ != view || !(mouse->buttons() & Qt::LeftButton)) return false;
            if ((mouse->position().toPoint() - pressPoint_).manhattanLength() <
                QApplication::startDragDistance()) {
                return false;
            }
            StartDrag(view);
            return true;
        }
        case QEvent::MouseButtonRelease:
            pressView_ = nullptr;
            return false;
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            const bool takes = Offered(drag->mimeData()) &&
                               !DropFolder(view, drag->position().toPoint()).isEmpty();
            if (takes) {
                drag->setDropAction(ActionOf(drag));
                drag->accept();
            } else {
                drag->ignore();
            }
            return true;
        }
        case QEvent::DragLeave:
            return true;
        case QEvent::Drop:
            if (!Dropped(view, static_cast<QDropEvent*>(event))) event->ignore();
            return true;
        default:
            return false;
    }
}
