#include "tools/add_favorite_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/ids.h"
#include "shell/dialog_layout.h"

CAddFavoriteDlg::CAddFavoriteDlg(const QString& name, const QString& folder, QWidget* parent)
    : QDialog(parent), folder_(folder) {
    setObjectName(QString::number(IDD_ADD_FAVORITE));
    setWindowTitle(tr("加入我的最愛"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("名稱 :"), this));
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QString::number(IDC_FAVORITE_NAME));
    nameEdit_->setMaxLength(kMaxNameLength);
    nameEdit_->setText(name);
    nameEdit_->selectAll();
    layout->addWidget(nameEdit_);
    layout->addWidget(new QLabel(tr("資料匣 :"), this));
    auto* folderEdit = new QLineEdit(folder, this);
    folderEdit->setObjectName(QString::number(IDC_FAVORITE_FOLDER));
    folderEdit->setReadOnly(true);
    folderEdit->setCursorPosition(0);
    layout->addWidget(folderEdit);
    layout->addStretch(1);

    AddOkCancelButtons(this, layout);
    nameEdit_->setFocus();
}

QString CAddFavoriteDlg::name() const {
    return nameEdit_->text().left(kMaxNameLength);
}
