#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

#include "browse/icon_cache.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "support/dialog_controls.h"
#include "support/dump_bytes.h"
#include "support/fake_command_host.h"
#include "support/fake_shell_services.h"
#include "support/fixed_space_fs.h"
#include "support/temp_device.h"
#include "tools/add_favorite_dlg.h"
#include "tools/edit_favorites_dlg.h"
#include "tools/favorite_commands.h"
#include "tools/favorites_list.h"
#include "tools/file_dump_dlg.h"
#include "tools/find_file_dlg.h"
#include "tools/sys_info_dlg.h"

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

// A shell that lets a test act while the search runs: it is asked for each result's type.
class HookedShell : public FakeShellServices {
public:
    std::function<void()> onType;
    std::optional<FileTypeInfo> GetFileType(const QString& path,
                                            std::optional<quint32> attributes) override {
        if (onType) onType();
        return FakeShellServices::GetFileType(path, attributes);
    }
};

// "name|folder" of every result row, in list order.
QStringList Rows(QWidget& dialog) {
    auto* list = Control<QTreeWidget>(dialog, IDC_FIND_RESULTS);
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        out.append(item->text(0) + QLatin1Char('|') + item->text(1));
    }
    return out;
}

class FindFileDlgTest : public ::testing::Test {
protected:
    FindFileDlgTest() {
        documentIcons.BuildIconCache(QString());
        // Types are looked up once per name ending: each file gets its own.
        for (int i = 0; i < 6; ++i)
            device.File(QStringLiteral("\\My Documents\\f.%1.txt").arg(i), "x");
    }

    // Searches "My Documents" for the "*.txt" files.
    void Search(CFindFileDlg& dialog) {
        Control<QComboBox>(dialog, IDC_FIND_PATTERN)->setEditText(QStringLiteral("*.txt"));
        auto* folders = Control<QComboBox>(dialog, IDC_FIND_FOLDER);
        folders->setCurrentIndex(folders->findText(QStringLiteral("\\My Documents")));
        Control<QPushButton>(dialog, IDC_FIND_START)->click();
    }

    TempDevice device;
    HookedShell shell;
    IconCache documentIcons;
};

// The start button stops a running search with the results so far; closing ends the search
// before the dialog goes.
TEST_F(FindFileDlgTest, StartOrCloseStopsARunningSearch) {
    CFindFileDlg dialog(device.fs(), device.settings(), shell, documentIcons);
    auto* start = Control<QPushButton>(dialog, IDC_FIND_START);
    int typed = 0;
    shell.onType = [&] {
        EXPECT_TRUE(dialog.IsSearching());
        if (++typed == 2) start->click();
    };
    Search(dialog);
    EXPECT_FALSE(dialog.IsSearching());
    EXPECT_EQ(Rows(dialog).size(), 2);
    EXPECT_TRUE(Control<QLabel>(dialog, IDC_FIND_STATUS)->text().contains(QLatin1Char('2')));

    CFindFileDlg closing(device.fs(), device.settings(), shell, documentIcons);
    closing.show();
    shell.onType = [&] {
        closing.reject();
        EXPECT_TRUE(closing.isVisible());  // the search has to unwind first
    };
    Search(closing);
    EXPECT_FALSE(closing.isVisible());
    EXPECT_EQ(closing.result(), QDialog::Rejected);
    EXPECT_EQ(Rows(closing).size(), 1);
}

// A tap on a result opens it; "go to its folder" shows the folder with the file selected.
TEST_F(FrameTest, FindResultsOpenAndLeadToTheirFolders) {
    device.Make({"\\Windows\\tool.exe=x", "\\Windows\\sub\\other.exe=y"});
    Open();
    QStringList rows;
    frame().SetDialogRunner([&](QDialog& dialog) {
        auto* folders = Control<QComboBox>(dialog, IDC_FIND_FOLDER);
        EXPECT_GE(folders->findText(QStringLiteral("\\My Documents")), 0);
        folders->setCurrentIndex(folders->findText(QStringLiteral("\\Windows")));
        Control<QPushButton>(dialog, IDC_FIND_START)->click();
        rows = Rows(dialog);
        auto* results = Control<QTreeWidget>(dialog, IDC_FIND_RESULTS);
        dialog.show();
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                          results->visualItemRect(results->topLevelItem(0)).center());
        static_cast<CFindFileDlg&>(dialog).GoToFolderOf(1);
        return dialog.result();
    });
    EXPECT_TRUE(frame().OnCommand(ID_EDIT_FIND_FILES));
    EXPECT_EQ(rows, QStringList({"other.exe|\\Windows\\sub", "tool.exe|\\Windows"}));
    EXPECT_EQ(shell.openedFiles, QStringList({"\\Windows\\sub\\other.exe"}));
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\Windows"));
    EXPECT_EQ(list().GetSelectedRows(), QList<int>({list().FindRowByName("tool.exe")}));
}

}  // namespace

