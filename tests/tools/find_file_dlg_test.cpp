#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>

#include "browse/icon_cache.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "support/fake_shell_services.h"
#include "support/dialog_controls.h"
#include "support/temp_device.h"
#include "tools/find_file_dlg.h"

namespace {

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
