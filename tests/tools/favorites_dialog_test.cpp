#include <QLineEdit>
#include <QTreeWidget>

#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "support/dialog_controls.h"
#include "support/fake_command_host.h"
#include "tools/add_favorite_dlg.h"
#include "tools/edit_favorites_dlg.h"
#include "tools/favorite_commands.h"
#include "tools/favorites_list.h"

// The list's rules are tested in favorites_list_test.cpp; these check the dialogs' wiring.
namespace {

class FavoritesDialogTest : public FrameTest {
protected:
    FavoritesList& Favorites() { return frame().GetDocument().favorites(); }

    // Runs a favourites command; the script drives the dialog it shows.
    template <typename Dialog>
    void Run(int command, std::function<int(Dialog&)> script) {
        frame().SetDialogRunner([&](QDialog& dialog) {
            auto* typed = qobject_cast<Dialog*>(&dialog);
            EXPECT_TRUE(typed);
            return typed ? script(*typed) : int(QDialog::Rejected);
        });
        EXPECT_TRUE(frame().OnCommand(command));
        frame().SetDialogRunner({});
    }
};

TEST_F(FavoritesDialogTest, AddProposesTheFolderAndOnlyOkAdds) {
    Open();
    ASSERT_TRUE(frame().SetCurrentFolder("\\", true));
    Run<CAddFavoriteDlg>(ID_FAVORITE_ADD, [](CAddFavoriteDlg& dialog) {
        EXPECT_EQ(Control<QLineEdit>(dialog, IDC_FAVORITE_NAME)->selectedText(), "\\");
        return Click(dialog, IDOK);
    });
    ASSERT_TRUE(frame().SetCurrentFolder("\\Temp", true));
    Run<CAddFavoriteDlg>(ID_FAVORITE_ADD, [](CAddFavoriteDlg& dialog) {
        EXPECT_EQ(Control<QLineEdit>(dialog, IDC_FAVORITE_NAME)->text(), "Temp");
        Control<QLineEdit>(dialog, IDC_FAVORITE_NAME)->setText("T");
        return Click(dialog, IDOK);
    });
    Run<CAddFavoriteDlg>(ID_FAVORITE_ADD,
                         [](CAddFavoriteDlg& dialog) { return Click(dialog, IDCANCEL); });
    EXPECT_EQ(Favorites().Entries(), QList<FavoriteEntry>({{"\\", "\\"}, {"T", "\\Temp"}}));
    EXPECT_TRUE(Favorites().IsDirty());
    // The input panel is shown for each dialog and put away after it.
    EXPECT_EQ(shell.inputPanelCalls, QList<bool>({true, false, true, false, true, false}));
}

// Commands need no window: a fake host stands in for it.
TEST(FavoriteCommands, AFullListIsReportedBeforeAnyDialog) {
    TempDevice device;
    RecordingPrompt prompt;
    FakeShellServices shell;
    StandaloneDocument document(device.fs());
    FakeCommandHost host(device.fs(), device.settings(), prompt, shell, document);
    while (!document.favorites().IsFull())
        document.favorites().AddFavorite("x", "\\Temp");
    AddFavorite(host);
    EXPECT_EQ(host.dialogsRun, 0);
    EXPECT_EQ(prompt.MessageIds(), QList<int>({IDS_TOO_MANY_FAVORITES}));
}

// The list's edit rules are core tests; here the buttons follow the row and only OK keeps.
TEST_F(FavoritesDialogTest, EditButtonsFollowTheRowAndOnlyOkKeepsTheChanges) {
    Open();
    const QList<FavoriteEntry> three = {
        {"Docs", "\\My Documents"}, {"Temp", "\\Temp"}, {"Win", "\\Windows"}};
    for (int button : {IDOK, IDCANCEL}) {
        ASSERT_TRUE(Favorites().ReplaceFavorites(three));
        Favorites().SetDirty(false);
        Run<CEditFavoritesDlg>(ID_FAVORITE_EDIT, [button](CEditFavoritesDlg& dialog) {
            auto on = [&dialog](int id) { return Control(dialog, id)->isEnabled(); };
            EXPECT_FALSE(on(IDC_FAVORITE_RENAME) || on(IDC_FAVORITE_DELETE) ||
                         on(IDC_FAVORITE_MOVE_UP) || on(IDC_FAVORITE_MOVE_DOWN));
            dialog.list()->setCurrentItem(dialog.list()->topLevelItem(2));
            EXPECT_TRUE(on(IDC_FAVORITE_RENAME) && on(IDC_FAVORITE_DELETE) &&
                        on(IDC_FAVORITE_MOVE_UP));
            EXPECT_FALSE(on(IDC_FAVORITE_MOVE_DOWN));
            // The last row deleted: the one above it becomes current.
            Click(dialog, IDC_FAVORITE_DELETE);
            EXPECT_TRUE(dialog.list()->topLevelItem(1)->isSelected());
            Click(dialog, IDC_FAVORITE_MOVE_UP);
            return Click(dialog, button);
        });
        EXPECT_EQ(Favorites().IsDirty(), button == IDOK);
        EXPECT_EQ(Favorites().Entries(),
                  button == IDOK ? QList<FavoriteEntry>({three[1], three[0]}) : three);
    }
}

}  // namespace
