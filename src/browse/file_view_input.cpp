#include "browse/file_view_input.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGestureEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QScroller>
#include <QTapAndHoldGesture>
#include <QTreeView>
#include <algorithm>
#include <climits>

#include "browse/file_header_view.h"
#include "browse/file_list_model.h"
#include "browse/file_view.h"
#include "resources/ids.h"

namespace {

constexpr int kColumnCount = FileListModel::kColumnCount;

// Both views scroll by pixels, so the bars give the content's offset.
QPoint ScrollOffset(const QAbstractItemView* view) {
    return QPoint(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
}

// A finger on a touch screen, as opposed to a stylus or a mouse: it scrolls instead of
// selecting by dragging.
bool FromFinger(const QMouseEvent* mouse) {
    const QPointingDevice* device = mouse->pointingDevice();
    return mouse->source() == Qt::MouseEventSynthesizedByQt ||
           (device && device->type() == QInputDevice::DeviceType::TouchScreen);
}

}  // namespace

const QList<int>& FileViewInput::TapAndHoldMenu() {
    static const QList<int> menu = {
        ID_FILE_OPEN_ITEM,
        ID_EDIT_CHECK_MODE,
        0,
        ID_EDIT_CUT,
        ID_EDIT_COPY,
        ID_EDIT_PASTE,
        ID_EDIT_PASTE_SHORTCUT,
        0,
        ID_EDIT_RENAME,
        ID_EDIT_DELETE,
        ID_FILE_DUMP,
        0,
        ID_FILE_SEND_MAIL,
        ID_FILE_SEND_INFRARED,
        0,
        ID_FILE_ENCRYPT,
        ID_FILE_DECRYPT,
        0,
        ID_FILE_PROPERTIES,
    };
    return menu;
}

FileViewInput::FileViewInput(CFileView& list, FileViewHost& host, QObject* parent)
    : QObject(parent), list_(list), host_(host) {}

void FileViewInput::Attach(QAbstractItemView* view) {
    views_.append(view);
    view->viewport()->installEventFilter(this);
    view->installEventFilter(this);
    view->viewport()->grabGesture(Qt::TapAndHoldGesture);
    // A finger scrolls with momentum; the stylus and the mouse keep selecting by dragging.
    QScroller::grabGesture(view->viewport(), QScroller::TouchGesture);
    connect(view, &QAbstractItemView::clicked, this, &FileViewInput::OnClicked);
    connect(view, &QAbstractItemView::doubleClicked, this, &FileViewInput::OnDoubleClicked);
}

void FileViewInput::SetCheckMode(bool on) {
    if (on == checkMode_) return;
    checkMode_ = on;
    // A tap toggles its row in the check mode; the view does that itself in this mode.
    for (QAbstractItemView* view : views_) {
        view->setSelectionMode(on ? QAbstractItemView::MultiSelection
                                  : QAbstractItemView::ExtendedSelection);
        view->viewport()->update();
    }
    if (!on) list_.SelectRows(SelectMode::None);
    emit checkModeChanged(on);
}

void FileViewInput::OnClicked(const QModelIndex& index) {
    // The second tap of a double tap must not open whatever lies under it by then.
    if (clickEndsDoubleClick_) {
        clickEndsDoubleClick_ = false;
        return;
    }
    if (checkMode_) return;
    if (tapAction_ == 0 && index.isValid()) list_.OpenRow(index.row());
}

void FileViewInput::OnDoubleClicked(const QModelIndex& index) {
    if (checkMode_) return;
    if (tapAction_ == 1 && index.isValid()) list_.OpenRow(index.row());
}

void FileViewInput::ShowTapAndHoldMenu(const QPoint& globalPos) {
    if (menuShowing_) return;
    dragAnchor_ = -1;
    dragMoved_ = false;
    if (!list_.HasFocusInside()) list_.ActiveView()->setFocus();
    menuShowing_ = true;
    host_.ShowPopupMenu(TapAndHoldMenu(), globalPos);
    menuShowing_ = false;
}

void FileViewInput::LongPress(QAbstractItemView* view, const QPoint& viewportPoint, bool finger) {
    if (!finger || checkMode_) {
        ShowTapAndHoldMenu(view->viewport()->mapToGlobal(viewportPoint));
        return;
    }
    if (!list_.HasFocusInside()) view->setFocus();
    const QModelIndex index = view->indexAt(viewportPoint);
    list_.SelectRows(SelectMode::None);
    SetCheckMode(true);
    if (index.isValid()) list_.SelectRow(index.row(), RowSelect::Select, RowScope::Add);
}

bool FileViewInput::StylusDown(QAbstractItemView* view, const QPoint& point) {
    dragAnchor_ = -1;
    dragMoved_ = false;
    const QModelIndex index = view->indexAt(point);
    if (!index.isValid() || checkMode_) return false;
    dragAnchor_ = index.row();
    // The start is kept in content coordinates, so that the rectangle grows as the list
    // scrolls under the stylus.
    dragStart_ = point + ScrollOffset(view);
    dragPoint_ = point;
    const bool extending =
        QApplication::keyboardModifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (tapAction_ == 0 && !extending) {
        list_.SelectRow(index.row(), RowSelect::Select, RowScope::Alone);
    }
    return true;
}

QRect FileViewInput::RowBounds(QAbstractItemView* view, int row) const {
    const QRect rect = view->visualRect(list_.model()->index(row, 0));
    if (view != list_.detailsView()) return rect;
    // A details row spans every column.
    return QRect(0, rect.top(), std::max(view->viewport()->width(), list_.header()->length()),
                 rect.height());
}

QPair<int, int> FileViewInput::VisibleRows(QAbstractItemView* view) const {
    const int count = list_.RowCount();
    if (count == 0) return {0, -1};
    const QRect area = view->viewport()->rect();
    if (view == list_.detailsView()) {
        const QModelIndex top = view->indexAt(QPoint(1, 1));
        const QModelIndex bottom = view->indexAt(QPoint(1, area.height() - 2));
        return {top.isValid() ? top.row() : 0, bottom.isValid() ? bottom.row() : count - 1};
    }
    // Rows run in one order through the page in every flow: the page is the range between
    // the smallest and the largest row found on it.
    const QListView* icons = list_.iconView();
    QSize cell = icons->gridSize();
    if (cell.isEmpty()) cell = icons->iconSize();
    const int step = std::max(4, std::min(cell.width(), cell.height()) / 2);
    int first = INT_MAX;
    int last = -1;
    for (int y = area.top(); y <= area.bottom(); y += step) {
        for (int x = area.left(); x <= area.right(); x += step) {
            const QModelIndex index = view->indexAt(QPoint(x, y));
            if (!index.isValid()) continue;
            first = std::min(first, index.row());
            last = std::max(last, index.row());
        }
    }
    if (last < 0) return {0, -1};
    return {first, last};
}

void FileViewInput::StylusMove(QAbstractItemView* view, const QPoint& point) {
    if (!list_.HasFocusInside()) view->setFocus();
    dragPoint_ = point;
    const QPoint start = dragStart_ - ScrollOffset(view);
    const int distance = (dragPoint_ - start).manhattanLength();
    if (!dragMoved_ && distance < QApplication::startDragDistance()) return;
    dragMoved_ = true;
    const QRect dragRect = QRect(start, dragPoint_).normalized();
    const auto [first, last] = VisibleRows(view);
    const QAbstractItemModel* model = list_.model();
    QItemSelection select;
    QItemSelection deselect;
    for (int row = first; row <= last; ++row) {
        const QItemSelectionRange range(model->index(row, 0), model->index(row, kColumnCount - 1));
        if (RowBounds(view, row).intersects(dragRect)) {
            select.append(range);
        } else {
            deselect.append(range);
        }
    }
    QItemSelectionModel* selection = view->selectionModel();
    selection->select(deselect, QItemSelectionModel::Deselect);
    selection->select(select, QItemSelectionModel::Select);

    // Beyond the edge the list follows the stylus one line per move.
    const QRect area = view->viewport()->rect();
    if (area.contains(point)) return;
    QScrollBar* vertical = view->verticalScrollBar();
    if (vertical->isVisible()) {
        if (point.y() > area.bottom()) {
            vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        } else if (point.y() < area.top()) {
            vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
        }
    }
    QScrollBar* horizontal = view->horizontalScrollBar();
    if (horizontal->isVisible()) {
        if (point.x() > area.right()) {
            horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        } else if (point.x() < area.left()) {
            horizontal->triggerAction(QAbstractSlider::SliderSingleStepSub);
        }
    }
}

QAbstractItemView* FileViewInput::ViewOf(QObject* viewport) const {
    for (QAbstractItemView* view : views_) {
        if (view->viewport() == viewport) return view;
    }
    return nullptr;
}

bool FileViewInput::OnKey(QAbstractItemView* view, const QKeyEvent* key) {
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    // Keys an open editor leaves unused come up through the view: they are the editor's.
    if (!plain || view->viewport()->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)) {
        return false;
    }
    if (key->key() == Qt::Key_Escape && checkMode_) {
        SetCheckMode(false);
        return true;
    }
    // Enter opens the current row, as a tap would.
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    const QModelIndex current = view->currentIndex();
    if (!current.isValid() || checkMode_) return false;
    list_.OpenRow(current.row());
    return true;
}

