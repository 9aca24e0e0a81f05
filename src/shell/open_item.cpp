#include "shell/open_item.h"

#include "app/message.h"
#include "app/path_helpers.h"
#include "browse/file_item.h"
#include "platform/shell_services.h"
#include "resources/ids.h"

bool GetShortcutTarget(ShellServices& shell, const QString& shortcutPath, QString* target) {
    target->clear();
    const std::optional<QString> command = shell.GetShortcutCommand(shortcutPath);
    if (!command) return false;
    const QChar separator =
        command->startsWith(QLatin1Char('"')) ? QLatin1Char('"') : QLatin1Char(' ');
    const QStringList pieces = command->split(separator, Qt::SkipEmptyParts);
    if (pieces.isEmpty()) return false;
    *target = pieces.first();
    return true;
}

namespace {

// Opens a file through the shell: a real program runs only when the user says so; a file
// that exists never reads as "not found".
void OpenWithShell(ShellServices& shell, UserPrompt& prompt, const QString& path) {
    const QString name = FileNamePart(path);
    switch (shell.OpenFile(path)) {
        case OpenResult::Opened:
            return;
        case OpenResult::Program:
            if (ShowFilledMessage(prompt, IDS_CONFIRM_RUN_PROGRAM,
                                  FormatStr(IDS_CONFIRM_RUN_PROGRAM, name),
                                  MessageStyle::YesNoQuestion) != MessageAnswer::Yes ||
                shell.RunProgram(path)) {
                return;
            }
            break;
        case OpenResult::Gone:
            ShowFilledMessage(prompt, IDS_FILE_NOT_FOUND, FormatStr(IDS_FILE_NOT_FOUND, name),
                              MessageStyle::Stop);
            return;
        case OpenResult::NoApplication:
            ShowFilledMessage(prompt, IDS_NO_ASSOCIATION, FormatStr(IDS_NO_ASSOCIATION, name),
                              MessageStyle::Stop);
            return;
        case OpenResult::Failed:
            break;
    }
    ShowMessage(prompt, IDS_CANNOT_OPEN_FILE, IDS_APP_TITLE, MessageStyle::Stop);
}

}  // namespace

void OpenItem(DeviceFs& fs, ShellServices& shell, UserPrompt& prompt, const QString& currentFolder,
              const FileItem& item, const std::function<void(const QString&)>& navigate) {
    const QString path = JoinPath(currentFolder, item.name);
    FindData record;
    if (!PathExists(fs, path, &record)) return;
    if (record.IsFolder()) {
        navigate(path);
        return;
    }
    QString target;
    if (Extension(path).compare(QLatin1String("lnk"), Qt::CaseInsensitive) != 0 ||
        !GetShortcutTarget(shell, path, &target)) {
        OpenWithShell(shell, prompt, path);
        return;
    }
    // A shortcut opens what it names, under the same rules as the target itself.
    FindData targetRecord;
    if (!PathExists(fs, target, &targetRecord)) {
        ShowFilledMessage(prompt, IDS_FILE_NOT_FOUND,
                          FormatStr(IDS_FILE_NOT_FOUND, FileNamePart(target)), MessageStyle::Stop);
    } else if (targetRecord.IsFolder()) {
        navigate(target);
    } else {
        OpenWithShell(shell, prompt, target);
    }
}
