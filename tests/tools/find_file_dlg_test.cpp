#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "browse/icon_cache.h"
#include "platform/faulty_device_fs.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "support/fake_shell_services.h"
#include "support/temp_device.h"
#include "support/utf16_bytes.h"
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

template <typename T>
T* Control(QWidget& dialog, int id) {
    T* control = dialog.findChild<T*>(QString::number(id));
    EXPECT_NE(control, nullptr) << id;
    return control;
}

QStringList Entries(QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out.append(box->itemText(i));
    return out;
}

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
    FindFileDlgTest() { documentIcons.BuildIconCache(QString()); }

    // Runs one search in a dialog over fs: pattern, the folder at a list position, text.
    void Search(CFindFileDlg& dialog, const QString& pattern, const QString& folder,
                const QString& text = {}) {
        Control<QComboBox>(dialog, IDC_FIND_PATTERN)->setEditText(pattern);
        auto* folders = Control<QComboBox>(dialog, IDC_FIND_FOLDER);
        folders->setCurrentIndex(folders->findText(folder));
        ASSERT_EQ(folders->currentText(), folder);
        Control<QLineEdit>(dialog, IDC_FIND_TEXT)->setText(text);
        Control<QPushButton>(dialog, IDC_FIND_START)->click();
    }
    QString Status(QWidget& dialog) { return Control<QLabel>(dialog, IDC_FIND_STATUS)->text(); }

    TempDevice device;
    HookedShell shell;
    IconCache documentIcons;
};

TEST_F(FindFileDlgTest, OpensWithSortedListsAndTheSecondFolderChosen) {
    CFindFileDlg plain(device.fs(), device.settings(), shell, documentIcons);
    auto* patterns = Control<QComboBox>(plain, IDC_FIND_PATTERN);
    EXPECT_EQ(Entries(patterns), QStringList({"*.exe", "*.psw", "*.pwi", "*.pxt"}));
    EXPECT_EQ(patterns->currentText(), "*.exe");
    auto* folders = Control<QComboBox>(plain, IDC_FIND_FOLDER);
    EXPECT_EQ(Entries(folders), QStringList({"\\", "\\My Documents", "\\Windows"}));
    EXPECT_EQ(folders->currentText(), "\\My Documents");
    EXPECT_EQ(Control<QLineEdit>(plain, IDC_FIND_TEXT)->maxLength(), 39);
    EXPECT_EQ(patterns->lineEdit()->maxLength(), 79);
    EXPECT_EQ(shell.inputPanelCalls, QList<bool>({true}));
    EXPECT_EQ(plain.icons().Count(), IconCache::kBuiltInCount);

    // The chosen storage card joins the list; a name sorting first takes position 1.
    TempDevice carded({QStringLiteral("Card")});
    carded.settings().SetProfileTextById(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD,
                                         QStringLiteral("Card"));
    CFindFileDlg withCard(carded.fs(), carded.settings(), shell, documentIcons);
    folders = Control<QComboBox>(withCard, IDC_FIND_FOLDER);
    EXPECT_EQ(Entries(folders), QStringList({"\\", "\\Card", "\\My Documents", "\\Windows"}));
    EXPECT_EQ(folders->currentText(), "\\Card");
}

TEST_F(FindFileDlgTest, ListsMatchingFilesDeepestFirstWithTheirFolders) {
    device.Make({"\\My Documents\\top.txt=x", "\\My Documents\\empty.txt",
                 "\\My Documents\\locked.txt=x", "\\My Documents\\named.txt\\",
                 "\\My Documents\\skip.doc=x", "\\My Documents\\a\\mid.txt=x",
                 "\\My Documents\\a\\b\\deep.TXT=x"});
    FaultyDeviceFs fs(device.fs());
    fs.FailWhen([](FaultyDeviceFs::Op op, const QString& path) {
        return op == FaultyDeviceFs::Op::OpenForRead && path.endsWith(QLatin1String("locked.txt"));
    });
    CFindFileDlg dialog(fs, device.settings(), shell, documentIcons);
    Search(dialog, QStringLiteral("*.txt"), QStringLiteral("\\My Documents"));

    QStringList rows = Rows(dialog);
    ASSERT_EQ(rows.size(), 5) << rows.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(rows[0], "deep.TXT|\\My Documents\\a\\b");
    EXPECT_EQ(rows[1], "mid.txt|\\My Documents\\a");
    // The folder named like the pattern is no result; the empty and the unreadable file are.
    QStringList top = rows.mid(2);
    top.sort();
    EXPECT_EQ(top, QStringList({"empty.txt|\\My Documents", "locked.txt|\\My Documents",
                                "top.txt|\\My Documents"}));
    EXPECT_EQ(dialog.ResultCount(), 5);
    EXPECT_EQ(Status(dialog), "找到 5 個檔案.");
    EXPECT_EQ(shell.inputPanelCalls, QList<bool>({true, false}));
    // Each result took a record of the dialog's own table; the document's stayed as it was.
    EXPECT_EQ(dialog.icons().Count(), IconCache::kBuiltInCount + 5);
    EXPECT_EQ(documentIcons.Count(), IconCache::kBuiltInCount);
    auto* list = Control<QTreeWidget>(dialog, IDC_FIND_RESULTS);
    EXPECT_FALSE(list->topLevelItem(0)->icon(0).isNull());

    // A second search starts afresh, and one finding nothing says so.
    Search(dialog, QStringLiteral("*.none"), QStringLiteral("\\My Documents"));
    EXPECT_TRUE(Rows(dialog).isEmpty());
    EXPECT_EQ(Status(dialog), "找到 0 個檔案.");
    EXPECT_EQ(dialog.icons().Count(), IconCache::kBuiltInCount);
}

