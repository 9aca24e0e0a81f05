#include "fileops/confirm_dlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "app/load_str.h"
#include "app/path_helpers.h"
#include "app/wait_cursor.h"
#include "browse/format.h"
#include "platform/device_fs.h"
#include "platform/file_time.h"
#include "resources/ids.h"
#include "shell/dialog_layout.h"
#include "shell/nuvio_icon.h"

namespace {

QLabel* MakeLabel(int id, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::number(id));
    return label;
}

QPushButton* MakeButton(const QString& text, int id, QWidget* parent) {
    QPushButton* button = MakeDialogButton(text, id, parent);
    // Four buttons share a 240-pixel screen: as narrow as their texts allow.
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(text) + 12);
    button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    return button;
}

}  // namespace

CConfirmDlg::CConfirmDlg(int templateId, DeviceFs& fs, QWidget* parent)
    : QDialog(parent), templateId_(templateId), fs_(fs), answer_(ConfirmAnswer::Yes) {
    const bool replace = templateId == IDD_CONFIRM_REPLACE;
    setObjectName(QString::number(templateId));
    setWindowTitle(replace ? tr("檔案取代確認") : tr("檔案刪除確認"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* top = new QHBoxLayout;
    auto* question = new QLabel(this);
    question->setPixmap(NuvioIcon(QStringLiteral("nuvio-4006")).pixmap(32, 32));
    question->setAlignment(Qt::AlignTop);
    top->addWidget(question);
    message_ = MakeLabel(IDC_CONFIRM_MESSAGE, this);
    message_->setWordWrap(true);
    top->addWidget(message_, 1);
    layout->addLayout(top);

    if (replace) {
        auto* lines = new QGridLayout;
        lines->setColumnStretch(1, 1);
        lines->addWidget(new QLabel(tr("是否要將現有的檔案"), this), 0, 0, 1, 2);
        existingIcon_ = MakeLabel(IDC_EXISTING_ICON_FRAME, this);
        existingSize_ = MakeLabel(IDC_EXISTING_SIZE, this);
        existingDate_ = MakeLabel(IDC_EXISTING_DATE, this);
        lines->addWidget(existingIcon_, 1, 0, 2, 1);
        lines->addWidget(existingSize_, 1, 1);
        lines->addWidget(existingDate_, 2, 1);
        lines->addWidget(new QLabel(tr("被下面這個檔案取代 ?"), this), 3, 0, 1, 2);
        newIcon_ = MakeLabel(IDC_NEW_ICON_FRAME, this);
        newSize_ = MakeLabel(IDC_NEW_SIZE, this);
        newDate_ = MakeLabel(IDC_NEW_DATE, this);
        lines->addWidget(newIcon_, 4, 0, 2, 1);
        lines->addWidget(newSize_, 4, 1);
        lines->addWidget(newDate_, 5, 1);
        layout->addLayout(lines);
    }

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(3);
    QPushButton* yes = MakeButton(tr("是"), IDOK, this);
    QPushButton* all = MakeButton(replace ? tr("全部取代") : tr("全部刪除"),
                                  IDC_CONFIRM_ALL, this);
    QPushButton* no = MakeButton(tr("否"), IDNO, this);
    QPushButton* cancel = MakeButton(tr("取消"), IDCANCEL, this);
    yes->setDefault(true);
    for (QPushButton* button : {yes, all, no, cancel})
        buttons->addWidget(button, 1);
    layout->addLayout(buttons);

    connect(yes, &QPushButton::clicked, this, [this] { Answer(ConfirmAnswer::Yes); });
    connect(all, &QPushButton::clicked, this, [this] { Answer(ConfirmAnswer::YesToAll); });
    connect(no, &QPushButton::clicked, this, [this] { Answer(ConfirmAnswer::No); });
    connect(cancel, &QPushButton::clicked, this, [this] { Answer(ConfirmAnswer::Cancel); });
}

void CConfirmDlg::SetMessage(const QString& text) {
    message_->setText(text);
}

void CConfirmDlg::SetNewFile(const QString& path, const QIcon& icon) {
    newPath_ = path;
    icon_ = icon;
}

void CConfirmDlg::Prepare() {
    answer_ = ConfirmAnswer::Yes;
    if (titleId) setWindowTitle(LoadStr(titleId));
    if (allButtonId) {
        findChild<QPushButton*>(QString::number(IDC_CONFIRM_ALL))->setText(LoadStr(allButtonId));
    }
    if (templateId_ == IDD_CONFIRM_REPLACE) {
        FillLines(existingPath_, existingSize_, existingDate_);
        FillLines(newPath_, newSize_, newDate_);
        const int side = style()->pixelMetric(QStyle::PM_LargeIconSize);
        for (QLabel* frame : {existingIcon_, newIcon_})
            frame->setPixmap(icon_.pixmap(side, side));
    }
    // Never wider than the window it asks for: a device screen may be 240 pixels wide.
    if (const QWidget* owner = parentWidget()) setMaximumWidth(qMax(200, owner->window()->width()));
    adjustSize();
    CentreOnScreen(*this);
}

ConfirmAnswer CConfirmDlg::Ask() {
    Prepare();
    QApplication::beep();
    WaitCursorPause pause;
    exec();
    return answer_;
}

void CConfirmDlg::FillLines(const QString& path, QLabel* size, QLabel* date) {
    FindData record;
    if (!PathExists(fs_, path, &record)) {
        size->clear();
        date->clear();
        return;
    }
    size->setText(record.size < 1024
                      ? FormatNumber(qint64(record.size)) + QLatin1Char('B')
                      : FormatNumber(qint64(record.size >> 10)) + QStringLiteral("KB"));
    const QDateTime local = DateTimeFromFileTime(record.lastWriteTime).toLocalTime();
    const QLocale locale;  // the interface's
    date->setText(local.isValid()
                      ? locale.toString(local.date(), QLocale::ShortFormat) + QStringLiteral("  ") +
                            locale.toString(local.time(), TimeFormatWithoutSeconds(locale))
                      : QString());
}

void CConfirmDlg::Answer(ConfirmAnswer answer) {
    answer_ = answer;
    done(answer == ConfirmAnswer::Cancel ? QDialog::Rejected : QDialog::Accepted);
}

void CConfirmDlg::reject() {
    // Escape and closing the window answer Cancel, not No.
    answer_ = ConfirmAnswer::Cancel;
    QDialog::reject();
}
