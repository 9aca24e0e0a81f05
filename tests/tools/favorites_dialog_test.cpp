#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "app/message.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "support/dialog_controls.h"
#include "support/fake_command_host.h"
#include "tools/add_favorite_dlg.h"
#include "tools/edit_favorites_dlg.h"
#include "tools/favorite_commands.h"
#include "tools/favorites_list.h"

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
    int Run(int command, std::function<int(Dialog&)> script) {
        int shown = 0;
        frame().SetDialogRunner([&](QDialog& dialog) {
            ++shown;
            auto* typed = qobject_cast<Dialog*>(&dialog);
            EXPECT_TRUE(typed);
            return typed ? script(*typed) : int(QDialog::Rejected);
        });
        EXPECT_TRUE(frame().OnCommand(command));
        frame().SetDialogRunner({});
        return shown;
    }

    // Rename, delete, up, down.
    static QList<bool> Buttons(QDialog& dialog) {
        return {Control(dialog, IDC_FAVORITE_RENAME)->isEnabled(),
                Control(dialog, IDC_FAVORITE_DELETE)->isEnabled(),
                Control(dialog, IDC_FAVORITE_MOVE_UP)->isEnabled(),
                Control(dialog, IDC_FAVORITE_MOVE_DOWN)->isEnabled()};
    }
    static void SelectRow(CEditFavoritesDlg& dialog, int row) {
        dialog.list()->setCurrentItem(dialog.list()->topLevelItem(row));
    }
    static QStringList Rows(CEditFavoritesDlg& dialog) {
        QStringList rows;
        for (int i = 0; i < dialog.list()->topLevelItemCount(); ++i)
            rows.append(dialog.list()->topLevelItem(i)->text(0));
        return rows;
    }

    void AddThree() {
        Favorites().AddFavorite("Docs", "\\My Documents");
        Favorites().AddFavorite("Temp", "\\Temp");
        Favorites().AddFavorite("Win", "\\Windows");
        Favorites().SetDirty(false);
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

TEST_F(FavoritesDialogTest, AddingAtTheRootProposesABackslashAndTakesTheNameAsTyped) {
    Open();
    ASSERT_TRUE(frame().SetCurrentFolder("\\", true));
    EXPECT_EQ(Run<CAddFavoriteDlg>(ID_FAVORITE_ADD,
                                   [](CAddFavoriteDlg& dialog) {
                                       auto* name = Control<QLineEdit>(dialog, IDC_FAVORITE_NAME);
                                       auto* folder =
                                           Control<QLineEdit>(dialog, IDC_FAVORITE_FOLDER);
                                       EXPECT_EQ(name->text(), "\\");
                                       EXPECT_EQ(name->selectedText(), "\\");
                                       EXPECT_EQ(folder->text(), "\\");
                                       EXPECT_TRUE(folder->isReadOnly());
                                       return Click(dialog, IDOK);
                                   }),
              1);
    EXPECT_EQ(Favorites().Entries(), QList<FavoriteEntry>({{"\\", "\\"}}));
    EXPECT_TRUE(Favorites().IsDirty());
    EXPECT_EQ(shell.inputPanelCalls, QList<bool>({true, false}));

    // An empty name, or one another favourite has, is kept as it is; Cancel adds nothing.
    ASSERT_TRUE(frame().SetCurrentFolder("\\Temp", true));
    for (const QString& typed : {QString(), QStringLiteral("\\")}) {
        Run<CAddFavoriteDlg>(ID_FAVORITE_ADD, [&typed](CAddFavoriteDlg& dialog) {
            EXPECT_EQ(Control<QLineEdit>(dialog, IDC_FAVORITE_NAME)->text(), "Temp");
            Control<QLineEdit>(dialog, IDC_FAVORITE_NAME)->setText(typed);
            return Click(dialog, IDOK);
        });
    }
    Run<CAddFavoriteDlg>(ID_FAVORITE_ADD,
                         [](CAddFavoriteDlg& dialog) { return Click(dialog, IDCANCEL); });
    EXPECT_EQ(Names(), QStringList({"\\", "", "\\"}));
    EXPECT_EQ(Favorites().Entries()[2].folder, "\\Temp");
    EXPECT_EQ(shell.inputPanelCalls.size(), 8);
    EXPECT_FALSE(shell.inputPanelCalls.last());
}

TEST_F(FavoritesDialogTest, EditButtonsFollowTheCurrentRowAndDeletingMovesItUp) {
    Open();
    AddThree();
    Run<CEditFavoritesDlg>(ID_FAVORITE_EDIT, [](CEditFavoritesDlg& dialog) {
        EXPECT_EQ(Rows(dialog), QStringList({"Docs", "Temp", "Win"}));
        EXPECT_EQ(dialog.list()->topLevelItem(1)->text(1), "\\Temp");
        EXPECT_EQ(dialog.currentRow(), -1);
        EXPECT_EQ(Buttons(dialog), QList<bool>({false, false, false, false}));
        SelectRow(dialog, 0);
        EXPECT_EQ(Buttons(dialog), QList<bool>({true, true, false, true}));
        SelectRow(dialog, 1);
        EXPECT_EQ(Buttons(dialog), QList<bool>({true, true, true, true}));
        SelectRow(dialog, 2);
        EXPECT_EQ(Buttons(dialog), QList<bool>({true, true, true, false}));

        // The last row deleted: the one above it becomes current and selected.
        Click(dialog, IDC_FAVORITE_DELETE);
        EXPECT_EQ(Rows(dialog), QStringList({"Docs", "Temp"}));
        EXPECT_EQ(dialog.currentRow(), 1);
        EXPECT_TRUE(dialog.list()->topLevelItem(1)->isSelected());
        EXPECT_EQ(Buttons(dialog), QList<bool>({true, true, true, false}));

        Click(dialog, IDC_FAVORITE_MOVE_UP);
        EXPECT_EQ(Rows(dialog), QStringList({"Temp", "Docs"}));
        EXPECT_EQ(dialog.currentRow(), 0);
        EXPECT_EQ(Buttons(dialog), QList<bool>({true, true, false, true}));
        return Click(dialog, IDOK);
    });
    EXPECT_EQ(Names(), QStringList({"Temp", "Docs"}));
    EXPECT_TRUE(Favorites().IsDirty());

    // Cancel throws the changes away.
    Favorites().SetDirty(false);
    Run<CEditFavoritesDlg>(ID_FAVORITE_EDIT, [](CEditFavoritesDlg& dialog) {
        SelectRow(dialog, 0);
        Click(dialog, IDC_FAVORITE_MOVE_DOWN);
        EXPECT_EQ(Rows(dialog), QStringList({"Docs", "Temp"}));
        return Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(Names(), QStringList({"Temp", "Docs"}));
    EXPECT_FALSE(Favorites().IsDirty());
}

}  // namespace
