#include "fileops/delete_command.h"

#include "app/command_host.h"
#include "app/load_str.h"
#include "app/path_helpers.h"
#include "app/progress.h"
#include "app/wait_cursor.h"
#include "browse/file_view.h"
#include "browse/folder_tree.h"
#include "fileops/delete_items.h"
#include "fileops/left_out_report.h"
#include "fileops/selected_items.h"
#include "resources/ids.h"
#include "shell/frame_document.h"

void RunDeleteCommand(CommandHost& frame) {
    const SelectedItems items = GatherSelectedItems(frame);
    if (items.names.isEmpty()) return;
    DeleteOptions options;
    options.bin = frame.GetDocument().bin();
    options.ask =
        items.fromTree ? DeleteOptions::Ask::FolderByMessage : DeleteOptions::Ask::EachItem;
    const QStringList paths = items.Paths();

    std::unique_ptr<Progress> progress = frame.BeginProgress(LoadStr(IDS_DELETE));
    QList<DeviceError> causes;
    const QList<DeleteOutcome> outcomes =
        DeleteItems(frame.fs(), frame.prompt(), paths, options, progress.get(), &causes);
    progress.reset();
    // What stayed is named once, not left for the user to find, with why the first stayed.
    QStringList stayed;
    DeviceError cause = DeviceError::None;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (outcomes[i] != DeleteOutcome::Failed) continue;
        stayed.append(paths[i]);
        if (cause == DeviceError::None) cause = causes[i];
    }
    ReportLeftOut(frame.prompt(), stayed, {}, 20, cause);

    const bool anyDeleted = outcomes.contains(DeleteOutcome::Done);
    if (items.fromTree) {
        if (!anyDeleted) return;
        NTreeView& tree = *frame.GetTreeView();
        tree.RemoveChild();
        // Already there: the list still shows the deleted folder's row.
        if (!frame.SetCurrentFolder(items.folder, true)) frame.GetFileView()->FillList();
        return;
    }
    if (!anyDeleted) return;
    frame.GetFileView()->RemoveRows(false);
    frame.GetTreeView()->RefreshSelected();
    frame.UpdateCommandUi();
}
