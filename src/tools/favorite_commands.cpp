#include "tools/favorite_commands.h"

#include "app/command_host.h"
#include "app/message.h"
#include "platform/shell_services.h"
#include "resources/ids.h"
#include "shell/command_table.h"
#include "shell/frame_document.h"
#include "tools/add_favorite_dlg.h"
#include "tools/edit_favorites_dlg.h"
#include "tools/favorites_list.h"

void InstallFavoriteCommands(CommandHost& frame) {
    frame.commands().SetHandler(ID_FAVORITE_ADD, [&frame] { AddFavorite(frame); });
    frame.commands().SetHandler(ID_FAVORITE_EDIT, [&frame] { EditFavorites(frame); });
}

void AddFavorite(CommandHost& frame) {
    FavoritesList& favorites = frame.GetDocument().favorites();
    if (favorites.IsFull()) {
        ShowMessage(frame.prompt(), IDS_TOO_MANY_FAVORITES, IDS_APP_TITLE, MessageStyle::Exclamation);
        return;
    }
    const QString folder = frame.GetCurrentFolder();
    CAddFavoriteDlg dialog(FavoritesList::ProposedName(folder), folder, frame.DialogParent());
    frame.shell().ShowInputPanel(true);
    const int answer = frame.RunDialog(dialog);
    frame.shell().ShowInputPanel(false);
    if (answer != QDialog::Accepted) return;
    // The name as typed: empty, or the same as another favourite's, is the user's choice.
    favorites.AddFavorite(dialog.name(), folder);
}

void EditFavorites(CommandHost& frame) {
    CEditFavoritesDlg dialog(frame.GetDocument().favorites(), frame.DialogParent());
    frame.RunDialog(dialog);
}
