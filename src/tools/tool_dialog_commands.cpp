#include "tools/tool_dialog_commands.h"

#include <QAbstractItemView>

#include "app/command_host.h"
#include "browse/file_item.h"
#include "browse/file_view.h"
#include "platform/device_fs.h"
#include "shell/open_item.h"
#include "resources/ids.h"
#include "shell/command_table.h"
#include "shell/frame_document.h"
#include "tools/dump_file.h"
#include "tools/file_dump_dlg.h"
#include "tools/find_file_dlg.h"
#include "tools/sys_info_dlg.h"

namespace {

// The current folder and every mounted card, beside the fixed entries.
QStringList FindFolders(const CommandHost& frame) {
    QStringList folders = {frame.GetCurrentFolder()};
    FindData entry;
    if (std::unique_ptr<FindHandle> find =
            frame.fs().FindFirst(QStringLiteral("\\*.*"), entry, true)) {
        do {
            if (IsStorageCard(entry.attributes)) folders.append(QLatin1Char('\\') + entry.name);
        } while (find->Next(entry));
    }
    return folders;
}

void OnFindFiles(CommandHost& frame) {
    CFindFileDlg dialog(frame.fs(), frame.settings(), frame.shell(),
                        frame.GetDocument().iconCache(), frame.DialogParent());
    dialog.OfferFolders(FindFolders(frame));
    dialog.SetResultActions(
        [&frame](const QString& folder, const QString& name) {
            FileItem item;
            item.name = name;
            OpenItem(frame.fs(), frame.shell(), frame.prompt(), folder, item,
                     [&frame](const QString& path) { frame.SetCurrentFolder(path, true); });
        },
        [&frame](const QString& folder, const QString& name) {
            if (frame.GetCurrentFolder().compare(folder, Qt::CaseInsensitive) != 0 &&
                !frame.SetCurrentFolder(folder, true)) {
                return;
            }
            CFileView& list = *frame.GetFileView();
            const int row = list.FindRowByName(name);
            list.ActiveView()->setFocus();
            list.SelectRow(row, RowSelect::Select, RowScope::Alone, RowScroll::IntoView);
        });
    frame.RunDialog(dialog);
}

void OnFileDump(CommandHost& frame) {
    CFileView* view = frame.GetFileView();
    QString path;
    if (view->SelectedCount() != 1 || view->GetFirstSelected(&path) < 0) return;
    // A file that cannot be opened has been reported; there is nothing to show.
    std::unique_ptr<DumpFile> file = DumpFile::Open(frame.fs(), path, frame.prompt());
    if (!file) return;
    CFileDumpDlg dialog(std::move(file), frame.DialogParent());
    frame.RunDialog(dialog);
}

void OnSystemInfo(CommandHost& frame) {
    CSysInfoDlg dialog(frame.fs(), GatherSystemFigures(frame.fs()), frame.DialogParent());
    frame.RunDialog(dialog);
}

}  // namespace

void InstallToolCommands(CommandHost& frame) {
    CommandTable& commands = frame.commands();
    commands.SetHandler(ID_EDIT_FIND_FILES, [&frame] { OnFindFiles(frame); });
    commands.SetHandler(ID_FILE_DUMP, [&frame] { OnFileDump(frame); });
    commands.SetHandler(ID_VIEW_SYSTEM_INFO, [&frame] { OnSystemInfo(frame); });
}
