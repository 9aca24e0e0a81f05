#include <QClipboard>
#include <QMimeData>
#include <QUrl>

#include "fileops/clipboard_payload.h"
#include "fileops/clipboard_transfer.h"
#include "platform/file_attributes.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"

// The paste rules are core tests (transfer_items_test.cpp); these check what the commands
// put on the clipboard, take from it and report.
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
    bool HasOffer() {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data && data->hasFormat(CMainFrame::ClipboardFormat());
    }
    std::optional<ClipboardPayload> Payload() {
        return DecodeClipboardPayload(
            QGuiApplication::clipboard()->mimeData()->data(CMainFrame::ClipboardFormat()));
    }
};

}  // namespace

TEST_F(ClipboardTest, CopyOffersTheNamesAndTheHostFilesAndPastesAsOftenAsAsked) {
    device.Make({"\\My Documents\\a.txt=a"});
    Open();
    SelectNames({"a.txt"});
    Command(ID_EDIT_COPY);
    ASSERT_TRUE(Payload());
    EXPECT_EQ(Payload()->folder, "\\My Documents");
    EXPECT_EQ(Payload()->names, QStringList({"a.txt"}));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QUrl host = QUrl::fromLocalFile(device.fs().HostPath("\\My Documents\\a.txt"));
    EXPECT_EQ(data->urls(), QList<QUrl>({host}));
    EXPECT_EQ(data->data("x-special/gnome-copied-files"), "copy\n" + host.toEncoded());

    Command(ID_EDIT_PASTE);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(device.Read("\\My Documents\\a(3).txt"), "a");
    EXPECT_GE(list().FindRowByName("a(3).txt"), 0);
    EXPECT_TRUE(HasOffer());
}

// A cut is consumed by its paste, whatever became of it; a pasted row is selected.
TEST_F(ClipboardTest, CutAndPasteMovesOnceAndTheTreeFolderCanBeCopied) {
    device.Make({"\\S\\a.txt=a", "\\S\\b.txt=b", "\\S\\Sub\\y.txt=y"});
    Open();
    ShowFolder("\\S");
    SelectNames({"a.txt"});
    Command(ID_EDIT_CUT);
    EXPECT_TRUE(frame().cutMark());
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE_SHORTCUT));
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(prompt.MessageIds(), QList<int>({IDS_SAME_SOURCE_AND_DESTINATION}));
    EXPECT_FALSE(HasOffer());
    EXPECT_FALSE(frame().cutMark());

    SelectNames({"a.txt"});
    Command(ID_EDIT_CUT);
    ShowFolder("\\My Documents");
    Command(ID_EDIT_PASTE);
    EXPECT_FALSE(device.Exists("\\S\\a.txt"));
    EXPECT_EQ(device.Read("\\My Documents\\a.txt"), "a");
    EXPECT_EQ(list().GetSelectedRows(), QList<int>({list().FindRowByName("a.txt")}));
    EXPECT_FALSE(HasOffer());

    // From the tree, copy names the current folder inside its parent.
    ShowFolder("\\S\\Sub");
    FocusTree();
    Command(ID_EDIT_COPY);
    ASSERT_TRUE(Payload());
    EXPECT_EQ(Payload()->folder, "\\S");
    EXPECT_EQ(Payload()->names, QStringList({"Sub"}));
}

TEST_F(ClipboardTest, ShortcutsAfterACutKeepTheSourcesAndNumberTheSecond) {
    device.Make({"\\S\\a.txt=a"});
    Open();
    ShowFolder("\\S");
    SelectNames({"a.txt"});
    Command(ID_EDIT_CUT);
    ShowFolder("\\My Documents");
    // The menu offers no shortcut after a cut; the operation itself still consumes the cut.
    ClipboardTransfer::PasteShortcut(frame());
    Settle();
    EXPECT_TRUE(device.Exists("\\S\\a.txt"));
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

// What a folder's copy left out is named in one summary after the run's own messages.
TEST_F(ClipboardTest, WhatAFolderLeftOutIsNamedAfterwards) {
    device.Make({"\\S\\r1.txt=1", "\\S\\F\\r3.txt=3", "\\S\\F\\f.txt=f"});
    for (const char* rom : {"\\S\\r1.txt", "\\S\\F\\r3.txt"})
        device.SetRawAttributes(rom, Attr::kInRom);
    device.settings().SetProfileIntById(IDS_SECTION_FILEVIEW, IDS_KEY_HIDE_ROM_FILE, 0);
    Open();
    ShowFolder("\\S");
    SelectNames({"r1.txt", "F"});
    Command(ID_EDIT_COPY);
    ShowFolder("\\My Documents");
    Command(ID_EDIT_PASTE);
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_CANNOT_COPY_ROM_FILE, IDS_ITEMS_LEFT_OUT}));
    EXPECT_EQ(prompt.messages[1].text, "下列項目沒有被處理 :\n\\S\\F\\r3.txt");
}
