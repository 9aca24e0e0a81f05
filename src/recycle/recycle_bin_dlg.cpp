#include "recycle/recycle_bin_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/load_str.h"
#include "app/command_host.h"
#include "app/message.h"
#include "app/path_helpers.h"
#include "app/progress.h"
#include "app/settings_store.h"
#include "app/wait_cursor.h"
#include "browse/column_order.h"
#include "browse/file_view.h"
#include "browse/folder_tree.h"
#include "fileops/file_names.h"
#include "platform/device_fs.h"
#include "recycle/bin_usage_text.h"
#include "recycle/recycle_advanced_dlg.h"
#include "recycle/recycle_bin.h"
#include "recycle/recycle_list_model.h"
#include "resources/ids.h"
#include "shell/column_room.h"
#include "shell/compact_view.h"
#include "shell/dialog_layout.h"
#include "shell/frame_document.h"
#include "shell/nuvio_icon.h"

namespace {

// Width settings of the columns, in column order.
constexpr int kWidthKeys[RecycleListModel::kColumnCount] = {IDS_KEY_NAME_WIDTH, IDS_KEY_PATH_WIDTH,
                                                            IDS_KEY_DATE_WIDTH, IDS_KEY_SIZE_WIDTH,
                                                            IDS_KEY_TYPE_WIDTH};

// Keeps the file list in step with a restore: restored items in the folder it shows are
// refreshed or added, and selected when the list had no selection before.
class RestoreListSync {
public:
    explicit RestoreListSync(CommandHost& frame)
        : frame_(frame), list_(*frame.GetFileView()), hadSelection_(list_.SelectedCount() > 0) {}

    void Restored(const QString& path, bool existedBefore) {
        if (FolderPart(path).compare(frame_.GetCurrentFolder(), Qt::CaseInsensitive) != 0) {
            return;
        }
        int row = existedBefore ? list_.FindRowByName(FileNamePart(path)) : -1;
        bool firstAdded = false;
        FindData record;
        if (row >= 0) {
            list_.RefreshRow(row, false);
        } else if (PathExists(frame_.fs(), path, &record)) {
            row = list_.InsertItem(record, -1);
            firstAdded = !added_;
            added_ = true;
        } else {
            return;
        }
        if (!hadSelection_) {
            list_.SelectRow(row, RowSelect::Select, RowScope::Add,
                            firstAdded ? RowScroll::IntoView : RowScroll::Stay);
        }
        ++counted_;
        if (const FileItem* item = list_.Item(row); item && item->IsFolder()) folder_ = true;
    }

    void Finish() {
        if (counted_ == 0) return;
        list_.RebuildImageLists();
        if (folder_) frame_.GetTreeView()->RefreshSelected();
    }

private:
    CommandHost& frame_;
    CFileView& list_;
    const bool hadSelection_;
    bool added_ = false;
    bool folder_ = false;
    int counted_ = 0;
};

}  // namespace

