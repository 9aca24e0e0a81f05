#include "browse/file_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGestureEvent>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QScroller>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTapAndHoldGesture>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "app/path_helpers.h"
#include "app/settings_store.h"
#include "app/wait_cursor.h"
#include "browse/column_order.h"
#include "browse/file_header_view.h"
#include "browse/file_list_model.h"
#include "fileops/file_names.h"
#include "platform/shell_services.h"
#include "resources/ids.h"
#include "shell/open_item.h"

namespace {

constexpr int kColumnCount = FileListModel::kColumnCount;
constexpr int kDetailsMode = 3;

// Cells of one width in the small-icon and list modes, so that long names are cut short
// with an ellipsis instead of running into the next cell.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void SetCellWidth(int width) { cellWidth_ = width; }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (cellWidth_ > 0) size.setWidth(cellWidth_);
        return size;
    }

private:
    int cellWidth_ = 0;
};

// Both views scroll by pixels, so the bars give the content's offset.
QPoint ScrollOffset(const QAbstractItemView* view) {
    return QPoint(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
}

}  // namespace

const QList<int>& CFileView::TapAndHoldMenu() {
    static const QList<int> menu = {
        ID_FILE_OPEN_ITEM,
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

CFileView::CFileView(DeviceFs& fs, SettingsStore& settings, UserPrompt& prompt,
                     ShellServices& shell, IconCache& icons, FileViewHost& host, QWidget* parent)
    : QWidget(parent),
      fs_(fs),
      settings_(settings),
      prompt_(prompt),
      shell_(shell),
      host_(host),
      listing_(fs, settings, shell, icons) {
    tapAction_ = settings_.GetInt(IDS_SECTION_FILEVIEW, IDS_KEY_TAB_ACTION) != 0 ? 1 : 0;
    const int mode = settings_.GetInt(IDS_SECTION_MAIN, IDS_KEY_FILE_VIEW_MODE);

    model_ = new FileListModel(listing_, icons, this);
    stack_ = new QStackedWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stack_);

    iconView_ = new QListView(stack_);
    iconView_->setItemDelegate(new CellDelegate(iconView_));
    detailsView_ = new QTreeView(stack_);
    header_ = new FileHeaderView(detailsView_);
    detailsView_->setHeader(header_);
    iconView_->setModel(model_);
    detailsView_->setModel(model_);
    // One selection for both views, so that switching modes keeps it.
    QItemSelectionModel* unused = detailsView_->selectionModel();
    detailsView_->setSelectionModel(iconView_->selectionModel());
    delete unused;

    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(iconView_),
                                    static_cast<QAbstractItemView*>(detailsView_)}) {
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setEditTriggers(QAbstractItemView::EditKeyPressed);
        view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
        view->setDragEnabled(false);
        view->viewport()->installEventFilter(this);
        view->viewport()->grabGesture(Qt::TapAndHoldGesture);
        // A finger scrolls with momentum; the stylus (mouse) keeps selecting by dragging.
        QScroller::grabGesture(view->viewport(), QScroller::TouchGesture);
        connect(view, &QAbstractItemView::clicked, this,
                [this, view](const QModelIndex& index) { OnClicked(view, index); });
        connect(view, &QAbstractItemView::doubleClicked, this,
                [this, view](const QModelIndex& index) { OnDoubleClicked(view, index); });
        connect(view->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
                [this] { shell_.ShowInputPanel(false); });
        stack_->addWidget(view);
    }

    iconView_->setUniformItemSizes(true);
    iconView_->setLayoutMode(QListView::Batched);
    iconView_->setBatchSize(1000);
    iconView_->setTextElideMode(Qt::ElideMiddle);

    detailsView_->setRootIsDecorated(false);
    detailsView_->setIndentation(0);
    detailsView_->setItemsExpandable(false);
    detailsView_->setExpandsOnDoubleClick(false);
    detailsView_->setUniformRowHeights(true);
    detailsView_->setAllColumnsShowFocus(true);
    detailsView_->setSortingEnabled(false);
    // The view's own sorting is off; taps on titles still choose the sort method.
    header_->setSectionsClickable(true);
    detailsView_->setTextElideMode(Qt::ElideRight);
    detailsView_->setIconSize(QSize(16, 16));

    connect(header_, &QHeaderView::sectionClicked, this,
            [this](int logical) { ChooseSortMethod(logical); });
    // Renaming may ask questions: it runs after the editor has closed.
    connect(model_, &FileListModel::renameRequested, this, &CFileView::OnRenameRequested,
            Qt::QueuedConnection);
    connect(iconView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CFileView::stateChanged);
    connect(model_, &QAbstractItemModel::modelReset, this, &CFileView::stateChanged);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &CFileView::stateChanged);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &CFileView::stateChanged);

    // The initial update: header, mode, widths, sort mark, column order.
    detailsView_->setHeaderHidden(settings_.GetInt(IDS_SECTION_MAIN, IDS_KEY_SHOW_COLUMN_HEADER) ==
                                  0);
    viewMode_ = -1;
    SetViewMode(mode >= 0 && mode <= kDetailsMode ? mode : kDetailsMode, true);
    if (viewMode_ == kDetailsMode) {
        ApplyColumnWidths();
    } else {
        widthsPending_ = true;
    }
    SetSortMark(listing_.sortMethod(), -1);
    ReadColumnOrder();
}

