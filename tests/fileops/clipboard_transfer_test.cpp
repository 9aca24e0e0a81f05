#include <QAbstractItemView>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

#include "fileops/clipboard_payload.h"
#include "fileops/clipboard_transfer.h"
#include "platform/file_attributes.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"

namespace {

class ClipboardTest : public FrameTest {
protected:
    ClipboardTest() { shell.device = &device.fs(); }
    ~ClipboardTest() override { QGuiApplication::clipboard()->clear(); }

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

}  // namespace

TEST_F(ClipboardTest, CopiesIntoTheSameFolderTakeNumberedNames) {
    device.Make({"\\My Documents\\a.txt=a"});
    Open();
    SelectNames({"a.txt"});
    Command(ID_EDIT_COPY);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    const auto payload = DecodeClipboardPayload(data->data(CMainFrame::ClipboardFormat()));
    ASSERT_TRUE(payload);
    EXPECT_EQ(payload->folder, "\\My Documents");
    EXPECT_EQ(payload->names, QStringList({"a.txt"}));
    // Other programs get the host file.
    const QString host = device.fs().HostPath("\\My Documents\\a.txt");
    EXPECT_EQ(data->urls(), QList<QUrl>({QUrl::fromLocalFile(host)}));
    EXPECT_EQ(data->data("x-special/gnome-copied-files"),
              "copy\n" + QUrl::fromLocalFile(host).toEncoded());

    Command(ID_EDIT_PASTE);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(device.Read("\\My Documents\\a(2).txt"), "a");
    EXPECT_EQ(device.Read("\\My Documents\\a(3).txt"), "a");
    EXPECT_GE(list().FindRowByName("a(3).txt"), 0);
    EXPECT_TRUE(HasOffer());  // a copy can be pasted again
    EXPECT_TRUE(prompt.messages.isEmpty());
}

TEST_F(ClipboardTest, CutIntoTheSameFolderIsRefusedAndConsumed) {
    device.Make({"\\My Documents\\a.txt=a"});
    Open();
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
    EXPECT_EQ(device.List("\\My Documents"), QStringList({"a.txt"}));
    EXPECT_FALSE(HasOffer());
    EXPECT_FALSE(frame().cutMark());
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
}

TEST_F(ClipboardTest, YesToAllReplacesLaterFilesAndMergesFolders) {
    device.Make({"\\S\\a.txt=new a", "\\S\\b.txt=new b", "\\S\\F\\x.txt=new x",
                 "\\My Documents\\a.txt=old a", "\\My Documents\\b.txt=old b",
                 "\\My Documents\\F\\x.txt=old x", "\\My Documents\\F\\y.txt=old y"});
    Open();
    ShowFolder("\\S");
    SelectNames({"a.txt", "b.txt", "F"});
    Command(ID_EDIT_COPY);
    ShowFolder("\\My Documents");
    list().SelectRows(SelectMode::None);
    prompt.confirmAnswers = {ConfirmAnswer::YesToAll};
    Command(ID_EDIT_PASTE);
    // Folders come first in the list, so the folder is asked about, once for everything.
    ASSERT_EQ(prompt.confirms.size(), 1);
    EXPECT_EQ(prompt.confirms[0].text,
              "這個資料匣內已經有和 'F' 相同的子資料匣. \n你是否要取代這個相同的資料匣 ?");
    EXPECT_EQ(device.Read("\\My Documents\\a.txt"), "new a");
    EXPECT_EQ(device.Read("\\My Documents\\b.txt"), "new b");
    EXPECT_EQ(device.Read("\\My Documents\\F\\x.txt"), "new x");
    EXPECT_EQ(device.Read("\\My Documents\\F\\y.txt"), "old y");
    // Nothing was selected before: the pasted rows are.
    EXPECT_EQ(SelectedNames(), QStringList({"F", "a.txt", "b.txt"}));
}

TEST_F(ClipboardTest, NamesAndFoldersWithAPlusArriveWhole) {
    device.Make({"\\S\\a+b.txt=plus", "\\S\\b.txt=other", "\\C++\\x.txt=c++", "\\C\\x.txt=c"});
    Open();
    ShowFolder("\\S");
    SelectNames({"a+b.txt"});
    Command(ID_EDIT_COPY);
    ShowFolder("\\My Documents");
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(device.Read("\\My Documents\\a+b.txt"), "plus");
    EXPECT_FALSE(device.Exists("\\My Documents\\b.txt"));

    // A cut from a folder whose name holds "+" moves the very file selected.
    ShowFolder("\\C++");
    SelectNames({"x.txt"});
    Command(ID_EDIT_CUT);
    ShowFolder("\\My Documents");
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(device.Read("\\My Documents\\x.txt"), "c++");
    EXPECT_FALSE(device.Exists("\\C++\\x.txt"));
    EXPECT_EQ(device.Read("\\C\\x.txt"), "c");

    // A list from elsewhere, without the exact items, splits as it always did.
    auto* data = new QMimeData;
    data->setData(CMainFrame::ClipboardFormat(), EncodeClipboardPayload({"\\S", {"a", "b.txt"}}));
    QGuiApplication::clipboard()->setMimeData(data);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(device.Read("\\My Documents\\b.txt"), "other");
}

// Files other file managers copy or cut, from the device or from outside it, and files
// dropped from other programs (Shift moves).
TEST_F(ClipboardTest, FilesOfOtherProgramsArePastedAndDropped) {
    device.Make({"\\S\\a.txt=a", "\\S\\b.txt=b", "\\My Documents\\"});
    QFile outside(device.BaseDir() + "/o.txt");
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly) && outside.write("o") == 1);
    outside.close();
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
    data->setUrls({QUrl::fromLocalFile(outside.fileName())});
    QGuiApplication::clipboard()->setMimeData(data);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(device.Read("\\My Documents\\o.txt"), "o");
    EXPECT_TRUE(outside.exists());

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