// The page rules are tested in dump_page_test.cpp; this checks that the buttons reach them.
TEST_F(FrameTest, FileDumpButtonsMoveThePageAndSwitchHalfAndMode) {
    device.File(QStringLiteral("\\My Documents\\d.bin"), CountingBytes(200));
    Open();
    SelectNames({"d.bin"});
    bool shown = false;
    frame().SetDialogRunner([&shown](QDialog& shownDialog) {
        auto& dialog = static_cast<CFileDumpDlg&>(shownDialog);
        auto offset = [&dialog] { return Control<QLabel>(dialog, IDC_DUMP_OFFSET_FIRST)->text(); };
        shown = true;
        for (auto [button, page] : {std::pair{IDC_DUMP_NEXT_PAGE, 180}, {IDC_DUMP_PREVIOUS_PAGE, 0},
                                    {IDC_DUMP_LAST_PAGE, 20}, {IDC_DUMP_FIRST_PAGE, 0}}) {
            Click(dialog, button);
            EXPECT_EQ(dialog.pageOffset(), page) << button;
        }
        Click(dialog, IDC_DUMP_SECOND_HALF);
        EXPECT_EQ(offset(), "00009");
        EXPECT_TRUE(Control(dialog, IDC_DUMP_FIRST_HALF)->isEnabled());
        // Character mode has no halves; the half is kept for the return to hex.
        Control<QRadioButton>(dialog, IDC_DUMP_CHAR_MODE)->click();
        EXPECT_EQ(offset(), "00000");
        EXPECT_FALSE(Control(dialog, IDC_DUMP_FIRST_HALF)->isEnabled());
        Control<QRadioButton>(dialog, IDC_DUMP_HEX_MODE)->click();
        EXPECT_EQ(offset(), "00009");

        // A wide dialog shows whole rows, without halves; offsets are never cut.
        dialog.resize(1280, 800);
        dialog.show();
        QApplication::processEvents();
        EXPECT_EQ(Control<QLabel>(dialog, IDC_DUMP_OFFSET_FIRST + 1)->text(), "00012");
        EXPECT_TRUE(Control<QLabel>(dialog, IDC_DUMP_ROW_FIRST)->text().endsWith("10 11 "));
        EXPECT_FALSE(Control(dialog, IDC_DUMP_FIRST_HALF)->isEnabled());
        dialog.resize(240, 320);
        QApplication::processEvents();
        EXPECT_EQ(offset(), "00009");
        QLabel* field = Control<QLabel>(dialog, IDC_DUMP_OFFSET_FIRST);
        EXPECT_GE(field->contentsRect().width(),
                  field->fontMetrics().horizontalAdvance(field->text()));
        dialog.hide();
        return int(QDialog::Accepted);
    });
    frame().OnCommand(ID_FILE_DUMP);
    EXPECT_TRUE(shown);
}

// The figures themselves are tested in system_figures_test.cpp; this checks the wiring.
TEST(SysInfoDlg, ShowsTheFiguresAndFollowsTheChosenCard) {
    TempDevice device;
    FixedSpaceFs fs(device.fs());
    fs.cards = {"Storage Card", "SD Card"};
    fs.spaces[QStringLiteral("\\")] = VolumeSpace{40000 * 1024, 65536 * 1024, 40000 * 1024};
    fs.spaces[QStringLiteral("\\Storage Card")] = VolumeSpace{1024, 2048, 1024};
    fs.spaces[QStringLiteral("\\SD Card")] = VolumeSpace{3072, 4096, 3072};
    CSysInfoDlg dialog(fs, GatherSystemFigures(fs, HostMemory{512ULL << 20, 100ULL << 20}));
    auto text = [&](int id) { return Control<QLabel>(dialog, id)->text(); };
    EXPECT_EQ(QStringList({text(IDC_PROGRAM_MEMORY_TOTAL), text(IDC_PROGRAM_MEMORY_FREE),
                           text(IDC_STORAGE_MEMORY_TOTAL), text(IDC_STORAGE_MEMORY_FREE),
                           text(IDC_CARD_TOTAL)}),
              QStringList({"524,288", "102,400", "65,536", "40,000", "2"}));
    Control<QComboBox>(dialog, IDC_CARD_LIST)->setCurrentIndex(1);
    EXPECT_EQ(text(IDC_CARD_TOTAL), "4");
    EXPECT_EQ(text(IDC_CARD_FREE), "3");
}