CFileView::~CFileView() = default;

void CFileView::SaveSettings() {
    settings_.SetProfileTextById(IDS_SECTION_FILEVIEW, IDS_KEY_COLUMN_ORDER, ColumnOrderText());
    settings_.SetProfileIntById(IDS_SECTION_MAIN, IDS_KEY_SHOW_COLUMN_HEADER,
                                IsColumnHeaderShown() ? 1 : 0);
    if (viewMode_ == kDetailsMode) SaveColumnWidths();
    listing_.SaveSettings();
    settings_.SetProfileIntById(IDS_SECTION_MAIN, IDS_KEY_FILE_VIEW_MODE, viewMode_);
    settings_.SetProfileIntById(IDS_SECTION_FILEVIEW, IDS_KEY_TAB_ACTION, tapAction_);
}

void CFileView::OnInitialUpdate() {
    FillList();
    if (!host_.RecycleIndexIsCurrent()) {
        QMetaObject::invokeMethod(
            this, [this] { host_.CompressRecycleBin(); }, Qt::QueuedConnection);
    }
}

void CFileView::ConfigureViews() {
    if (viewMode_ == kDetailsMode) {
        stack_->setCurrentWidget(detailsView_);
        setFocusProxy(detailsView_);
        return;
    }
    const int line = std::max(fontMetrics().height(), 16) + 4;
    auto* cells = static_cast<CellDelegate*>(iconView_->itemDelegate());
    if (viewMode_ == 0) {
        cells->SetCellWidth(0);
        iconView_->setSpacing(0);
        iconView_->setViewMode(QListView::IconMode);
        iconView_->setIconSize(QSize(32, 32));
        iconView_->setGridSize(QSize(fontMetrics().height() * 5, 32 + 2 * line));
        iconView_->setWordWrap(true);
    } else {
        cells->SetCellWidth(fontMetrics().height() * (viewMode_ == 1 ? 8 : 10));
        iconView_->setViewMode(QListView::ListMode);
        iconView_->setIconSize(QSize(16, 16));
        iconView_->setWordWrap(false);
        iconView_->setFlow(viewMode_ == 1 ? QListView::LeftToRight : QListView::TopToBottom);
        iconView_->setGridSize(QSize());
        iconView_->setSpacing(1);
    }
    // The view mode resets these.
    iconView_->setMovement(QListView::Static);
    iconView_->setResizeMode(QListView::Adjust);
    iconView_->setWrapping(true);
    iconView_->setSelectionRectVisible(false);
    stack_->setCurrentWidget(iconView_);
    setFocusProxy(iconView_);
}

QAbstractItemView* CFileView::ActiveView() const {
    if (viewMode_ == kDetailsMode) return detailsView_;
    return iconView_;
}

bool CFileView::HasFocusInside() const {
    const QWidget* focus = window() ? window()->focusWidget() : nullptr;
    return focus && (focus == this || isAncestorOf(focus));
}

void CFileView::FillList() {
    model_->FillList(host_.GetCurrentFolder(), host_.BinFolderPath());
    emit stateChanged();
}

int CFileView::InsertItem(const FindData& record, int position) {
    return model_->InsertItem(record, position);
}

