#include "shell/command_rules.h"

#include <gtest/gtest.h>

#include "resources/ids.h"

namespace {

using Focus = CommandFacts::Focus;

CommandFacts Facts(Focus focus, int selected, int items = 3) {
    CommandFacts f;
    f.focus = focus;
    f.selectedCount = selected;
    f.itemCount = items;
    f.firstSelectedIsFile = true;
    return f;
}

// One row per situation: the commands that must be on and those that must be off.
TEST(UpdateRuleTest, EnableRulesFollowTheFacts) {
    CommandFacts topOfTree = Facts(Focus::Tree, 0);
    topOfTree.rootSelected = true;
    CommandFacts folderRow = Facts(Focus::List, 1);
    folderRow.firstSelectedIsFile = false;
    CommandFacts atRoot = Facts(Focus::List, 0);
    atRoot.atRoot = true;
    CommandFacts cut = Facts(Focus::List, 0);
    cut.clipboardOffer = cut.cutMark = true;
    CommandFacts copied = Facts(Focus::List, 0);
    copied.clipboardOffer = true;
    CommandFacts noServices = Facts(Focus::List, 1);
    noServices.mailService = noServices.linkSendService = noServices.linkReceiveService = false;
    CommandFacts addressBar = Facts(Focus::Other, 1);

    struct Row {
        const char* what;
        CommandFacts facts;
        std::vector<int> on, off;
    } rows[] = {
        {"top of the tree", topOfTree, {ID_FILE_PROPERTIES, ID_FILE_UP},
         {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE, ID_EDIT_RENAME}},
        {"tree folder", Facts(Focus::Tree, 0),
         {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE, ID_EDIT_RENAME, ID_FILE_PROPERTIES}, {}},
        {"two files", Facts(Focus::List, 2),
         {ID_FILE_ENCRYPT, ID_FILE_DECRYPT, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE,
          ID_FILE_PROPERTIES},
         {ID_EDIT_RENAME, ID_FILE_OPEN_ITEM, ID_FILE_DUMP, ID_FILE_SEND_MAIL,
          ID_FILE_SEND_INFRARED}},
        {"one file", Facts(Focus::List, 1),
         {ID_FILE_SEND_MAIL, ID_FILE_SEND_INFRARED, ID_EDIT_RENAME, ID_FILE_OPEN_ITEM,
          ID_FILE_DUMP},
         {}},
        {"one folder", folderRow, {ID_FILE_DUMP, ID_EDIT_RENAME},
         {ID_FILE_SEND_MAIL, ID_FILE_SEND_INFRARED}},
        {"nothing selected", Facts(Focus::List, 0), {ID_EDIT_SELECT_ALL},
         {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE, ID_EDIT_RENAME, ID_FILE_PROPERTIES,
          ID_FILE_ENCRYPT, ID_FILE_OPEN_ITEM, ID_EDIT_PASTE, ID_EDIT_PASTE_SHORTCUT}},
        {"address bar focused", addressBar, {ID_EDIT_CUT}, {ID_EDIT_RENAME}},
        {"empty folder", Facts(Focus::List, 0, 0), {},
         {ID_EDIT_SELECT_ALL, ID_EDIT_INVERT_SELECTION}},
        {"root", atRoot, {}, {ID_FILE_UP, ID_ADDRESS_UP}},
        {"after a cut", cut, {ID_EDIT_PASTE}, {ID_EDIT_PASTE_SHORTCUT}},
        {"after a copy", copied, {ID_EDIT_PASTE, ID_EDIT_PASTE_SHORTCUT}, {}},
        {"no transfer services", noServices, {ID_FILE_OPEN_ITEM},
         {ID_FILE_SEND_MAIL, ID_FILE_SEND_INFRARED, ID_FILE_RECEIVE_INFRARED}},
    };
    for (const Row& row : rows) {
        for (int id : row.on)
            EXPECT_TRUE(UpdateRule(id, row.facts).enabled) << row.what << " " << id;
        for (int id : row.off)
            EXPECT_FALSE(UpdateRule(id, row.facts).enabled) << row.what << " " << id;
    }
}

TEST(UpdateRuleTest, RadioMarksFollowModeAndSortAndTheHeaderNeedsDetails) {
    CommandFacts f;
    for (int mode = 0; mode < 4; ++mode) {
        f.listMode = ViewMode(mode);
        for (int other = 0; other < 4; ++other)
            EXPECT_EQ(UpdateRule(ID_VIEW_LARGE_ICONS + other, f).checked, other == mode);
        EXPECT_EQ(UpdateRule(ID_VIEW_COLUMN_HEADER, f).enabled, mode == 3) << mode;
    }
    f.sortMethod = ID_VIEW_SORT_BY_DATE - ID_VIEW_SORT_BY_NAME;
    for (int id = ID_VIEW_SORT_BY_NAME; id <= ID_VIEW_SORT_BY_ATTRIBUTES; ++id) {
        EXPECT_TRUE(UpdateRule(id, f).checkable);
        EXPECT_EQ(UpdateRule(id, f).checked, id == ID_VIEW_SORT_BY_DATE) << id;
    }
    f.columnHeaderShown = false;
    f.addressBarShown = false;
    EXPECT_FALSE(UpdateRule(ID_VIEW_COLUMN_HEADER, f).checked);
    EXPECT_FALSE(UpdateRule(ID_VIEW_ADDRESS_BAR, f).checked);
}

}  // namespace
