#include "browse/file_view.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/load_str.h"
#include "app/message.h"
#include "app/path_helpers.h"
#include "app/settings_store.h"
#include "app/wait_cursor.h"
#include "browse/column_order.h"
#include "browse/file_header_view.h"
#include "browse/file_list_model.h"
#include "browse/file_row_delegate.h"
#include "browse/file_view_input.h"
#include "browse/thumbnail_cache.h"
#include "fileops/file_names.h"
#include "platform/shell_services.h"
#include "resources/ids.h"
#include "shell/open_item.h"

namespace {

constexpr int kColumnCount = FileListModel::kColumnCount;

}  // namespace

CFileView::CFileView(DeviceFs& fs, SettingsStore& settings, UserPrompt& prompt,
                     ShellServices& shell, IconCache& icons, FileViewHost& host, QWidget* parent)
    : QWidget(parent),
      fs_(fs),
      settings_(settings),
      prompt_(prompt),
      shell_(shell),
      host_(host),
      listing_(fs, settings, shell, icons) {
    input_ = new FileViewInput(*this, host_, this);
    input_->SetTapAction(settings_.GetInt(IDS_SECTION_FILEVIEW, IDS_KEY_TAB_ACTION) != 0 ? 1 : 0);
    const int mode = settings_.GetInt(IDS_SECTION_MAIN, IDS_KEY_FILE_VIEW_MODE);

    model_ = new FileListModel(listing_, icons, this);
    thumbnails_ = new ThumbnailCache(fs_, this);
    connect(thumbnails_, &ThumbnailCache::ready, model_, &FileListModel::ThumbnailReady);
    stack_ = new QStackedWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // The bar of the check mode: how many rows are checked, and the way out.
    checkBar_ = new QWidget(this);
    checkBar_->setObjectName(QStringLiteral("checkBar"));
    auto* bar = new QHBoxLayout(checkBar_);
    bar->setContentsMargins(4, 2, 2, 2);
    checkCount_ = new QLabel(checkBar_);
    checkCount_->setObjectName(QStringLiteral("checkCount"));
    auto* done = new QToolButton(checkBar_);
    done->setObjectName(QStringLiteral("checkDone"));
    done->setText(LoadStr(IDS_CHECK_MODE_DONE));
    bar->addWidget(checkCount_, 1);
    bar->addWidget(done);
    checkBar_->hide();
    connect(done, &QToolButton::clicked, this, [this] { input_->SetCheckMode(false); });
    connect(input_, &FileViewInput::checkModeChanged, this, &CFileView::OnCheckModeChanged);
    layout->addWidget(checkBar_);
    layout->addWidget(stack_);

    iconView_ = new QListView(stack_);
    iconView_->setAccessibleName(LoadStr(IDS_NAME_FILE_LIST));
    iconCells_ = new FileRowDelegate(iconView_);
    iconView_->setItemDelegate(iconCells_);
    detailsView_ = new QTreeView(stack_);
    detailsView_->setAccessibleName(LoadStr(IDS_NAME_FILE_LIST));
    detailsCells_ = new FileRowDelegate(detailsView_);
    detailsView_->setItemDelegate(detailsCells_);
    detailsView_->viewport()->installEventFilter(this);
    for (FileRowDelegate* cells : {iconCells_, detailsCells_}) {
        cells->SetCutTest([this](int row) {
            QString path;
            return !cutPaths_.isEmpty() && GetItemPath(row, &path) &&
                   cutPaths_.contains(path.toLower());
        });
    }
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
        input_->Attach(view);
        // Pictures wait while the list moves.
        connect(view->verticalScrollBar(), &QScrollBar::valueChanged, thumbnails_,
                &ThumbnailCache::HoldBack);
        connect(view->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
                [this] { shell_.ShowInputPanel(false); });
        stack_->addWidget(view);
    }

    iconView_->setUniformItemSizes(true);
    iconView_->setLayoutMode(QListView::Batched);
    iconView_->setBatchSize(1000);
    // Two lines cut at the end keep "IMG_20240101_1200.jpg" and "..._1201.jpg" apart.
    iconView_->setTextElideMode(Qt::ElideRight);

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

    connect(header_, &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (!fitting_ && column == FileListModel::kName) nameWidth_ = size;
    });
    connect(header_, &QHeaderView::sectionClicked, this,
            [this](int logical) { ChooseSortMethod(logical); });
    // Renaming may ask questions: it runs after the editor has closed.
    connect(model_, &FileListModel::renameRequested, this, &CFileView::OnRenameRequested,
            Qt::QueuedConnection);
    connect(iconView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CFileView::stateChanged);
    connect(iconView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CFileView::UpdateCheckCount);
    connect(model_, &QAbstractItemModel::modelReset, this, &CFileView::stateChanged);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &CFileView::stateChanged);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &CFileView::stateChanged);

    // The initial update: header, mode, widths, sort mark, column order.
    detailsView_->setHeaderHidden(settings_.GetInt(IDS_SECTION_MAIN, IDS_KEY_SHOW_COLUMN_HEADER) ==
                                  0);
    SetViewMode(mode >= 0 && mode <= int(ViewMode::Details) ? ViewMode(mode) : ViewMode::Details,
                true);
    if (viewMode_ == ViewMode::Details) {
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
    if (viewMode_ == ViewMode::Details) SaveColumnWidths();
    listing_.SaveSettings();
    settings_.SetProfileIntById(IDS_SECTION_MAIN, IDS_KEY_FILE_VIEW_MODE, int(viewMode_));
    settings_.SetProfileIntById(IDS_SECTION_FILEVIEW, IDS_KEY_TAB_ACTION, input_->tapAction());
}

