#include <QAbstractItemView>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include "fileops/clipboard_transfer.h"
#include "fileops/confirm_dlg.h"
#include "fileops/paste_sources.h"
#include "platform/file_attributes.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"

namespace {

class EditCommandTest : public FrameTest {
protected:
    EditCommandTest() { shell.device = &device.fs(); }
    ~EditCommandTest() override { QGuiApplication::clipboard()->clear(); }

    void ShowFolder(const QString& folder) {
        frame().SetCurrentFolder(folder, true);
        Settle();
    }
    void Command(int id) {
        frame().OnCommand(id);
        Settle();
    }
    QStringList SelectedNames() {
        QStringList names;
        for (int row : list().GetSelectedRows())
            names.append(list().Item(row)->name);
        return names;
    }
    bool HasOffer() {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data && data->hasFormat(CMainFrame::ClipboardFormat());
    }
};

class ConfirmDlgTest : public FrameTest {
protected:
    // Shows the prepared dialog without a modal loop and returns its answer after the action.
    ConfirmAnswer Answer(CConfirmDlg& dialog, const std::function<void()>& action) {
        dialog.Prepare();
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        action();
        Settle();
        EXPECT_FALSE(dialog.isVisible());
        return dialog.answer();
    }
    static QString Text(QWidget& dialog, int id) {
        return dialog.findChild<QLabel*>(QString::number(id))->text();
    }
    static QPushButton* Button(QWidget& dialog, int id) {
        return dialog.findChild<QPushButton*>(QString::number(id));
    }
};

}  // namespace

// Into the same folder a copy is numbered and stays on offer; a cut is refused and consumed.
TEST_F(EditCommandTest, CopyIntoTheSameFolderIsNumberedAndACutThereRefused) {
    device.Make({"\\My Documents\\a.txt=a"});
    Open();
    SelectNames({"a.txt"});
    Command(ID_EDIT_COPY);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    // Other programs get the host file.
    const QString host = device.fs().HostPath("\\My Documents\\a.txt");
    EXPECT_EQ(data->urls(), QList<QUrl>({QUrl::fromLocalFile(host)}));
    EXPECT_EQ(data->data("x-special/gnome-copied-files"),
              "copy\n" + QUrl::fromLocalFile(host).toEncoded());
    // Our own list also names the items exactly, "+" and all.
    EXPECT_EQ(data->data(kExactItemsFormat), EncodeExactItems("\\My Documents", {"a.txt"}));
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(device.Read("\\My Documents\\a(2).txt"), "a");
    EXPECT_GE(list().FindRowByName("a(2).txt"), 0);
    EXPECT_TRUE(HasOffer());
    EXPECT_TRUE(prompt.messages.isEmpty());

    SelectNames({"a.txt"});
    Command(ID_EDIT_CUT);
    EXPECT_TRUE(frame().cutMark());
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE_SHORTCUT));
    EXPECT_EQ(
        QGuiApplication::clipboard()->mimeData()->data("x-special/gnome-copied-files").left(4),
        "cut\n");
    Command(ID_EDIT_PASTE);
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_SAME_SOURCE_AND_DESTINATION}));
    EXPECT_EQ(prompt.messages[0].captionId, IDS_MOVE_FAILED);
    EXPECT_EQ(prompt.messages[0].style, MessageStyle::Stop);
    EXPECT_EQ(device.List("\\My Documents"), QStringList({"a(2).txt", "a.txt"}));
    EXPECT_FALSE(HasOffer());
    EXPECT_FALSE(frame().cutMark());
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
}

// The answers are core rules; here a replaced row is refreshed, not repeated, and with
// nothing selected before, the pasted rows are.
TEST_F(EditCommandTest, ReplacedRowsAreRefreshedAndPastedRowsSelected) {
    device.Make({"\\S\\a.txt=new a", "\\S\\b.txt=b", "\\My Documents\\a.txt=old a"});
    Open();
    ShowFolder("\\S");
    SelectNames({"a.txt", "b.txt"});
    Command(ID_EDIT_COPY);
    ShowFolder("\\My Documents");
    list().SelectRows(SelectMode::None);
    prompt.confirmAnswers = {ConfirmAnswer::Yes};
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(device.Read("\\My Documents\\a.txt"), "new a");
    EXPECT_EQ(RowNames(), QStringList({"a.txt", "b.txt"}));
    EXPECT_EQ(SelectedNames(), QStringList({"a.txt", "b.txt"}));
}