bool FileViewInput::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* itemView = qobject_cast<QAbstractItemView*>(watched);
        if (itemView && views_.contains(itemView))
            return OnKey(itemView, static_cast<QKeyEvent*>(event));
    }
    QAbstractItemView* view = ViewOf(watched);
    if (!view) return false;

    switch (event->type()) {
        case QEvent::TouchBegin:
            fingerDown_ = true;
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return false;
            fingerDown_ = FromFinger(mouse);
            clickEndsDoubleClick_ = event->type() == QEvent::MouseButtonDblClick;
            if (fingerDown_) {
                dragAnchor_ = -1;
                dragStart_ = mouse->position().toPoint();
                dragMoved_ = false;
            } else {
                StylusDown(view, mouse->position().toPoint());
            }
            return false;  // the view's own handling follows
        }
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (!(mouse->buttons() & Qt::LeftButton)) return false;
            if (fingerDown_) {
                // The scroller moves the list; a finger that moved is no tap.
                const int distance = (mouse->position().toPoint() - dragStart_).manhattanLength();
                if (distance >= QApplication::startDragDistance()) dragMoved_ = true;
            } else if (dragAnchor_ != -1) {
                StylusMove(view, mouse->position().toPoint());
            }
            // Neither the toolkit's rubber band nor its range selection: a drag from empty
            // space selects nothing.
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return false;
            const bool dragged = (fingerDown_ || dragAnchor_ != -1) && dragMoved_;
            dragAnchor_ = -1;
            dragMoved_ = false;
            // After a drag or a swipe the selection stays as it was and nothing opens.
            return dragged;
        }
        case QEvent::ContextMenu:
            ShowTapAndHoldMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        case QEvent::Gesture: {
            auto* gestures = static_cast<QGestureEvent*>(event);
            QGesture* hold = gestures->gesture(Qt::TapAndHoldGesture);
            if (!hold) return false;
            gestures->accept(hold);
            if (hold->state() == Qt::GestureFinished) {
                const QPoint global = hold->hasHotSpot() ? hold->hotSpot().toPoint() : QCursor::pos();
                LongPress(view, view->viewport()->mapFromGlobal(global), fingerDown_);
            }
            return true;
        }
        default:
            return false;
    }
}
