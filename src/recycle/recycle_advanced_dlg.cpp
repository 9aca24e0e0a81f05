#include "recycle/recycle_advanced_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "resources/ids.h"
#include "shell/dialog_layout.h"

CRecycleAdvancedDlg::CRecycleAdvancedDlg(int capacityMb, bool limitOn, int lifetime,
                                         QWidget* parent)
    : QDialog(parent), capacityMb_(capacityMb), limitOn_(limitOn), lifetime_(lifetime) {
    setObjectName(QString::number(IDD_RECYCLE_ADVANCED));
    setWindowTitle(tr("進階設定"));
    auto* layout = new QVBoxLayout(this);

    auto* capacityGroup = new QGroupBox(tr("資源回收筒的容量"), this);
    auto* capacityLayout = new QVBoxLayout(capacityGroup);
    limitBox_ = new QCheckBox(tr("限定容量不得超過下列之設定"), capacityGroup);
    limitBox_->setObjectName(QString::number(IDC_LIMIT_CAPACITY));
    limitBox_->setChecked(limitOn);
    capacityLayout->addWidget(limitBox_);
    auto* capacityRow = new QHBoxLayout;
    // The field and its spin arrows are one control; values outside the range are clamped.
    capacity_ = new QSpinBox(capacityGroup);
    capacity_->setObjectName(QString::number(IDC_CAPACITY));
    capacity_->setRange(kMinCapacityMb, kMaxCapacityMb);
    capacity_->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    capacity_->setValue(capacityMb);
    capacityRow->addWidget(capacity_);
    capacityRow->addWidget(new QLabel(tr("MB   (1...32)"), capacityGroup), 1);
    capacityLayout->addLayout(capacityRow);
    layout->addWidget(capacityGroup);

    auto* lifetimeGroup = new QGroupBox(tr("設定檔案停留在回收筒的時間"), this);
    auto* lifetimeLayout = new QVBoxLayout(lifetimeGroup);
    lifetimeLayout->addWidget(new QLabel(tr("請選擇一個週期 :"), lifetimeGroup));
    lifetimeList_ = new QComboBox(lifetimeGroup);
    lifetimeList_->setObjectName(QString::number(IDC_LIFETIME));
    // The position in the list is the lifetime code.
    lifetimeList_->addItems({tr("永遠"), tr("1 天"), tr("1 週"),
                             tr("1 個月")});
    lifetimeList_->setCurrentIndex(lifetime >= 0 && lifetime < lifetimeList_->count() ? lifetime
                                                                                      : -1);
    lifetimeLayout->addWidget(lifetimeList_);
    layout->addWidget(lifetimeGroup);
    layout->addStretch(1);

    AddOkCancelButtons(this, layout);

    connect(limitBox_, &QCheckBox::toggled, this, [this](bool on) {
        limitOn_ = on;
        EnableCapacity();
    });
    connect(capacity_, &QSpinBox::valueChanged, this, [this](int value) { capacityMb_ = value; });
    EnableCapacity();
}

void CRecycleAdvancedDlg::EnableCapacity() {
    capacity_->setEnabled(limitOn_);
}

void CRecycleAdvancedDlg::accept() {
    if (lifetimeList_->currentIndex() >= 0) lifetime_ = lifetimeList_->currentIndex();
    // Text still being typed counts, clamped into the range.
    capacity_->interpretText();
    capacityMb_ = capacity_->value();
    QDialog::accept();
}
