#include "tools/tool_dialog_commands.h"

#include "resources/ids.h"
#include "shell/command_table.h"
#include "shell/frame_document.h"
#include "shell/main_frame.h"
#include "tools/dump_file.h"
#include "tools/file_dump_dlg.h"
#include "tools/find_file_dlg.h"
#include "tools/sys_info_dlg.h"

namespace {

void OnFindFiles(CMainFrame& frame) {
    CFindFileDlg dialog(frame.fs(), frame.settings(), frame.shell(),
                        frame.GetDocument().iconCache(), &frame);
    frame.RunDialog(dialog);
}

void OnFileDump(CMainFrame& frame) {
    CFileView* view = frame.GetFileView();
    QString path;
    if (view->SelectedCount() != 1 || view->GetFirstSelected(&path) < 0) return;
    // A file that cannot be opened has been reported; there is nothing to show.
    std::unique_ptr<DumpFile> file = DumpFile::Open(frame.fs(), path, frame.prompt());
    if (!file) return;
    CFileDumpDlg dialog(std::move(file), &frame);
    frame.RunDialog(dialog);
}

void OnSystemInfo(CMainFrame& frame) {
    CSysInfoDlg dialog(frame.fs(), GatherSystemFigures(frame.fs()), &frame);
    frame.RunDialog(dialog);
}

}  // namespace

void InstallToolCommands(CMainFrame& frame) {
    CommandTable& commands = frame.commands();
    commands.SetHandler(ID_EDIT_FIND_FILES, [&frame] { OnFindFiles(frame); });
    commands.SetHandler(ID_FILE_DUMP, [&frame] { OnFileDump(frame); });
    commands.SetHandler(ID_VIEW_SYSTEM_INFO, [&frame] { OnSystemInfo(frame); });
}
