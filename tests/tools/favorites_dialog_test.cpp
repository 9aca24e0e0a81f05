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

    QStringList Names() {
        QStringList names;
        for (const FavoriteEntry& entry : Favorites().Entries())
            names.append(entry.name);
        return names;
    }

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

// Commands need no window: a fake host stands in for it.
TEST(FavoriteCommands, AFullListIsReportedBeforeAnyDialog) {
    TempDevice device;
    RecordingPrompt prompt;
    FakeShellServices shell;
    StandaloneDocument document(device.fs());
    FakeCommandHost host(device.fs(), device.settings(), prompt, shell, document);
    for (int i = 0; i < FavoritesList::kMaxFavorites; ++i)
        ASSERT_TRUE(document.favorites().AddFavorite(QString::number(i), "\\Temp"));
    AddFavorite(host);
    EXPECT_EQ(host.dialogsRun, 0);
    EXPECT_EQ(prompt.MessageIds(), QList<int>({IDS_TOO_MANY_FAVORITES}));
}

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

TEST_F(FavoritesDialogTest, EditButtonsFollowTheRowAndOnlyOkKeepsTheChanges) {
    Open();
    Favorites().AddFavorite("Docs", "\\My Documents");
    Favorites().AddFavorite("Temp", "\\Temp");
    Favorites().AddFavorite("Win", "\\Windows");
    Favorites().SetDirty(false);
    Run<CEditFavoritesDlg>(ID_FAVORITE_EDIT, [](CEditFavoritesDlg& dialog) {
        // Rename, delete, up, down.
        auto buttons = [&dialog] {
            QList<bool> on;
            for (int id : {IDC_FAVORITE_RENAME, IDC_FAVORITE_DELETE, IDC_FAVORITE_MOVE_UP,
                           IDC_FAVORITE_MOVE_DOWN})
                on.append(Control(dialog, id)->isEnabled());
            return on;
        };
        EXPECT_EQ(buttons(), QList<bool>({false, false, false, false}));
        dialog.list()->setCurrentItem(dialog.list()->topLevelItem(2));
        EXPECT_EQ(buttons(), QList<bool>({true, true, true, false}));
        // The last row deleted: the one above it becomes current.
        Click(dialog, IDC_FAVORITE_DELETE);
        EXPECT_EQ(dialog.currentRow(), 1);
        EXPECT_TRUE(dialog.list()->topLevelItem(1)->isSelected());
        Click(dialog, IDC_FAVORITE_MOVE_UP);
        EXPECT_EQ(dialog.list()->topLevelItem(0)->text(0), "Temp");
        return Click(dialog, IDOK);
    });
    EXPECT_EQ(Names(), QStringList({"Temp", "Docs"}));
    EXPECT_TRUE(Favorites().IsDirty());

    Favorites().SetDirty(false);
    Run<CEditFavoritesDlg>(ID_FAVORITE_EDIT, [](CEditFavoritesDlg& dialog) {
        dialog.list()->setCurrentItem(dialog.list()->topLevelItem(0));
        Click(dialog, IDC_FAVORITE_MOVE_DOWN);
        return Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(Names(), QStringList({"Temp", "Docs"}));
    EXPECT_FALSE(Favorites().IsDirty());
}

}  // namespace
