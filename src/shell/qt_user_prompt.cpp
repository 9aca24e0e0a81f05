#include "shell/qt_user_prompt.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTextStream>

#include "app/load_str.h"
#include "app/path_helpers.h"
#include "app/wait_cursor.h"
#include "fileops/confirm_dlg.h"
#include "resources/ids.h"

namespace {

constexpr int kIconMask = 0xF0;
constexpr int kButtonMask = 0x0F;
constexpr int kYesNo = 4;
constexpr int kOkCancel = 1;

QMessageBox::Icon IconOf(int style) {
    switch (style & kIconMask) {
        case MB_ICONSTOP:
            return QMessageBox::Critical;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

void Report(const QString& caption, const QString& text) {
    QTextStream(stderr) << caption << ": " << text << '\n';
}

}  // namespace

QWidget* QtUserPrompt::Owner() const {
    QWidget* owner = owner_.data();
    return owner && owner->isVisible() ? owner : nullptr;
}

int QtUserPrompt::ShowMessageBox(const MessageRequest& request) {
    const int buttons = request.style & kButtonMask;
    if (!interactive_) {
        Report(request.caption, request.text);
        return buttons == kYesNo ? IDNO : (buttons == kOkCancel ? IDCANCEL : IDOK);
    }
    WaitCursorPause pause;
    QMessageBox box(IconOf(request.style), request.caption, request.text, QMessageBox::NoButton,
                    Owner());
    if (buttons == kYesNo) {
        box.addButton(QMessageBox::Yes)->setText(QStringLiteral("是"));
        box.addButton(QMessageBox::No)->setText(QStringLiteral("否"));
    } else if (buttons == kOkCancel) {
        box.addButton(QMessageBox::Ok)->setText(QStringLiteral("確定"));
        box.addButton(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    } else {
        box.addButton(QMessageBox::Ok)->setText(QStringLiteral("確定"));
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        case QMessageBox::Cancel:
            return IDCANCEL;
        default:
            return buttons == kYesNo ? IDNO : IDOK;
    }
}

int QtUserPrompt::Confirm(const ConfirmRequest& request) {
    const bool replace = request.templateId == IDD_CONFIRM_REPLACE;
    QString title = request.titleId ? LoadStr(request.titleId)
                                    : (replace ? QStringLiteral("檔案取代確認")
                                               : QStringLiteral("檔案刪除確認"));
    if (!interactive_) {
        Report(title, request.text);
        return CONFIRM_CANCEL;
    }
    if (!fs_) return CONFIRM_CANCEL;
    CConfirmDlg dialog(request.templateId, *fs_, Owner());
    dialog.SetMessage(request.text);
    dialog.titleId = request.titleId;
    dialog.allButtonId = request.allButtonId;
    if (replace) {
        dialog.SetExistingFile(request.existingPath);
        const QString name = FileNamePart(request.newPath);
        dialog.SetNewFile(request.newPath, iconLookup_ ? iconLookup_(name) : QIcon());
    }
    return dialog.Ask();
}