// Files other file managers copy or cut, from the device or from outside it, and files
// dropped from other programs (Shift moves).
TEST_F(EditCommandTest, FilesOfOtherProgramsArePastedAndDropped) {
    device.Make({"\\S\\a.txt=a", "\\S\\b.txt=b", "\\My Documents\\"});
    const QString outside = device.BaseDir() + "/o.txt";
    QFile file(outside);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("o") == 1);
    file.close();
    auto url = [&](const QString& path) { return QUrl::fromLocalFile(device.fs().HostPath(path)); };
    Open();
    ShowFolder("\\My Documents");
    auto* data = new QMimeData;
    data->setData("x-special/gnome-copied-files", "cut\n" + url("\\S\\a.txt").toEncoded());
    QGuiApplication::clipboard()->setMimeData(data);
    Command(ID_EDIT_PASTE);
    EXPECT_FALSE(device.Exists("\\S\\a.txt"));
    EXPECT_EQ(device.Read("\\My Documents\\a.txt"), "a");

    data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(outside)});
    QGuiApplication::clipboard()->setMimeData(data);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(device.Read("\\My Documents\\o.txt"), "o");
    EXPECT_TRUE(QFile::exists(outside));

    QMimeData dropped;
    dropped.setUrls({url("\\S\\b.txt")});
    QWidget* viewport = list().ActiveView()->viewport();
    const QPoint point(2, viewport->height() - 2);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    // A drop reaches the widget that accepted the drag's entry.
    QDragEnterEvent enter(point, actions, &dropped, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    EXPECT_EQ(enter.dropAction(), Qt::MoveAction);
    QDropEvent drop(point, actions, &dropped, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(viewport, &drop);
    Settle();
    EXPECT_FALSE(device.Exists("\\S\\b.txt"));
    EXPECT_EQ(device.Read("\\My Documents\\b.txt"), "b");
    EXPECT_TRUE(prompt.messages.isEmpty());
}

TEST_F(EditCommandTest, ShortcutsAfterACutKeepTheSourcesAndNumberTheSecond) {
    device.Make({"\\S\\a.txt=a"});
    Open();
    ShowFolder("\\S");
    SelectNames({"a.txt"});
    Command(ID_EDIT_CUT);
    ShowFolder("\\My Documents");
    // The menu offers no shortcut after a cut; the operation itself still consumes the cut.
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE_SHORTCUT));
    ClipboardTransfer::PasteShortcut(frame());
    Settle();
    EXPECT_TRUE(device.Exists("\\S\\a.txt"));
    EXPECT_TRUE(device.Exists("\\My Documents\\a.txt.lnk"));
    EXPECT_EQ(shell.createdShortcuts.value(0).second, "\"\\S\\a.txt\"");
    EXPECT_FALSE(HasOffer());

    ShowFolder("\\S");
    SelectNames({"a.txt"});
    Command(ID_EDIT_COPY);
    ShowFolder("\\My Documents");
    Command(ID_EDIT_PASTE_SHORTCUT);
    EXPECT_TRUE(device.Exists("\\My Documents\\a.txt(2).lnk"));
}