CRecycleBinDlg::CRecycleBinDlg(CommandHost& frame, RecycleBin& bin, bool enabled, int position)
    : QDialog(frame.DialogParent()),
      frame_(frame),
      bin_(bin),
      enabled_(enabled),
      position_(position) {
    setObjectName(QString::number(IDD_RECYCLE_BIN));
    setWindowTitle(tr("資源回收筒"));

    bin_.Refresh();
    BeginWaitCursor();

    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    enableBox_ = new QCheckBox(tr("啟用資源回收筒"), this);
    enableBox_->setObjectName(QString::number(IDC_RECYCLE_ENABLE));
    top->addWidget(enableBox_, 0, 0);
    auto* where = new QLabel(tr("資源回收筒存放的位置 :"), this);
    top->addWidget(where, 1, 0);
    auto* icon = new QLabel(this);
    icon->setPixmap(NuvioIcon(QStringLiteral("nuvio-%1").arg(IDI_RECYCLE_BIN)).pixmap(32, 32));
    icon->setAlignment(Qt::AlignRight | Qt::AlignTop);
    top->addWidget(icon, 0, 1, 2, 1);
    top->setColumnStretch(0, 1);
    layout->addLayout(top);
    locations_ = new QComboBox(this);
    locations_->setObjectName(QString::number(IDC_RECYCLE_LOCATION));
    where->setBuddy(locations_);
    layout->addWidget(locations_);
    FillLocations();

    auto* contents = new QHBoxLayout;
    contents->addWidget(new QLabel(tr("內容 :"), this));
    contents->addStretch(1);
    contents->addWidget(new QLabel(tr("容量:"), this));
    sizeLine_ = new QLabel(this);
    sizeLine_->setObjectName(QString::number(IDC_RECYCLE_SIZE));
    contents->addWidget(sizeLine_);
    layout->addLayout(contents);

    // The dialog's own icons: the built-in records, grown by the type look-ups of its rows.
    icons_ = frame_.GetDocument().iconCache();
    icons_.TrimIconCache(false);
    list_ = new CompactView<QTreeView>(this);
    list_->setObjectName(QString::number(IDC_RECYCLE_LIST));
    list_->setAccessibleName(LoadStr(IDS_NAME_RECYCLE_CONTENTS));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setIconSize(QSize(16, 16));
    list_->header()->setSectionsMovable(true);
    list_->header()->setStretchLastSection(false);
    model_ = new RecycleListModel(frame_.fs(), frame_.shell(), bin_, icons_, this);
    list_->setModel(model_);
    layout->addWidget(list_, 1);

    auto* actions = new QGridLayout;
    restoreButton_ = MakeDialogButton(tr("還原"), IDC_RECYCLE_RESTORE, this);
    eraseButton_ = MakeDialogButton(tr("刪除"), IDC_RECYCLE_ERASE, this);
    selectAllButton_ = MakeDialogButton(tr("全選"), IDC_RECYCLE_SELECT_ALL, this);
    advancedButton_ = MakeDialogButton(tr("進階..."), IDC_RECYCLE_ADVANCED, this);
    actions->addWidget(restoreButton_, 0, 0);
    actions->addWidget(eraseButton_, 0, 1);
    actions->addWidget(selectAllButton_, 1, 0);
    actions->addWidget(advancedButton_, 1, 1);
    layout->addLayout(actions);

    AddOkCancelButtons(this, layout);

    connect(restoreButton_, &QPushButton::clicked, this, &CRecycleBinDlg::OnRestore);
    connect(eraseButton_, &QPushButton::clicked, this, &CRecycleBinDlg::OnErase);
    connect(selectAllButton_, &QPushButton::clicked, this, &CRecycleBinDlg::OnSelectAll);
    connect(advancedButton_, &QPushButton::clicked, this, &CRecycleBinDlg::OnAdvanced);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CRecycleBinDlg::UpdateButtons);

    UpdateSizeLine();
    ApplyColumnSettings();
    columnRoom_ = new ColumnRoom(list_);
    EndWaitCursor();
    enableBox_->setChecked(enabled_);
    UpdateButtons();
}

CRecycleBinDlg::~CRecycleBinDlg() = default;

void CRecycleBinDlg::FillLocations() {
    const QStringList cards = ListStorageCards(frame_.fs());
    cardCount_ = int(cards.size());
    locations_->addItem(tr("主記憶體"));
    locations_->addItems(cards);
    int selected = 0;
    QString chosen;
    if (position_ != 0 && GetStorageCardFolder(frame_.fs(), frame_.settings(), &chosen, true)) {
        const int at = int(cards.indexOf(chosen));
        if (at >= 0) selected = at + 1;
    }
    locations_->setCurrentIndex(selected);
}

void CRecycleBinDlg::ApplyColumnSettings() {
    SettingsStore& settings = frame_.settings();
    QHeaderView* header = list_->header();
    for (int column = 0; column < RecycleListModel::kColumnCount; ++column) {
        header->resizeSection(column, settings.GetInt(IDS_SECTION_RECYCLEBIN, kWidthKeys[column]));
    }
    const std::optional<QList<int>> order =
        ParseColumnOrder(settings.GetText(IDS_SECTION_RECYCLEBIN, IDS_KEY_COLUMN_ORDER),
                         RecycleListModel::kColumnCount);
    if (!order) return;
    for (int visual = 0; visual < order->size(); ++visual)
        header->moveSection(header->visualIndex((*order)[visual]), visual);
}