void CFileView::RebuildImageLists() {
    model_->ReloadIcons();
}

const FileItem* CFileView::Item(int row) const {
    return listing_.IsValidRow(row) ? &listing_.Item(row) : nullptr;
}

QList<int> CFileView::GetSelectedRows() const {
    QList<int> rows;
    const QModelIndexList selected = iconView_->selectionModel()->selectedRows(0);
    rows.reserve(selected.size());
    for (const QModelIndex& index : selected)
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int CFileView::SelectedCount() const {
    return int(iconView_->selectionModel()->selectedRows(0).size());
}

int CFileView::GetFirstSelected(QString* path) const {
    int first = -1;
    for (const QModelIndex& index : iconView_->selectionModel()->selectedRows(0)) {
        if (first < 0 || index.row() < first) first = index.row();
    }
    if (path) {
        path->clear();
        if (first >= 0) GetItemPath(first, path);
    }
    return first;
}

bool CFileView::GetItemPath(int row, QString* path) const {
    return listing_.GetItemPath(row, path);
}

void CFileView::SelectRow(int row, bool select, bool exclusive, bool makeVisible) {
    if (!listing_.IsValidRow(row)) return;
    QItemSelectionModel* selection = iconView_->selectionModel();
    const QModelIndex index = model_->index(row, 0);
    const auto rows = QItemSelectionModel::Rows;
    if (select && exclusive) {
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | rows);
    } else {
        selection->select(
            index, (select ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) | rows);
    }
    if (makeVisible) ActiveView()->scrollTo(index);
}

void CFileView::SelectRows(int mode) {
    QItemSelectionModel* selection = iconView_->selectionModel();
    if (mode == 0 || RowCount() == 0) {
        selection->clearSelection();
        return;
    }
    const QItemSelection all(model_->index(0, 0), model_->index(RowCount() - 1, kColumnCount - 1));
    if (mode == 1) {
        selection->select(all, QItemSelectionModel::Select);
    } else if (mode == 2) {
        selection->select(all, QItemSelectionModel::Toggle);
    }
}

int CFileView::FindRowByName(const QString& name) const {
    return listing_.FindRowByName(name);
}

bool CFileView::RefreshRow(int row, bool reloadIcon) {
    return model_->RefreshRow(row, reloadIcon);
}

bool CFileView::DeleteRow(int row, bool deleteFile) {
    QString path;
    if (!GetItemPath(row, &path)) return false;
    if (deleteFile && !DeleteFileForce(fs_, path)) return false;
    return model_->RemoveRow(row);
}

void CFileView::RemoveRows(bool all) {
    if (all) {
        model_->RemoveAll();
        return;
    }
    const QList<int> selected = GetSelectedRows();
    if (!selected.isEmpty()) model_->RemoveVanishedRows(selected, fs_);
}

quint64 CFileView::GetSelectionSize() {
    const QList<int> rows = GetSelectedRows();
    if (rows.isEmpty()) return 0;
    BeginWaitCursor();
    const quint64 size = listing_.GetRowsSize(rows);
    EndWaitCursor();
    return size;
}

void CFileView::BeginRename(int row) {
    if (row == -1) row = GetFirstSelected();
    if (!listing_.IsValidRow(row)) return;
    host_.EnsureListPaneHeight(kMinimumRenameHeight);
    shell_.ShowInputPanel(true);
    ActiveView()->scrollTo(model_->index(row, 0));
    // The edit starts after the pane and the keyboard have settled.
    QMetaObject::invokeMethod(
        this, [this, row] { StartLabelEdit(row); }, Qt::QueuedConnection);
}

void CFileView::StartLabelEdit(int row) {
    if (!listing_.IsValidRow(row)) return;
    QAbstractItemView* view = ActiveView();
    const QModelIndex index = model_->index(row, 0);
    view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    view->scrollTo(index);
    view->edit(index);
}

void CFileView::OnRenameRequested(int row, const QString& oldName, const QString& newName) {
    // Rows may have moved while the request waited; the name finds the entry again.
    if (!listing_.IsValidRow(row) || listing_.Item(row).name != oldName) {
        row = listing_.FindRowByName(oldName);
    }
    if (row >= 0) RenameItem(row, newName);
}

