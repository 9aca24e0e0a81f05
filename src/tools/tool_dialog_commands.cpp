#include "tools/tool_dialog_commands.h"

#include "app/command_host.h"
#include "browse/file_view.h"
#include "resources/ids.h"
#include "shell/command_table.h"
#include "shell/frame_document.h"
#include "tools/dump_file.h"
#include "tools/file_dump_dlg.h"
#include "tools/find_file_dlg.h"
#include "tools/sys_info_dlg.h"

namespace {

void OnFindFiles(CommandHost& frame) {
    CFindFileDlg dialog(frame.fs(), frame.settings(), frame.shell(),
                        frame.GetDocument().iconCache(), frame.DialogParent());
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
