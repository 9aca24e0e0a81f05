#include "tools/edit_favorites_dlg.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "resources/ids.h"
#include "shell/compact_view.h"
#include "shell/dialog_layout.h"

CEditFavoritesDlg::CEditFavoritesDlg(FavoritesList& favorites, QWidget* parent)
    : QDialog(parent), favorites_(favorites), rows_(favorites) {
    setObjectName(QString::number(IDD_EDIT_FAVORITES));
    setWindowTitle(tr("編輯我的最愛"));
    auto* layout = new QVBoxLayout(this);

    list_ = new CompactView<QTreeWidget>(this);
    list_->setObjectName(QString::number(IDC_FAVORITES_LIST));
    list_->setColumnCount(2);
    list_->setHeaderLabels({tr("名稱"), tr("資料匣")});
    list_->header()->resizeSection(0, 100);
    list_->header()->resizeSection(1, 200);
    list_->setRootIsDecorated(false);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Names are edited in place, but only through the rename button.
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(list_, 1);

    auto* actions = new QGridLayout;
    renameButton_ = MakeDialogButton(tr("重新命名"), IDC_FAVORITE_RENAME, this);
    deleteButton_ = MakeDialogButton(tr("刪除"), IDC_FAVORITE_DELETE, this);
    upButton_ = MakeDialogButton(tr("往上移↑"), IDC_FAVORITE_MOVE_UP, this);
    downButton_ = MakeDialogButton(tr("往下移↓"), IDC_FAVORITE_MOVE_DOWN, this);
    actions->addWidget(renameButton_, 0, 0);
    actions->addWidget(deleteButton_, 0, 1);
    actions->addWidget(upButton_, 1, 0);
    actions->addWidget(downButton_, 1, 1);
    layout->addLayout(actions);

    AddOkCancelButtons(this, layout);

    connect(renameButton_, &QPushButton::clicked, this, &CEditFavoritesDlg::OnRename);
    connect(deleteButton_, &QPushButton::clicked, this, &CEditFavoritesDlg::OnDelete);
    connect(upButton_, &QPushButton::clicked, this, [this] { OnMove(-1); });
    connect(downButton_, &QPushButton::clicked, this, [this] { OnMove(1); });
    connect(list_, &QTreeWidget::itemChanged, this, &CEditFavoritesDlg::OnNameEdited);
    connect(list_, &QTreeWidget::currentItemChanged, this, &CEditFavoritesDlg::OnRowChanged);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &CEditFavoritesDlg::OnRowChanged);

    FillRows();
    UpdateButtons();
}

void CEditFavoritesDlg::FillRows() {
    filling_ = true;
    list_->clear();
    for (const FavoriteEntry& entry : rows_.Entries()) {
        auto* item = new QTreeWidgetItem(list_, {entry.name, entry.folder});
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    filling_ = false;
}

void CEditFavoritesDlg::SelectCurrent() {
    QTreeWidgetItem* item = list_->topLevelItem(currentRow_);
    if (!item) return;
    filling_ = true;
    list_->setCurrentItem(item);
    item->setSelected(true);
    list_->scrollToItem(item);
    filling_ = false;
}

void CEditFavoritesDlg::OnRowChanged() {
    // A row that becomes selected or focused becomes the current row; losing the selection
    // does not change it.
    if (!filling_) {
        const QList<QTreeWidgetItem*> selected = list_->selectedItems();
        QTreeWidgetItem* item = selected.isEmpty() ? list_->currentItem() : selected.first();
        if (item) currentRow_ = list_->indexOfTopLevelItem(item);
    }
    UpdateButtons();
}

void CEditFavoritesDlg::UpdateButtons() {
    const int count = list_->topLevelItemCount();
    const bool selected =
        count > 0 && !list_->selectedItems().isEmpty() && currentRow_ >= 0 && currentRow_ < count;
    renameButton_->setEnabled(selected);
    deleteButton_->setEnabled(selected);
    upButton_->setEnabled(selected && currentRow_ > 0);
    downButton_->setEnabled(selected && currentRow_ < count - 1);
}

void CEditFavoritesDlg::OnRename() {
    QTreeWidgetItem* item = list_->topLevelItem(currentRow_);
    if (!item) return;
    list_->setFocus();
    list_->editItem(item, 0);
}

void CEditFavoritesDlg::OnNameEdited(QTreeWidgetItem* item, int column) {
    if (filling_ || column != 0) return;
    const int row = list_->indexOfTopLevelItem(item);
    // The same name in other letter case, or one that cannot be stored, changes nothing.
    if (rows_.RenameFavorite(row, item->text(0))) {
        changed_ = true;
    } else if (const std::optional<FavoriteEntry> entry = rows_.GetFavorite(row)) {
        filling_ = true;
        item->setText(0, entry->name);
        filling_ = false;
    }
    UpdateButtons();
}

void CEditFavoritesDlg::OnDelete() {
    if (currentRow_ < 0) return;
    list_->setFocus();
    const int next = rows_.DeleteFavorite(currentRow_);
    changed_ = true;
    FillRows();
    currentRow_ = next;
    SelectCurrent();
    UpdateButtons();
}

void CEditFavoritesDlg::OnMove(int step) {
    const bool moved =
        step < 0 ? rows_.MoveFavoriteUp(currentRow_) : rows_.MoveFavoriteDown(currentRow_);
    if (!moved) return;
    changed_ = true;
    currentRow_ += step;
    FillRows();
    SelectCurrent();
    UpdateButtons();
}

void CEditFavoritesDlg::accept() {
    if (changed_) {
        favorites_.ReplaceFavorites(rows_.Entries());
        favorites_.SetDirty(true);
    }
    QDialog::accept();
}
