#include "crypt/password_dlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/load_str.h"
#include "app/message.h"
#include "resources/ids.h"

namespace {

QLineEdit* MakePasswordEdit(int id, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(id));
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(CPasswordDlg::kMaxPasswordLength);
    return edit;
}

}  // namespace

CPasswordDlg::CPasswordDlg(UserPrompt& prompt, Mode mode, QWidget* parent)
    : QDialog(parent), prompt_(prompt), mode_(mode) {
    setObjectName(QString::number(IDD_PASSWORD));
    setWindowTitle(mode == kEncrypt ? tr("檔案加密") : LoadStr(IDS_DECRYPT_TITLE));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("密碼 :"), this));
    passwordEdit_ = MakePasswordEdit(IDC_PASSWORD, this);
    layout->addWidget(passwordEdit_);
    confirmLabel_ = new QLabel(tr("密碼確認 :"), this);
    confirmLabel_->setObjectName(QString::number(IDC_PASSWORD_CONFIRM_LABEL));
    layout->addWidget(confirmLabel_);
    confirmEdit_ = MakePasswordEdit(IDC_PASSWORD_CONFIRM, this);
    layout->addWidget(confirmEdit_);
    deleteBox_ = new QCheckBox(tr("加密後刪除原始檔"), this);
    deleteBox_->setObjectName(QString::number(IDC_DELETE_ORIGINAL));
    layout->addWidget(deleteBox_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    okButton_ = new QPushButton(tr("確定"), this);
    okButton_->setObjectName(QString::number(IDOK));
    okButton_->setDefault(true);
    okButton_->setEnabled(false);
    auto* cancel = new QPushButton(tr("取消"), this);
    cancel->setObjectName(QString::number(IDCANCEL));
    buttons->addWidget(okButton_);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);

    // In decrypt mode there is nothing to confirm: the check box takes the label's place.
    if (mode == kDecrypt) {
        confirmLabel_->hide();
        confirmEdit_->hide();
    }
    connect(passwordEdit_, &QLineEdit::textChanged, this,
            [this](const QString& text) { okButton_->setEnabled(!text.isEmpty()); });
    connect(okButton_, &QPushButton::clicked, this, &CPasswordDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CPasswordDlg::accept() {
    deleteOriginal_ = deleteBox_->isChecked();
    password_ = passwordEdit_->text().left(kMaxPasswordLength);
    // OK is disabled then, but a default-button key press must not get past that either.
    if (mode_ == kDecrypt && password_.isEmpty()) return;
    if (mode_ == kEncrypt &&
        (password_.isEmpty() || password_ != confirmEdit_->text().left(kMaxPasswordLength))) {
        ShowMessage(prompt_, IDS_PASSWORD_MISMATCH, IDS_APP_TITLE, MessageStyle::Stop);
        return;
    }
    QDialog::accept();
}
