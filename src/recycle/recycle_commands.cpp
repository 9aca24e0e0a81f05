#include "recycle/recycle_commands.h"

#include "app/command_host.h"
#include "app/progress.h"
#include "app/settings_store.h"
#include "recycle/recycle_bin.h"
#include "recycle/recycle_bin_dlg.h"
#include "resources/ids.h"
#include "shell/command_table.h"
#include "shell/frame_document.h"

void InstallRecycleCommands(CommandHost& frame) {
    frame.commands().SetHandler(ID_FILE_RECYCLE_BIN, [&frame] { ShowRecycleBin(frame); });
}

// The command, in order:
//  1. show the dialog; restores, erasures and advanced settings take effect inside it,
//  2. on OK, apply the enable flag and move the bin when its place changed,
//  3. purge, forced when the lifetime changed, and write the index of a bin on a card.
void ShowRecycleBin(CommandHost& frame) {
    RecycleBin* bin = frame.GetDocument().bin();
    if (!bin) return;
    const int keptLifetime = bin->settings().lifetime;
    // The dialog writes the chosen card; a move that fails puts this one back.
    const QString previousCard =
        frame.settings().GetText(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD);
    CRecycleBinDlg dialog(frame, *bin, bin->settings().enabled, bin->settings().position);
    if (frame.RunDialog(dialog) != QDialog::Accepted) return;
    if (dialog.changed()) {
        bin->SetEnabled(dialog.enabled());
        std::unique_ptr<Progress> progress = frame.BeginProgress(dialog.windowTitle());
        bin->RelocateBin(dialog.position(), previousCard, progress.get());
    }
    bin->PurgeExpired(bin->settings().lifetime != keptLifetime);
    bin->FlushRecycleIndex(false);
}