// From the tree, copy names the current folder inside its parent; which sources are refused
// is a core rule, here what the folder's copy left out is named in one summary.
TEST_F(EditCommandTest, TheTreeFolderIsCopiedAndWhatItLeftOutNamedAfterThePaste) {
    device.Make({"\\S\\F\\r3.txt=3", "\\S\\F\\f.txt=f"});
    device.SetRawAttributes("\\S\\F\\r3.txt", Attr::kInRom);
    Open();
    ShowFolder("\\S\\F");
    FocusTree();
    Command(ID_EDIT_COPY);
    ShowFolder("\\My Documents");
    Command(ID_EDIT_PASTE);
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_ITEMS_LEFT_OUT}));
    EXPECT_EQ(prompt.messages[0].text, "下列項目沒有被處理 :\n\\S\\F\\r3.txt");
    EXPECT_EQ(device.List("\\My Documents\\F"), QStringList({"f.txt"}));
}

// The rules are core tests; here the command reaches the bin and the list follows.
TEST_F(EditCommandTest, ThreeFilesGoIntoTheBinAfterOneYesToAll) {
    device.Make({"\\My Documents\\a.txt=a", "\\My Documents\\b.txt=b", "\\My Documents\\c.txt=c",
                 "\\My Documents\\keep.txt=k"});
    OpenWithDocument();
    SelectNames({"a.txt", "b.txt", "c.txt"});
    prompt.confirmAnswers = {ConfirmAnswer::YesToAll};
    Command(ID_EDIT_DELETE);
    EXPECT_EQ(prompt.confirms.size(), 1);
    EXPECT_EQ(RowNames(), QStringList({"keep.txt"}));
    EXPECT_EQ(fileDoc->bin().entries().size(), 3);
    EXPECT_EQ(device.List("\\My Documents"), QStringList({"keep.txt"}));
}

TEST_F(EditCommandTest, TheTreeFolderIsAskedByPathAndItsParentShownAfter) {
    device.Make({"\\My Documents\\Old\\x.txt=x", "\\My Documents\\y.txt=y"});
    Open();
    ShowFolder("\\My Documents\\Old");
    FocusTree();
    prompt.messageAnswers = {MessageAnswer::Yes};
    Command(ID_EDIT_DELETE);
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_CONFIRM_DELETE_FOLDER}));
    EXPECT_EQ(prompt.messages[0].text, "你是否要刪除資料匣 - '\\My Documents\\Old' ?");
    EXPECT_FALSE(device.Exists("\\My Documents\\Old"));
    EXPECT_EQ(frame().GetCurrentFolder(), "\\My Documents");
    EXPECT_EQ(RowNames(), QStringList({"y.txt"}));
}

TEST_F(ConfirmDlgTest, KeysAndButtonsGiveTheFourAnswers) {
    CConfirmDlg dialog(IDD_CONFIRM, device.fs());
    dialog.SetMessage("你是否要刪除 'a.txt' ?");
    EXPECT_EQ(Answer(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); }), ConfirmAnswer::Yes);
    EXPECT_EQ(Text(dialog, IDC_CONFIRM_MESSAGE), "你是否要刪除 'a.txt' ?");
    EXPECT_EQ(Answer(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }), ConfirmAnswer::Cancel);
    EXPECT_EQ(Answer(dialog, [&] { Button(dialog, IDNO)->click(); }), ConfirmAnswer::No);
    EXPECT_EQ(Answer(dialog, [&] { Button(dialog, IDC_CONFIRM_ALL)->click(); }),
              ConfirmAnswer::YesToAll);
    EXPECT_EQ(Answer(dialog, [&] { dialog.close(); }), ConfirmAnswer::Cancel);
}

TEST_F(ConfirmDlgTest, ReplacementShowsBothFilesSizes) {
    device.Make({"\\old.txt#1024", "\\new.txt#1023"});
    CConfirmDlg dialog(IDD_CONFIRM_REPLACE, device.fs());
    dialog.SetExistingFile("\\old.txt");
    dialog.SetNewFile("\\new.txt", QIcon());
    Answer(dialog, [&] { Button(dialog, IDOK)->click(); });
    EXPECT_EQ(Text(dialog, IDC_EXISTING_SIZE), "1KB");
    EXPECT_EQ(Text(dialog, IDC_NEW_SIZE), "1,023B");
    EXPECT_TRUE(Text(dialog, IDC_EXISTING_DATE).contains("  "));
}
