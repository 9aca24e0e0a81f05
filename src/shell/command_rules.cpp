#include "shell/command_rules.h"

#include "resources/ids.h"

namespace {

CommandUpdate Enabled(bool enabled) {
    CommandUpdate update;
    update.enabled = enabled;
    return update;
}

CommandUpdate Checked(bool checked, bool enabled = true) {
    CommandUpdate update;
    update.enabled = enabled;
    update.checkable = true;
    update.checked = checked;
    return update;
}

// Cut, copy and delete act on the tree's folder when the tree has the focus.
bool SelectionRule(const CommandFacts& f) {
    if (f.focus == CommandFacts::Focus::Tree) return !f.rootSelected;
    return f.selectedCount >= 1;
}

}  // namespace

CommandUpdate UpdateRule(int id, const CommandFacts& f) {
    using Focus = CommandFacts::Focus;
    switch (id) {
        case ID_FILE_UP:
        case ID_ADDRESS_UP:
            return Enabled(!f.atRoot);
        case ID_FILE_DUMP:
        case ID_FILE_OPEN_ITEM:
            return Enabled(f.selectedCount == 1);
        case ID_FILE_ENCRYPT:
        case ID_FILE_DECRYPT:
            return Enabled(f.selectedCount >= 1);
        case ID_FILE_SEND_MAIL:
            return Enabled(f.selectedCount == 1 && f.firstSelectedIsFile && f.mailService);
        case ID_FILE_SEND_INFRARED:
            return Enabled(f.selectedCount == 1 && f.firstSelectedIsFile && f.linkSendService);
        case ID_FILE_RECEIVE_INFRARED:
            return Enabled(f.linkReceiveService);
        case ID_FILE_PROPERTIES:
            return Enabled(f.focus == Focus::Tree || f.selectedCount >= 1);
        case ID_EDIT_CUT:
        case ID_EDIT_COPY:
        case ID_EDIT_DELETE:
            return Enabled(SelectionRule(f));
        case ID_EDIT_PASTE:
            return Enabled(f.clipboardOffer);
        case ID_EDIT_PASTE_SHORTCUT:
            return Enabled(!f.cutMark && f.clipboardOffer);
        case ID_EDIT_RENAME:
            if (f.focus == Focus::List && f.selectedCount == 1) return Enabled(true);
            if (f.focus != Focus::Tree) return Enabled(false);
            return Enabled(!f.rootSelected);
        case ID_EDIT_CHECK_MODE:
            return Enabled(f.focus == Focus::List && f.itemCount >= 1);
        case ID_EDIT_SELECT_ALL:
        case ID_EDIT_INVERT_SELECTION:
            return Enabled(f.itemCount >= 1);
        case ID_VIEW_LARGE_ICONS:
        case ID_VIEW_SMALL_ICONS:
        case ID_VIEW_LIST:
        case ID_VIEW_DETAILS:
            return Checked(int(f.listMode) == id - ID_VIEW_LARGE_ICONS);
        case ID_VIEW_SORT_BY_NAME:
        case ID_VIEW_SORT_BY_SIZE:
        case ID_VIEW_SORT_BY_DATE:
        case ID_VIEW_SORT_BY_TYPE:
        case ID_VIEW_SORT_BY_ATTRIBUTES:
            return Checked(f.sortMethod == id - ID_VIEW_SORT_BY_NAME);
        case ID_VIEW_ADDRESS_BAR:
            return Checked(f.addressBarShown);
        case ID_VIEW_COLUMN_HEADER:
            return Checked(f.columnHeaderShown, f.listMode == ViewMode::Details);
        default:
            // Everything else, favourites included, is always available.
            return Enabled(true);
    }
}
