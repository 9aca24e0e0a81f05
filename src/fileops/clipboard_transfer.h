#pragma once

#include <memory>

class CommandHost;
class QMimeData;
class QString;
struct SelectedItems;

// Copy, cut, paste and paste as shortcut through the system clipboard. Copy and cut put the
// selected names (or, with the tree focused, the current folder) on the clipboard under the
// private format, and offer the same items to other programs as file URLs; paste copies or,
// after a cut, moves them into the current folder. Files other programs copy or cut (file
// URLs) are pasted too, those from outside the device copied in.
namespace ClipboardTransfer {

// False when nothing was selected (the clipboard is left as it was).
bool Copy(CommandHost& frame);
bool Cut(CommandHost& frame);
void Paste(CommandHost& frame);
void PasteShortcut(CommandHost& frame);
// The items as the clipboard and a drag offer them: our own list (with the exact names) and
// the host files as URLs, marked as a cut for other file managers when cut is set.
std::unique_ptr<QMimeData> ItemsMimeData(CommandHost& frame, const SelectedItems& items,
                                         bool cut);
// Files dropped on a folder of the device: copied, or moved when asked to.
void Drop(CommandHost& frame, const QMimeData& data, const QString& folder, bool move);

}  // namespace ClipboardTransfer
