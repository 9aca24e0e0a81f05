#include "tools/sys_info_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/ids.h"

namespace {

// Read when shown, after the language is installed.
QString TotalLabel() {
    return CSysInfoDlg::tr("全部空間 :");
}
QString FreeLabel() {
    return CSysInfoDlg::tr("剩餘空間 :");
}
QString Unit() {
    return CSysInfoDlg::tr("仟位元組");
}

// "全部空間 : 1,234 仟位元組" on one row of a grid; the figure is right-aligned so that the
// digits of the rows line up.
QLabel* AddFigureRow(QGridLayout* grid, int row, const QString& label, int id, QWidget* parent) {
    auto* figure = new QLabel(parent);
    figure->setObjectName(QString::number(id));
    figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(new QLabel(label, parent), row, 0);
    grid->addWidget(figure, row, 1);
    grid->addWidget(new QLabel(Unit(), parent), row, 2);
    return figure;
}

QGroupBox* FigureGroup(const QString& title, int totalId, int freeId, const QString& total,
                       const QString& free, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setColumnStretch(1, 1);
    AddFigureRow(grid, 0, TotalLabel(), totalId, group)->setText(total);
    AddFigureRow(grid, 1, FreeLabel(), freeId, group)->setText(free);
    return group;
}

}  // namespace

CSysInfoDlg::CSysInfoDlg(DeviceFs& fs, SystemFigures figures, QWidget* parent)
    : QDialog(parent), fs_(fs), figures_(std::move(figures)) {
    setObjectName(QString::number(IDD_SYSTEM_INFO));
    setWindowTitle(tr("系統資訊"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(FigureGroup(tr("應用程式"), IDC_PROGRAM_MEMORY_TOTAL,
                                  IDC_PROGRAM_MEMORY_FREE, figures_.ProgramTotalText(),
                                  figures_.ProgramFreeText(), this));
    layout->addWidget(FigureGroup(tr("記憶體"), IDC_STORAGE_MEMORY_TOTAL,
                                  IDC_STORAGE_MEMORY_FREE, figures_.StorageTotalText(),
                                  figures_.StorageFreeText(), this));

    auto* cardGroup = new QGroupBox(this);
    auto* cardGrid = new QGridLayout(cardGroup);
    cardGrid->setContentsMargins(6, 4, 6, 4);
    cardGrid->setColumnStretch(1, 1);
    cards_ = new QComboBox(cardGroup);
    cards_->setObjectName(QString::number(IDC_CARD_LIST));
    cards_->addItems(figures_.cards);
    cardGrid->addWidget(new QLabel(tr("擴充記憶體 :"), cardGroup), 0, 0);
    cardGrid->addWidget(cards_, 0, 1, 1, 2);
    cardTotal_ = AddFigureRow(cardGrid, 1, TotalLabel(), IDC_CARD_TOTAL, cardGroup);
    cardFree_ = AddFigureRow(cardGrid, 2, FreeLabel(), IDC_CARD_FREE, cardGroup);
    layout->addWidget(cardGroup);

    if (figures_.cards.isEmpty()) {
        cards_->setEnabled(false);
    } else {
        cards_->setCurrentIndex(int(figures_.cards.indexOf(figures_.chosenCard)));
    }
    ShowCardFigures();
    connect(cards_, &QComboBox::currentIndexChanged, this, &CSysInfoDlg::OnCardChosen);

    auto* ok = new QPushButton(tr("確定"), this);
    ok->setObjectName(QString::number(IDOK));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addStretch(1);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

void CSysInfoDlg::OnCardChosen(int index) {
    if (index < 0) return;
    ChooseCard(fs_, figures_, cards_->itemText(index));
    ShowCardFigures();
}

void CSysInfoDlg::ShowCardFigures() {
    // Without a card both figures read 0, as for a card that cannot be queried.
    cardTotal_->setText(figures_.CardTotalText());
    cardFree_->setText(figures_.CardFreeText());
}