bool CFileView::RenameItem(int row, const QString& newName) {
    if (!listing_.IsValidRow(row)) return false;
    const FileItem before = listing_.Item(row);
    if (!model_->RenameItem(row, newName, prompt_)) return false;
    if (before.IsFolder()) {
        host_.FolderRenamed(before.name, newName);
    } else if (Extension(before.name).compare(Extension(newName), Qt::CaseInsensitive) != 0) {
        RebuildImageLists();
    }
    emit stateChanged();
    return true;
}

void CFileView::SetViewMode(int mode, bool force) {
    if (mode < 0 || mode > kDetailsMode) return;
    if (mode == viewMode_ && !force) return;
    const bool hadFocus = HasFocusInside();
    if (viewMode_ == kDetailsMode && mode != kDetailsMode) SaveColumnWidths();
    viewMode_ = mode;
    ConfigureViews();
    if (mode == kDetailsMode && widthsPending_) {
        widthsPending_ = false;
        ApplyColumnWidths();
    }
    model_->SortRows();
    if (hadFocus) ActiveView()->setFocus();
    emit stateChanged();
}

void CFileView::ChooseSortMethod(int method) {
    if (method < 0 || method >= kColumnCount) return;
    const int old = listing_.sortMethod();
    model_->ChooseSortMethod(method);
    SetSortMark(method, old);
    emit stateChanged();
}

void CFileView::ToggleColumnHeader() {
    detailsView_->setHeaderHidden(IsColumnHeaderShown());
}

bool CFileView::IsColumnHeaderShown() const {
    return !detailsView_->isHeaderHidden();
}

void CFileView::ApplyColumnWidths() {
    for (int column = 0; column < kColumnCount; ++column) {
        const int width = settings_.GetInt(IDS_SECTION_FILEVIEW, IDS_KEY_NAME_WIDTH + column);
        header_->resizeSection(column, std::max(width, 0));
    }
}

void CFileView::SaveColumnWidths() {
    if (viewMode_ != kDetailsMode) return;
    for (int column = 0; column < kColumnCount; ++column) {
        settings_.SetProfileIntById(IDS_SECTION_FILEVIEW, IDS_KEY_NAME_WIDTH + column,
                                    header_->sectionSize(column));
    }
}

void CFileView::SetSortMark(int newColumn, int oldColumn) {
    if (oldColumn >= 0 && oldColumn != newColumn) header_->ClearMark(oldColumn);
    if (newColumn < 0 || newColumn >= kColumnCount) return;
    // The flag 0 runs names A to Z and shows the downward triangle.
    header_->SetMark(
        newColumn, listing_.directionFlag() ? FileHeaderView::kMarkUp : FileHeaderView::kMarkDown);
}

void CFileView::ReadColumnOrder() {
    const std::optional<QList<int>> order = ParseColumnOrder(
        settings_.GetText(IDS_SECTION_FILEVIEW, IDS_KEY_COLUMN_ORDER), kColumnCount);
    if (!order) return;
    for (int visual = 0; visual < kColumnCount; ++visual)
        header_->moveSection(header_->visualIndex((*order)[visual]), visual);
}

QString CFileView::ColumnOrderText() const {
    QList<int> order;
    for (int visual = 0; visual < kColumnCount; ++visual)
        order.append(header_->logicalIndex(visual));
    return FormatColumnOrder(order);
}

void CFileView::OpenItemAt(QAbstractItemView* view, const QPoint& viewportPoint) {
    const QModelIndex index = view->indexAt(viewportPoint);
    if (index.isValid()) OpenRow(index.row());
}

void CFileView::OpenRow(int row) {
    if (!listing_.IsValidRow(row)) return;
    const FileItem item = listing_.Item(row);
    OpenItem(fs_, shell_, prompt_, listing_.currentFolder(), item,
             [this](const QString& folder) { host_.OpenFolder(folder); });
}

void CFileView::OnClicked(QAbstractItemView* view, const QModelIndex& index) {
    Q_UNUSED(view);
    // The second tap of a double tap must not open whatever lies under it by then.
    if (clickEndsDoubleClick_) {
        clickEndsDoubleClick_ = false;
        return;
    }
    if (tapAction_ == 0 && index.isValid()) OpenRow(index.row());
}

