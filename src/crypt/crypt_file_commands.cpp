#include "crypt/crypt_file_commands.h"

#include <QAbstractItemView>

#include "app/command_host.h"
#include "app/load_str.h"
#include "app/message.h"
#include "app/path_helpers.h"
#include "app/progress.h"
#include "app/wait_cursor.h"
#include "browse/file_view.h"
#include "crypt/decrypt_file.h"
#include "crypt/encrypt_file.h"
#include "crypt/encrypted_file_reader.h"
#include "crypt/encrypted_format.h"
#include "crypt/password_dlg.h"
#include "crypt/report_crypt_failure.h"
#include "platform/device_fs.h"
#include "platform/shell_services.h"
#include "resources/ids.h"
#include "shell/command_table.h"
#include "shell/frame_document.h"

namespace {

// What both commands share: the password asked once, the selected rows worked from the last
// to the first (removing an original's row never shifts one still to come), and the files
// produced added to the list, the first selected alone.
class CryptRun {
public:
    explicit CryptRun(CommandHost& frame)
        : frame_(frame), list_(*frame.GetFileView()), folder_(frame.GetCurrentFolder()) {}

    // Shows the password dialog; false when it was cancelled.
    bool AskPassword(CPasswordDlg::Mode mode) {
        CPasswordDlg dialog(frame_.prompt(), mode, frame_.DialogParent());
        frame_.shell().ShowInputPanel(true);
        const int answer = frame_.RunDialog(dialog);
        frame_.shell().ShowInputPanel(false);
        if (answer != QDialog::Accepted) return false;
        password_ = dialog.password();
        deleteOriginal_ = dialog.deleteOriginal();
        title_ = dialog.windowTitle();
        return true;
    }

    // Runs work(row, name, attributes, path) over the selected rows, from the list's records;
    // work returns false to end the run.
    template <typename Work>
    void ForEachSelected(Work work) {
        const QList<int> rows = list_.GetSelectedRows();
        BeginWaitCursor();
        progress_ = frame_.BeginProgress(title_);
        for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
            const FileItem* item = list_.Item(*it);
            if (!item) continue;
            const QString name = item->name;
            const quint32 attributes = item->attributes;
            if (!work(*it, name, attributes, JoinPath(folder_, name))) break;
        }
        progress_.reset();
        if (produced_ > 0) list_.RebuildImageLists();
        EndWaitCursor();
        if (QAbstractItemView* view = list_.ActiveView()) view->setFocus();
    }

    // The original goes only now that its counterpart is complete.
    void RemoveOriginal(int row) {
        if (deleteOriginal_) list_.DeleteRow(row, true);
    }

    // A produced file: a row that was there already is refreshed, else a row is added.
    void Produced(const QString& path, bool replaced) {
        ++produced_;
        const int existing = replaced ? list_.FindRowByName(FileNamePart(path)) : -1;
        if (existing >= 0) {
            list_.RefreshRow(existing, true);
            return;
        }
        FindData record;
        if (!PathExists(frame_.fs(), path, &record)) return;
        const int row = list_.InsertItem(record, -1);
        list_.SelectRow(row, RowSelect::Select, selectedOne_ ? RowScope::Add : RowScope::Alone,
                       selectedOne_ ? RowScroll::Stay : RowScroll::IntoView);
        selectedOne_ = true;
    }

    DeviceFs& fs() { return frame_.fs(); }
    UserPrompt& prompt() { return frame_.prompt(); }
    const QString& password() const { return password_; }
    Progress* progress() { return progress_.get(); }
    QString provider() const { return frame_.GetDocument().cryptoProviderName(); }

private:
    CommandHost& frame_;
    CFileView& list_;
    const QString folder_;
    QString password_;
    QString title_;
    bool deleteOriginal_ = false;
    std::unique_ptr<Progress> progress_;
    int produced_ = 0;
    bool selectedOne_ = false;
};

}  // namespace

void InstallCryptCommands(CommandHost& frame) {
    frame.commands().SetHandler(ID_FILE_ENCRYPT, [&frame] { EncryptSelectedFiles(frame); });
    frame.commands().SetHandler(ID_FILE_DECRYPT, [&frame] { DecryptSelectedFiles(frame); });
}

void EncryptSelectedFiles(CommandHost& frame) {
    CryptRun run(frame);
    if (!run.AskPassword(CPasswordDlg::kEncrypt)) return;
    run.ForEachSelected([&](int row, const QString& name, quint32 attributes, const QString& path) {
        // Refused from the list's record, before the file is opened.
        if (IsRomFile(attributes)) {
            return ReportCryptFailure(run.prompt(), CryptResult::RomFile, name, QString());
        }
        const QString target = MakeEncryptedTargetPath(run.fs(), path);
        DeviceError cause = DeviceError::None;
        const CryptResult result = EncryptFile(run.fs(), path, target, run.password(),
                                               run.provider(), run.progress(), &cause);
        if (result != CryptResult::Ok) {
            return ReportCryptFailure(run.prompt(), result, name, target, cause);
        }
        run.RemoveOriginal(row);
        run.Produced(target, false);
        return true;
    });
}

void DecryptSelectedFiles(CommandHost& frame) {
    CryptRun run(frame);
    if (!run.AskPassword(CPasswordDlg::kDecrypt)) return;
    run.ForEachSelected([&](int row, const QString& name, quint32, const QString& path) {
        // Decided by the name alone, before the file is opened.
        if (!HasEncryptedExtension(path)) {
            return ReportCryptFailure(run.prompt(), CryptResult::NotEncrypted, name, QString());
        }
        EncryptedFileInfo info;
        CryptResult result = ReadEncryptedFileInfo(run.fs(), path, run.password(), &info);
        if (result != CryptResult::Ok) return ReportCryptFailure(run.prompt(), result, name, {});
        const QString target = JoinPath(FolderPart(path), info.storedName);
        const bool replaced = PathExists(run.fs(), target);
        if (replaced && ShowFilledMessage(run.prompt(), IDS_CONFIRM_REPLACE_DECRYPTED,
                                          FormatStr(IDS_CONFIRM_REPLACE_DECRYPTED, info.storedName),
                                          MessageStyle::YesNoQuestion) != MessageAnswer::Yes) {
            return true;
        }
        DeviceError cause = DeviceError::None;
        result = DecryptFile(run.fs(), path, target, run.password(), run.progress(), &cause);
        if (result != CryptResult::Ok) {
            return ReportCryptFailure(run.prompt(), result, name, info.storedName, cause);
        }
        // A file that held its own name has just been replaced by its content.
        if (target.compare(path, Qt::CaseInsensitive) != 0) run.RemoveOriginal(row);
        run.Produced(target, replaced);
        return true;
    });
}
