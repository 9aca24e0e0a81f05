#pragma once

class CommandHost;

// Copy, cut, paste and paste as shortcut through the system clipboard. Copy and cut put the
// selected names (or, with the tree focused, the current folder) on the clipboard under the
// private format, and offer the same items to other programs as file URLs; paste copies or,
// after a cut, moves them into the current folder.
namespace ClipboardTransfer {

// False when nothing was selected (the clipboard is left as it was).
bool Copy(CommandHost& frame);
bool Cut(CommandHost& frame);
void Paste(CommandHost& frame);
void PasteShortcut(CommandHost& frame);

}  // namespace ClipboardTransfer
