#include "shell/qt_user_prompt.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTextStream>

#include "app/load_str.h"
#include "app/path_helpers.h"
#include "app/wait_cursor.h"
#include "fileops/confirm_dlg.h"
#include "resources/ids.h"

namespace {

QMessageBox::Icon IconOf(MessageStyle style) {
    switch (style) {
        case MessageStyle::Stop:
            return QMessageBox::Critical;
        case MessageStyle::Question:
        case MessageStyle::YesNoQuestion:
            return QMessageBox::Question;
        case MessageStyle::Exclamation:
            return QMessageBox::Warning;
        case MessageStyle::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

void Report(const QString& caption, const QString& text) {
    QTextStream(stderr) << caption << ": " << text << '\n';
}

}  // namespace

QWidget* QtUserPrompt::Owner() const {
    QWidget* owner = owner_.data();
    return owner && owner->isVisible() ? owner : nullptr;
}

MessageAnswer QtUserPrompt::ShowMessageBox(const MessageRequest& request) {
    const bool yesNo = request.style == MessageStyle::YesNoQuestion;
    if (!interactive_) {
        Report(request.caption, request.text);
        return yesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    WaitCursorPause pause;
    QMessageBox box(IconOf(request.style), request.caption, request.text, QMessageBox::NoButton,
                    Owner());
    if (yesNo) {
        box.addButton(QMessageBox::Yes)->setText(QCoreApplication::translate("QtUserPrompt", "是"));
        box.addButton(QMessageBox::No)->setText(QCoreApplication::translate("QtUserPrompt", "否"));
    } else {
        box.addButton(QMessageBox::Ok)->setText(QCoreApplication::translate("QtUserPrompt", "確定"));
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            return yesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
}

ConfirmAnswer QtUserPrompt::Confirm(const ConfirmRequest& request) {
    const bool replace = request.templateId == IDD_CONFIRM_REPLACE;
    QString title = request.titleId ? LoadStr(request.titleId)
                                    : (replace ? QCoreApplication::translate("QtUserPrompt", "檔案取代確認")
                                               : QCoreApplication::translate("QtUserPrompt", "檔案刪除確認"));
    if (!interactive_) {
        Report(title, request.text);
        return ConfirmAnswer::Cancel;
    }
    if (!fs_) return ConfirmAnswer::Cancel;
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