void CFileView::OnDoubleClicked(QAbstractItemView* view, const QModelIndex& index) {
    Q_UNUSED(view);
    if (tapAction_ == 1 && index.isValid()) OpenRow(index.row());
}

void CFileView::ShowTapAndHoldMenu(const QPoint& globalPos) {
    if (menuShowing_) return;
    dragAnchor_ = -1;
    dragMoved_ = false;
    if (!HasFocusInside()) ActiveView()->setFocus();
    menuShowing_ = true;
    host_.ShowPopupMenu(TapAndHoldMenu(), globalPos);
    menuShowing_ = false;
}

bool CFileView::StylusDown(QAbstractItemView* view, const QPoint& point) {
    dragAnchor_ = -1;
    dragMoved_ = false;
    const QModelIndex index = view->indexAt(point);
    if (!index.isValid()) return false;
    dragAnchor_ = index.row();
    // The start is kept in content coordinates, so that the rectangle grows as the list
    // scrolls under the stylus.
    dragStart_ = point + ScrollOffset(view);
    dragPoint_ = point;
    const bool extending =
        QApplication::keyboardModifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (tapAction_ == 0 && !extending) SelectRow(index.row(), true, true, false);
    return true;
}

QRect CFileView::RowBounds(QAbstractItemView* view, int row) const {
    const QRect rect = view->visualRect(model_->index(row, 0));
    if (view != detailsView_) return rect;
    // A details row spans every column.
    return QRect(0, rect.top(), std::max(view->viewport()->width(), header_->length()),
                 rect.height());
}

QPair<int, int> CFileView::VisibleRows(QAbstractItemView* view) const {
    const int count = RowCount();
    if (count == 0) return {0, -1};
    const QRect area = view->viewport()->rect();
    if (view == detailsView_) {
        const QModelIndex top = view->indexAt(QPoint(1, 1));
        const QModelIndex bottom = view->indexAt(QPoint(1, area.height() - 2));
        return {top.isValid() ? top.row() : 0, bottom.isValid() ? bottom.row() : count - 1};
    }
    // Rows run in one order through the page in every flow: the page is the range between
    // the smallest and the largest row found on it.
    QSize cell = iconView_->gridSize();
    if (cell.isEmpty()) cell = iconView_->iconSize();
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

void CFileView::StylusMove(QAbstractItemView* view, const QPoint& point) {
    if (!HasFocusInside()) view->setFocus();
    dragPoint_ = point;
    const QPoint start = dragStart_ - ScrollOffset(view);
    const int distance = (dragPoint_ - start).manhattanLength();
    if (!dragMoved_ && distance < QApplication::startDragDistance()) return;
    dragMoved_ = true;
    const QRect dragRect = QRect(start, dragPoint_).normalized();
    const auto [first, last] = VisibleRows(view);
    QItemSelection select;
    QItemSelection deselect;
    for (int row = first; row <= last; ++row) {
        const QItemSelectionRange range(model_->index(row, 0),
                                        model_->index(row, kColumnCount - 1));
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

bool CFileView::eventFilter(QObject* watched, QEvent* event) {
    QAbstractItemView* view = nullptr;
    if (watched == iconView_->viewport()) {
        view = iconView_;
    } else if (watched == detailsView_->viewport()) {
        view = detailsView_;
    }
    if (!view) return QWidget::eventFilter(watched, event);

    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return false;
            clickEndsDoubleClick_ = event->type() == QEvent::MouseButtonDblClick;
            StylusDown(view, mouse->position().toPoint());
            return false;  // the view's own handling follows
        }
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (!(mouse->buttons() & Qt::LeftButton)) return false;
            if (dragAnchor_ != -1) StylusMove(view, mouse->position().toPoint());
            // Neither the toolkit's rubber band nor its range selection: a drag from empty
            // space selects nothing.
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return false;
            const bool dragged = dragAnchor_ != -1 && dragMoved_;
            dragAnchor_ = -1;
            dragMoved_ = false;
            // After a drag the selection stays as dragged and nothing opens.
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
                const bool hasPoint = hold->hasHotSpot();
                ShowTapAndHoldMenu(hasPoint ? hold->hotSpot().toPoint() : QCursor::pos());
            }
            return true;
        }
        default:
            return false;
    }
}