TEST_F(FindFileDlgTest, TheTextIsLookedForInUtf16AndUtf8ContentIgnoringCase) {
    device.File(QStringLiteral("\\My Documents\\wide.txt"),
                "\xff\xfe" + Utf16(QStringLiteral("a note about the harbour")));
    device.File(QStringLiteral("\\My Documents\\narrow.txt"), "The HARBOUR at night");
    device.File(QStringLiteral("\\My Documents\\other.txt"), "the hills");
    CFindFileDlg dialog(device.fs(), device.settings(), shell, documentIcons);
    Search(dialog, QStringLiteral("*.txt"), QStringLiteral("\\My Documents"),
           QStringLiteral("Harbour"));
    QStringList rows = Rows(dialog);
    rows.sort();
    EXPECT_EQ(rows, QStringList({"narrow.txt|\\My Documents", "wide.txt|\\My Documents"}));
    EXPECT_EQ(Status(dialog), "找到 2 個檔案.");
}

TEST_F(FindFileDlgTest, StartButtonStopsARunningSearchWithTheResultsSoFar) {
    for (int i = 0; i < 6; ++i)
        device.File(QStringLiteral("\\My Documents\\f%1.txt").arg(i), "x");
    CFindFileDlg dialog(device.fs(), device.settings(), shell, documentIcons);
    auto* start = Control<QPushButton>(dialog, IDC_FIND_START);
    int typed = 0;
    shell.onType = [&] {
        EXPECT_TRUE(dialog.IsSearching());
        EXPECT_EQ(start->text(), "停止");
        if (++typed == 2) start->click();
    };
    Search(dialog, QStringLiteral("*.txt"), QStringLiteral("\\My Documents"));
    EXPECT_FALSE(dialog.IsSearching());
    EXPECT_EQ(Rows(dialog).size(), 2);
    EXPECT_EQ(Status(dialog), "找到 2 個檔案.");
    EXPECT_EQ(start->text(), "開始尋找");
}

TEST_F(FindFileDlgTest, ALongSearchStillTakesClicks) {
    for (int i = 0; i < 5; ++i)
        device.File(QStringLiteral("\\My Documents\\f%1.txt").arg(i), "x");
    CFindFileDlg dialog(device.fs(), device.settings(), shell, documentIcons);
    dialog.show();
    auto* start = Control<QPushButton>(dialog, IDC_FIND_START);
    // Each result is slow; a click waiting in the event queue is seen before the next one.
    shell.onType = [] { QThread::msleep(80); };
    QTimer::singleShot(0, start, [start] { start->click(); });
    Search(dialog, QStringLiteral("*.txt"), QStringLiteral("\\My Documents"));
    EXPECT_EQ(Rows(dialog).size(), 1);
    EXPECT_EQ(Status(dialog), "找到 1 個檔案.");
}

TEST_F(FindFileDlgTest, ClosingDuringASearchEndsItFirst) {
    for (int i = 0; i < 4; ++i)
        device.File(QStringLiteral("\\My Documents\\f%1.txt").arg(i), "x");
    CFindFileDlg dialog(device.fs(), device.settings(), shell, documentIcons);
    dialog.show();
    shell.onType = [&] {
        dialog.reject();
        // Still open: the search has to unwind before the dialog goes.
        EXPECT_TRUE(dialog.isVisible());
    };
    Search(dialog, QStringLiteral("*.txt"), QStringLiteral("\\My Documents"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(Rows(dialog).size(), 1);
}

class FindFilesCommandTest : public FrameTest {};

TEST_F(FindFilesCommandTest, OpensTheDialogOverTheFramesDevice) {
    device.Make({"\\Windows\\tool.exe=x", "\\Windows\\sub\\other.exe=y"});
    Open();
    QStringList rows;
    frame().SetDialogRunner([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QString::number(IDD_FIND_FILES));
        auto* folders = Control<QComboBox>(dialog, IDC_FIND_FOLDER);
        folders->setCurrentIndex(folders->findText(QStringLiteral("\\Windows")));
        Control<QPushButton>(dialog, IDC_FIND_START)->click();
        rows = Rows(dialog);
        Control<QPushButton>(dialog, IDOK)->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        return dialog.result();
    });
    EXPECT_TRUE(frame().OnCommand(ID_EDIT_FIND_FILES));
    EXPECT_EQ(rows, QStringList({"other.exe|\\Windows\\sub", "tool.exe|\\Windows"}));
}

}  // namespace