void CFileView::OnInitialUpdate() {
    FillList();
    if (!host_.RecycleIndexIsCurrent()) {
        QMetaObject::invokeMethod(
            this, [this] { host_.CompressRecycleBin(); }, Qt::QueuedConnection);
    }
}

void CFileView::ConfigureViews() {
    model_->SetThumbnails(viewMode_ == ViewMode::LargeIcons ? thumbnails_ : nullptr,
                          metrics_.largeIcon);
    if (viewMode_ == ViewMode::Details) {
        stack_->setCurrentWidget(detailsView_);
        setFocusProxy(detailsView_);
        return;
    }
    const int line = std::max(fontMetrics().height(), 16) + 4;
    const int large = metrics_.largeIcon;
    const int small = metrics_.listIcon;
    FileRowDelegate* cells = iconCells_;
    cells->SetTwoLineNames(viewMode_ == ViewMode::LargeIcons);
    if (viewMode_ == ViewMode::LargeIcons) {
        cells->SetCellWidth(std::max(fontMetrics().height() * 5, large + 16) - 4);
        iconView_->setSpacing(0);
        iconView_->setViewMode(QListView::IconMode);
        iconView_->setIconSize(QSize(large, large));
        // Names take two lines, cut at the end.
        iconView_->setGridSize(
            QSize(std::max(fontMetrics().height() * 5, large + 16), large + 2 * line + 4));
        iconView_->setWordWrap(true);
    } else {
        cells->SetCellWidth(fontMetrics().height() * (viewMode_ == ViewMode::SmallIcons ? 8 : 10));
        iconView_->setViewMode(QListView::ListMode);
        iconView_->setIconSize(QSize(small, small));
        iconView_->setWordWrap(false);
        iconView_->setFlow(viewMode_ == ViewMode::SmallIcons ? QListView::LeftToRight : QListView::TopToBottom);
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
    if (viewMode_ == ViewMode::Details) return detailsView_;
    return iconView_;
}

bool CFileView::HasFocusInside() const {
    const QWidget* focus = window() ? window()->focusWidget() : nullptr;
    return focus && (focus == this || isAncestorOf(focus));
}

void CFileView::FillList() {
    // Checked rows belong to the folder they were checked in.
    input_->SetCheckMode(false);
    thumbnails_->DropQueue();
    model_->FillList(host_.GetCurrentFolder(), host_.BinFolderPath());
    FitColumns();
    emit stateChanged();
}

void CFileView::Refill() {
    QAbstractItemView* view = ActiveView();
    // An edit in progress would be lost: the next change tells again.
    if (view->viewport()->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)) return;
    QStringList selected;
    for (int row : GetSelectedRows())
        selected.append(listing_.Item(row).name);
    const QModelIndex current = view->currentIndex();
    const QString currentName = current.isValid() ? listing_.Item(current.row()).name : QString();
    const int scrolled = view->verticalScrollBar()->value();
    model_->FillList(host_.GetCurrentFolder(), host_.BinFolderPath());
    for (const QString& name : selected)
        SelectRow(FindRowByName(name), RowSelect::Select, RowScope::Add);
    const int row = FindRowByName(currentName);
    if (row >= 0) {
        view->selectionModel()->setCurrentIndex(model_->index(row, 0),
                                                QItemSelectionModel::NoUpdate);
    }
    view->verticalScrollBar()->setValue(scrolled);
    UpdateCheckCount();
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

void CFileView::SelectRow(int row, RowSelect select, RowScope scope, RowScroll scroll) {
    if (!listing_.IsValidRow(row)) return;
    QItemSelectionModel* selection = iconView_->selectionModel();
    const QModelIndex index = model_->index(row, 0);
    const auto rows = QItemSelectionModel::Rows;
    if (select == RowSelect::Select && scope == RowScope::Alone) {
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | rows);
    } else {
        selection->select(index, (select == RowSelect::Select ? QItemSelectionModel::Select
                                                              : QItemSelectionModel::Deselect) |
                                     rows);
    }
    if (scroll == RowScroll::IntoView) ActiveView()->scrollTo(index);
}

void CFileView::SelectRows(SelectMode mode) {
    QItemSelectionModel* selection = iconView_->selectionModel();
    if (mode == SelectMode::None || RowCount() == 0) {
        selection->clearSelection();
        return;
    }
    const QItemSelection all(model_->index(0, 0), model_->index(RowCount() - 1, kColumnCount - 1));
    selection->select(all, mode == SelectMode::All ? QItemSelectionModel::Select
                                                   : QItemSelectionModel::Toggle);
}

