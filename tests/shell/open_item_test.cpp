#include "shell/open_item.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"

namespace {

class OpenItemTest : public FrameTest {
protected:
    void OpenByName(const QString& name) {
        list().OpenRow(list().FindRowByName(name));
        Settle();
    }
};

TEST_F(OpenItemTest, AFolderRowIsEntered) {
    device.Make({"\\My Documents\\Sub\\inner.txt=i"});
    Open();
    OpenByName(QStringLiteral("Sub"));
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\My Documents\\Sub"));
    EXPECT_EQ(tree().GetSelectedText(), QStringLiteral("Sub"));
    EXPECT_EQ(RowNames(), QStringList({"inner.txt"}));
    EXPECT_TRUE(shell.openedFiles.isEmpty());
}

TEST_F(OpenItemTest, FilesGoToTheShellAndFailuresNameTheFile) {
    device.Make({"\\My Documents\\a.txt=a", "\\My Documents\\b.zzz=b"});
    Open();
    OpenByName(QStringLiteral("a.txt"));
    EXPECT_EQ(shell.openedFiles, QStringList({"\\My Documents\\a.txt"}));
    EXPECT_TRUE(prompt.messages.isEmpty());

    shell.openSucceeds = false;
    OpenByName(QStringLiteral("a.txt"));
    ASSERT_EQ(prompt.messages.size(), 1);
    EXPECT_EQ(prompt.messages[0].textId, IDS_FILE_NOT_FOUND);
    EXPECT_EQ(prompt.messages[0].text,
              QStringLiteral("找不到 \"a.txt\".\n請確定路徑名稱和檔案名稱是否正確."));
    EXPECT_EQ(prompt.messages[0].style, MB_ICONSTOP);

    // A type the shell does not know: no association. The row was shown, so it is typed.
    OpenByName(QStringLiteral("b.zzz"));
    ASSERT_EQ(prompt.messages.size(), 2);
    EXPECT_EQ(prompt.messages[1].textId, IDS_NO_ASSOCIATION);
    EXPECT_TRUE(prompt.messages[1].text.startsWith(
        QStringLiteral("\"b.zzz\" 這個檔案並沒有設定任何關聯, 無法開啟.\n")));
}

TEST_F(OpenItemTest, AVanishedEntryIsSilentlyIgnored) {
    device.Make({"\\My Documents\\a.txt=a"});
    Open();
    ASSERT_TRUE(device.fs().DeleteFile(QStringLiteral("\\My Documents\\a.txt")));
    OpenByName(QStringLiteral("a.txt"));
    EXPECT_TRUE(shell.openedFiles.isEmpty());
    EXPECT_TRUE(prompt.messages.isEmpty());
}

TEST_F(OpenItemTest, ShortcutsToFoldersEnterThemQuotedOrCutAtTheFirstSpace) {
    device.Make({"\\My Documents\\q.lnk=1", "\\My Documents\\u.lnk=1", "\\Program Files\\"});
    shell.shortcuts.insert(QStringLiteral("\\My Documents\\q.lnk"),
                           QStringLiteral("\"\\Program Files\" -x"));
    shell.shortcuts.insert(QStringLiteral("\\My Documents\\u.lnk"),
                           QStringLiteral("\\Program Files"));
    Open();
    OpenByName(QStringLiteral("u.lnk"));
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\My Documents"));
    ASSERT_EQ(prompt.messages.size(), 1);
    EXPECT_EQ(prompt.messages[0].textId, IDS_FILE_NOT_FOUND);
    EXPECT_TRUE(prompt.messages[0].text.startsWith(QStringLiteral("找不到 \"Program\".")));

    OpenByName(QStringLiteral("q.lnk"));
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\Program Files"));
    EXPECT_TRUE(shell.openedFiles.isEmpty());
}

TEST_F(OpenItemTest, ShortcutsToFilesOpenTheShortcutAndBrokenOnesNameTheTarget) {
    device.Make({"\\My Documents\\doc.lnk=1", "\\My Documents\\gone.lnk=1", "\\Temp\\t.txt=t"});
    shell.shortcuts.insert(QStringLiteral("\\My Documents\\doc.lnk"),
                           QStringLiteral("\"\\Temp\\t.txt\""));
    shell.shortcuts.insert(QStringLiteral("\\My Documents\\gone.lnk"),
                           QStringLiteral("\"\\Temp\\missing.txt\""));
    Open();
    OpenByName(QStringLiteral("doc.lnk"));
    EXPECT_EQ(shell.openedFiles, QStringList({"\\My Documents\\doc.lnk"}));
    OpenByName(QStringLiteral("gone.lnk"));
    EXPECT_EQ(shell.openedFiles.size(), 1);
    ASSERT_EQ(prompt.messages.size(), 1);
    EXPECT_TRUE(prompt.messages[0].text.startsWith(QStringLiteral("找不到 \"missing.txt\".")));
}

}  // namespace
