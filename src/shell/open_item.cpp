#include "shell/open_item.h"

#include "app/load_str.h"
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

void OpenItem(DeviceFs& fs, ShellServices& shell, UserPrompt& prompt, const QString& currentFolder,
              const FileItem& item, const std::function<void(const QString&)>& navigate) {
    // A row whose type was never derived counts as known.
    const bool unknownType = item.typeName && *item.typeName == LoadStr(IDS_UNKNOWN_FILE_TYPE);
    const QString path = JoinPath(currentFolder, item.name);
    FindData record;
    if (!PathExists(fs, path, &record)) return;
    if (record.IsFolder()) {
        navigate(path);
        return;
    }

    QString failedPath = path;
    bool opened = false;
    QString target;
    if (Extension(path).compare(QLatin1String("lnk"), Qt::CaseInsensitive) == 0 &&
        GetShortcutTarget(shell, path, &target)) {
        FindData targetRecord;
        if (!PathExists(fs, target, &targetRecord)) {
            failedPath = target;
        } else if (targetRecord.IsFolder()) {
            navigate(target);
            return;
        } else {
            // The shell follows the shortcut itself.
            opened = shell.OpenFile(path);
        }
    } else {
        opened = shell.OpenFile(path);
    }
    if (opened) return;

    if (unknownType && failedPath == path) {
        ShowFilledMessage(prompt, IDS_NO_ASSOCIATION, FormatStr(IDS_NO_ASSOCIATION, item.name),
                          MB_ICONSTOP);
    } else {
        ShowFilledMessage(prompt, IDS_FILE_NOT_FOUND,
                          FormatStr(IDS_FILE_NOT_FOUND, FileNamePart(failedPath)), MB_ICONSTOP);
    }
}