TEST_F(ClipboardTest, ShortcutsAfterACutKeepTheSourcesAndNumberTheSecond) {
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
    EXPECT_GE(list().FindRowByName("a.txt(2).lnk"), 0);
}

// ROM sources get message IDS_CANNOT_COPY_ROM_FILE once; what a folder's copy left out is named in
// one summary.
TEST_F(ClipboardTest, RomSourcesAreReportedOnceAndWhatAFolderLeftOutAfterwards) {
    device.Make({"\\S\\r1.txt=1", "\\S\\r2.txt=2", "\\S\\ok.txt=ok", "\\S\\F\\r3.txt=3",
                 "\\S\\F\\f.txt=f"});
    for (const char* rom : {"\\S\\r1.txt", "\\S\\r2.txt", "\\S\\F\\r3.txt"})
        device.SetRawAttributes(rom, Attr::kInRom);
    device.settings().SetProfileIntById(IDS_SECTION_FILEVIEW, IDS_KEY_HIDE_ROM_FILE, 0);
    Open();
    ShowFolder("\\S");
    SelectNames({"r1.txt", "r2.txt", "ok.txt", "F"});
    Command(ID_EDIT_COPY);
    ShowFolder("\\My Documents");
    Command(ID_EDIT_PASTE);
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_CANNOT_COPY_ROM_FILE, IDS_ITEMS_LEFT_OUT}));
    EXPECT_EQ(prompt.messages[0].text, "無法複製放在唯讀記憶體中的檔案 !\n\\S\\r1.txt");
    EXPECT_EQ(prompt.messages[1].text, "下列項目沒有被處理 :\n\\S\\F\\r3.txt");
    EXPECT_EQ(device.List("\\My Documents"), QStringList({"F\\", "ok.txt"}));
    EXPECT_EQ(device.List("\\My Documents\\F"), QStringList({"f.txt"}));
}

// From the tree, copy names the current folder inside its parent.
TEST_F(ClipboardTest, TheTreeFolderCanBeCopied) {
    device.Make({"\\S\\Sub\\y.txt=y"});
    Open();
    ShowFolder("\\S\\Sub");
    FocusTree();
    Command(ID_EDIT_COPY);
    const auto payload = DecodeClipboardPayload(
        QGuiApplication::clipboard()->mimeData()->data(CMainFrame::ClipboardFormat()));
    ASSERT_TRUE(payload);
    EXPECT_EQ(payload->folder, "\\S");
    EXPECT_EQ(payload->names, QStringList({"Sub"}));
    ShowFolder("\\My Documents");
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(device.Read("\\My Documents\\Sub\\y.txt"), "y");
}

