#include "fileops/file_commands.h"

#include "app/command_host.h"
#include "fileops/clipboard_transfer.h"
#include "fileops/delete_command.h"
#include "resources/ids.h"
#include "shell/command_table.h"

void InstallFileCommands(CommandHost& frame) {
    CommandTable& commands = frame.commands();
    CommandHost* f = &frame;
    commands.SetHandler(ID_EDIT_COPY, [f] { ClipboardTransfer::Copy(*f); });
    commands.SetHandler(ID_EDIT_CUT, [f] { ClipboardTransfer::Cut(*f); });
    commands.SetHandler(ID_EDIT_PASTE, [f] { ClipboardTransfer::Paste(*f); });
    commands.SetHandler(ID_EDIT_PASTE_SHORTCUT, [f] { ClipboardTransfer::PasteShortcut(*f); });
    commands.SetHandler(ID_EDIT_DELETE, [f] { RunDeleteCommand(*f); });
}
