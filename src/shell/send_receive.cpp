#include "shell/send_receive.h"

#include "platform/shell_services.h"
#include "resources/ids.h"
#include "shell/command_table.h"
#include "shell/main_frame.h"

namespace {

// The one selected item's path; empty unless exactly one is selected.
QString SelectedPath(CMainFrame& frame) {
    CFileView* view = frame.GetFileView();
    QString path;
    if (view->SelectedCount() != 1 || view->GetFirstSelected(&path) < 0) return QString();
    return path;
}

}  // namespace

void InstallSendReceiveCommands(CMainFrame& frame) {
    CommandTable& commands = frame.commands();
    commands.SetHandler(ID_FILE_SEND_MAIL, [&frame] {
        const QString path = SelectedPath(frame);
        if (!path.isEmpty()) frame.shell().SendByMail(path);
    });
    commands.SetHandler(ID_FILE_SEND_INFRARED, [&frame] {
        const QString path = SelectedPath(frame);
        if (!path.isEmpty()) frame.shell().SendOverLink(path);
    });
    // The list is not refilled: what arrives shows after the next refresh.
    commands.SetHandler(ID_FILE_RECEIVE_INFRARED,
                        [&frame] { frame.shell().ReceiveOverLink(frame.GetCurrentFolder()); });
}
