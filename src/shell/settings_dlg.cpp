#include "shell/settings_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/load_str.h"
#include "app/settings_store.h"
#include "browse/file_view.h"
#include "platform/shell_services.h"
#include "resources/ids.h"
#include "shell/dialog_layout.h"
#include "shell/main_frame.h"

namespace {

QCheckBox* MakeBox(const QString& text, int id, bool checked, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::number(id));
    box->setChecked(checked);
    return box;
}

}  // namespace

CSettingsDlg::CSettingsDlg(const ListSettings& settings, ShellServices& shell, QWidget* parent)
    : QDialog(parent), values_(settings) {
    setObjectName(QString::number(IDD_SETTINGS));
    setWindowTitle(tr("設定"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(new QLabel(tr("操作設定 :"), this));
    doubleTap_ = MakeBox(tr("按兩下才能開啟檔案"), IDC_DOUBLE_TAP_TO_OPEN,
                         values_.doubleTapToOpen, this);
    layout->addWidget(doubleTap_);
    auto* sizeRow = new QHBoxLayout;
    auto* sizeLabel = new QLabel(LoadStr(IDS_TOUCH_SIZE), this);
    touchSize_ = new QComboBox(this);
    touchSize_->setObjectName(QStringLiteral("touchSize"));
    for (int id = IDS_TOUCH_SIZE_AUTO; id <= IDS_TOUCH_SIZE_LARGE; ++id)
        touchSize_->addItem(LoadStr(id));
    touchSize_->setCurrentIndex(values_.touchSize >= 0 && values_.touchSize < touchSize_->count()
                                    ? values_.touchSize
                                    : 0);
    sizeLabel->setBuddy(touchSize_);
    sizeRow->addWidget(sizeLabel);
    sizeRow->addWidget(touchSize_, 1);
    layout->addLayout(sizeRow);

    auto* group = new QGroupBox(tr("檔案瀏覽設定"), this);
    auto* browse = new QVBoxLayout(group);
    browse->setContentsMargins(4, 4, 4, 4);
    hideHidden_ = MakeBox(tr("不顯示隱藏檔"), IDC_HIDE_HIDDEN_FILES,
                          values_.hideHiddenFiles, group);
    hideRom_ = MakeBox(tr("不顯示在唯讀記憶體中的檔案"), IDC_HIDE_ROM_FILES,
                       values_.hideRomFiles, group);
    hideSystem_ = MakeBox(tr("不顯示 *.DLL;*.CPL;*DRV;*.HTP"),
                          IDC_HIDE_SYSTEM_EXTENSIONS, values_.hideSystemExtensions, group);
    showOnly_ = MakeBox(tr("只顯示下列的檔案 :"), IDC_SHOW_ONLY_MATCHING,
                        values_.showOnlyMatching, group);
    for (QCheckBox* box : {hideHidden_, hideRom_, hideSystem_, showOnly_})
        browse->addWidget(box);
    filter_ = new QComboBox(group);
    filter_->setObjectName(QString::number(IDC_FILTER_COMBO));
    filter_->setEditable(true);
    filter_->setInsertPolicy(QComboBox::NoInsert);
    filter_->lineEdit()->setMaxLength(kMaxFilterLength);
    // Long presets must not widen the dialog past a small screen.
    filter_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    filter_->setMinimumContentsLength(8);
    filter_->addItems({LoadStr(IDS_FILTER_PICTURES), LoadStr(IDS_FILTER_PROGRAMS),
                       LoadStr(IDS_FILTER_DOCUMENTS)});
    filter_->setEditText(values_.filterText.isEmpty() ? QStringLiteral("*") : values_.filterText);
    filter_->setEnabled(values_.showOnlyMatching);
    auto* indented = new QHBoxLayout;
    indented->addSpacing(16);
    indented->addWidget(filter_, 1);
    browse->addLayout(indented);
    layout->addWidget(group);

    AddOkCancelButtons(this, layout);

    connect(showOnly_, &QCheckBox::clicked, this, [this](bool checked) {
        values_.showOnlyMatching = checked;
        filter_->setEnabled(checked);
    });
    connect(filter_, &QComboBox::activated, this, [&shell] { shell.ShowInputPanel(true); });

    adjustSize();
    CentreOnScreen(*this);
}

void CSettingsDlg::accept() {
    values_.filterText = filter_->currentText().left(kMaxFilterLength);
    values_.doubleTapToOpen = doubleTap_->checkState() != Qt::Unchecked;
    values_.showOnlyMatching = showOnly_->isChecked();
    values_.hideRomFiles = hideRom_->isChecked();
    values_.hideHiddenFiles = hideHidden_->isChecked();
    values_.hideSystemExtensions = hideSystem_->isChecked();
    values_.touchSize = touchSize_->currentIndex();
    QDialog::accept();
}

void RunSettingsCommand(CMainFrame& frame) {
    CFileView& list = *frame.GetFileView();
    ListSettings values = ListSettings::From(list.listing(), list.tapAction());
    values.touchSize = frame.settings().GetInt(IDS_SECTION_FILEVIEW, IDS_KEY_TOUCH_SIZE);
    CSettingsDlg dialog(values, frame.shell(), &frame);
    if (frame.RunDialog(dialog) != QDialog::Accepted) return;
    if (dialog.values().touchSize != values.touchSize) {
        frame.settings().SetProfileIntById(IDS_SECTION_FILEVIEW, IDS_KEY_TOUCH_SIZE,
                                           dialog.values().touchSize);
        frame.ApplyTouchSize();
    }
    int tapAction = list.tapAction();
    const bool refill = dialog.values().ApplyTo(list.listing(), tapAction);
    list.SetTapAction(tapAction);
    if (refill) list.FillList();
}