void CFileView::SetTouchMetrics(const TouchMetrics& metrics) {
    metrics_ = metrics;
    for (FileRowDelegate* cells : {iconCells_, detailsCells_})
        cells->SetMinimumHeight(metrics.target);
    detailsView_->setIconSize(QSize(metrics.listIcon, metrics.listIcon));
    ConfigureViews();
    // Rows of one height are measured once; a new height needs a new layout.
    detailsView_->doItemsLayout();
    iconView_->doItemsLayout();
    FitColumns();
}

void CFileView::MarkCut(const QStringList& paths) {
    cutPaths_.clear();
    for (const QString& path : paths)
        cutPaths_.insert(path.toLower());
    ActiveView()->viewport()->update();
}

int CFileView::tapAction() const {
    return input_->tapAction();
}

void CFileView::SetTapAction(int action) {
    input_->SetTapAction(action);
}

bool CFileView::IsMenuShowing() const {
    return input_->IsMenuShowing();
}

void CFileView::OnCheckModeChanged(bool on) {
    iconCells_->SetCheckMarks(on);
    detailsCells_->SetCheckMarks(on);
    checkBar_->setVisible(on);
    UpdateCheckCount();
    ActiveView()->viewport()->update();
    emit stateChanged();
}

void CFileView::UpdateCheckCount() {
    if (!checkBar_->isVisible() && !input_->checkMode()) return;
    checkCount_->setText(FormatStr(IDS_CHECKED_COUNT, QString::number(SelectedCount())));
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

void CFileView::SetViewMode(ViewMode mode, bool force) {
    if (mode == viewMode_ && !force) return;
    const bool hadFocus = HasFocusInside();
    if (viewMode_ == ViewMode::Details && mode != ViewMode::Details) SaveColumnWidths();
    viewMode_ = mode;
    ConfigureViews();
    if (mode == ViewMode::Details && widthsPending_) {
        widthsPending_ = false;
        ApplyColumnWidths();
    }
    FitColumns();
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
    nameWidth_ = header_->sectionSize(FileListModel::kName);
}

void CFileView::SaveColumnWidths() {
    if (viewMode_ != ViewMode::Details) return;
    for (int column = 0; column < kColumnCount; ++column) {
        // The name keeps the width it was given, not the one it took to fill the window.
        const bool name = column == FileListModel::kName && nameWidth_ >= 0;
        settings_.SetProfileIntById(IDS_SECTION_FILEVIEW, IDS_KEY_NAME_WIDTH + column,
                                    name ? nameWidth_ : header_->sectionSize(column));
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


bool CFileView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == detailsView_->viewport() && event->type() == QEvent::Resize) FitColumns();
    return QWidget::eventFilter(watched, event);
}

void CFileView::FitColumns() {
    if (viewMode_ != ViewMode::Details || widthsPending_) return;
    const int width = detailsView_->viewport()->width();
    if (width <= 0) return;
    const QFontMetrics metrics = detailsView_->fontMetrics();
    const int padding = 2 * detailsView_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    if (nameWidth_ < 0) nameWidth_ = header_->sectionSize(FileListModel::kName);
    fitting_ = true;
    auto shown = [this](int column) { return header_->sectionSize(column) > 0; };
    // Sizes are never cut: the column is as wide as the widest size on the page.
    if (shown(FileListModel::kSize)) {
        const int sizes =
            std::max(static_cast<QAbstractItemView*>(detailsView_)->sizeHintForColumn(
                         FileListModel::kSize),
                     metrics.horizontalAdvance(QStringLiteral("999,999K")) + padding);
        if (header_->sectionSize(FileListModel::kSize) < sizes)
            header_->resizeSection(FileListModel::kSize, sizes);
    }
    // The date takes its time when that leaves the name at least a third of the width.
    if (shown(FileListModel::kDate)) {
        const int withTime =
            metrics.horizontalAdvance(model_->SampleDateText(true)) + padding;
        const int dateOnly = metrics.horizontalAdvance(model_->SampleDateText(false)) + padding;
        int others = 0;
        for (int column = FileListModel::kSize; column < kColumnCount; ++column) {
            if (column != FileListModel::kDate) others += header_->sectionSize(column);
        }
        const bool room = others + withTime <= width * 2 / 3;
        model_->SetDateWithTime(room);
        header_->resizeSection(FileListModel::kDate, room ? std::max(withTime,
                               header_->sectionSize(FileListModel::kDate)) : dateOnly);
    }
    // The name takes the free width.
    int others = 0;
    for (int column = FileListModel::kSize; column < kColumnCount; ++column)
        others += header_->sectionSize(column);
    const int free = width - others;
    if (shown(FileListModel::kName)) {
        header_->resizeSection(FileListModel::kName, std::max(free, nameWidth_));
    }
    fitting_ = false;
}