void CRecycleBinDlg::SaveColumnSettings() {
    SettingsStore& settings = frame_.settings();
    const QHeaderView* header = list_->header();
    QList<int> order;
    for (int column = 0; column < RecycleListModel::kColumnCount; ++column) {
        settings.SetProfileIntById(IDS_SECTION_RECYCLEBIN, kWidthKeys[column],
                                   columnRoom_->LeastWidth(column));
        order.append(header->logicalIndex(column));
    }
    settings.SetProfileTextById(IDS_SECTION_RECYCLEBIN, IDS_KEY_COLUMN_ORDER,
                                FormatColumnOrder(order));
}

QList<int> CRecycleBinDlg::SelectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CRecycleBinDlg::UpdateButtons() {
    const bool rows = model_->rowCount() > 0;
    const bool selected = rows && list_->selectionModel()->hasSelection();
    restoreButton_->setEnabled(selected);
    eraseButton_->setEnabled(selected);
    selectAllButton_->setEnabled(rows);
}

void CRecycleBinDlg::UpdateSizeLine() {
    sizeLine_->setText(FormatBinUsageText(bin_.GetUsedBytes()));
}

void CRecycleBinDlg::OnRestore() {
    RestoreListSync sync(frame_);
    RecycleBin::RestoreObserver observer;
    observer.restored = [&sync](const QString& path, bool existedBefore) {
        sync.Restored(path, existedBefore);
    };
    // Rows refer to the list shown; another process may have changed the bin since.
    const quint64 shown = bin_.generation();
    observer.rowRemoved = [this, shown](int row) {
        if (bin_.generation() == shown) model_->RemoveRow(row);
    };
    {
        std::unique_ptr<Progress> progress = frame_.BeginProgress(windowTitle());
        bin_.RestoreFromBin(SelectedRows(), observer, progress.get());
    }
    if (bin_.generation() != shown) model_->Reload();
    sync.Finish();
    UpdateButtons();
    UpdateSizeLine();
}

void CRecycleBinDlg::OnErase() {
    RecycleBin::RestoreObserver observer;
    const quint64 shown = bin_.generation();
    observer.rowRemoved = [this, shown](int row) {
        if (bin_.generation() == shown) model_->RemoveRow(row);
    };
    bin_.EraseFromBin(SelectedRows(), observer);
    if (bin_.generation() != shown) model_->Reload();
    UpdateButtons();
    UpdateSizeLine();
}

void CRecycleBinDlg::OnSelectAll() {
    list_->selectAll();
    UpdateButtons();
    list_->setFocus();
}

void CRecycleBinDlg::OnAdvanced() {
    const int oldCapacity = bin_.settings().capacityMb;
    const bool oldLimit = bin_.settings().capacityLimitOn;
    CRecycleAdvancedDlg dialog(oldCapacity, oldLimit, bin_.settings().lifetime, this);
    if (frame_.RunDialog(dialog) != QDialog::Accepted) return;
    bin_.SetLimits(dialog.capacityMb(), dialog.limitOn(), dialog.lifetime());
    if (bin_.settings().enabled &&
        RecycleBin::CapacityLimitChanged(oldLimit, oldCapacity, bin_.settings().capacityLimitOn,
                                         bin_.settings().capacityMb) &&
        bin_.GetRoomLeft() == 0) {
        ShowMessage(frame_.prompt(), IDS_RECYCLE_BIN_FULL, IDS_APP_TITLE,
                    MessageStyle::Exclamation);
    }
}

void CRecycleBinDlg::accept() {
    SettingsStore& settings = frame_.settings();
    const int chosen = locations_->currentIndex();
    bool newCard = false;
    if (chosen > 0) {
        const QString card = locations_->currentText();
        QString current;
        GetStorageCardFolder(frame_.fs(), settings, &current, true);
        newCard = card.compare(current, Qt::CaseInsensitive) != 0;
        settings.SetProfileTextById(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD, card);
    } else {
        settings.SetProfileTextById(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD,
                                    QStringLiteral("\\"));
    }
    if (enableBox_->isChecked() != enabled_) {
        enabled_ = enableBox_->isChecked();
        changed_ = true;
    }
    const int position = chosen > 0 ? 1 : 0;
    if (position != position_ || newCard) {
        position_ = position;
        changed_ = true;
    }
    SaveColumnSettings();
    QDialog::accept();
}
