#include "resources/ids.h"
#include "shell/frame_fixture.h"

// Opening a row, and handing the selected file to the transfer services.
namespace {

class OpenItemTest : public FrameTest {
protected:
    void OpenByName(const QString& name) {
        list().OpenRow(list().FindRowByName(name));
        Settle();
    }
};

TEST_F(OpenItemTest, FoldersAreEnteredAndFilesGoToTheShell) {
    device.Make({"\\My Documents\\Sub\\inner.txt=i", "\\My Documents\\a.txt=a",
                 "\\My Documents\\b.zzz=b", "\\My Documents\\gone.txt=g"});
    Open();
    OpenByName(QStringLiteral("a.txt"));
    EXPECT_EQ(shell.openedFiles, QStringList({"\\My Documents\\a.txt"}));
    // An entry that vanished is ignored without a word.
    ASSERT_TRUE(device.fs().DeleteFile(QStringLiteral("\\My Documents\\gone.txt")));
    OpenByName(QStringLiteral("gone.txt"));
    EXPECT_EQ(shell.openedFiles.size(), 1);

    shell.openSucceeds = false;
    OpenByName(QStringLiteral("a.txt"));
    // A type the shell does not know: no association. The row was shown, so it is typed.
    OpenByName(QStringLiteral("b.zzz"));
    EXPECT_EQ(prompt.MessageIds(), QList<int>({IDS_FILE_NOT_FOUND, IDS_NO_ASSOCIATION}));
    EXPECT_TRUE(prompt.messages[0].text.contains(QStringLiteral("\"a.txt\"")));

    OpenByName(QStringLiteral("Sub"));
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\My Documents\\Sub"));
    EXPECT_EQ(RowNames(), QStringList({"inner.txt"}));
}

TEST_F(OpenItemTest, ShortcutsEnterFoldersOpenFilesAndNameABrokenTarget) {
    device.Make({"\\My Documents\\q.lnk=1", "\\My Documents\\u.lnk=1", "\\Program Files\\",
                 "\\My Documents\\doc.lnk=1", "\\My Documents\\gone.lnk=1", "\\Temp\\t.txt=t"});
    shell.shortcuts.insert(QStringLiteral("\\My Documents\\q.lnk"),
                           QStringLiteral("\"\\Program Files\" -x"));
    // Unquoted, the target ends at the first space.
    shell.shortcuts.insert(QStringLiteral("\\My Documents\\u.lnk"),
                           QStringLiteral("\\Program Files"));
    shell.shortcuts.insert(QStringLiteral("\\My Documents\\doc.lnk"),
                           QStringLiteral("\"\\Temp\\t.txt\""));
    shell.shortcuts.insert(QStringLiteral("\\My Documents\\gone.lnk"),
                           QStringLiteral("\"\\Temp\\missing.txt\""));
    Open();
    OpenByName(QStringLiteral("doc.lnk"));
    EXPECT_EQ(shell.openedFiles, QStringList({"\\My Documents\\doc.lnk"}));
    OpenByName(QStringLiteral("gone.lnk"));
    OpenByName(QStringLiteral("u.lnk"));
    EXPECT_EQ(shell.openedFiles.size(), 1);
    EXPECT_EQ(prompt.MessageIds(), QList<int>({IDS_FILE_NOT_FOUND, IDS_FILE_NOT_FOUND}));
    EXPECT_TRUE(prompt.messages[0].text.contains(QStringLiteral("\"missing.txt\"")));
    EXPECT_TRUE(prompt.messages[1].text.contains(QStringLiteral("\"Program\"")));

    OpenByName(QStringLiteral("q.lnk"));
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\Program Files"));
}

TEST_F(OpenItemTest, SendAndReceiveUseTheSelectedFileAndTheCurrentFolder) {
    device.Make({"\\My Documents\\a.txt=a", "\\My Documents\\b.txt=b"});
    Open();
    SelectNames({"a.txt"});
    EXPECT_TRUE(frame().OnCommand(ID_FILE_SEND_MAIL));
    EXPECT_TRUE(frame().OnCommand(ID_FILE_SEND_INFRARED));
    EXPECT_EQ(shell.mailed, QStringList({"\\My Documents\\a.txt"}));
    EXPECT_EQ(shell.sentOverLink, QStringList({"\\My Documents\\a.txt"}));
    // A failed start is the platform's to report.
    shell.transferStarts = false;
    EXPECT_TRUE(frame().OnCommand(ID_FILE_SEND_MAIL));
    EXPECT_TRUE(prompt.messages.isEmpty());

    // What arrives shows after the next refresh, not before.
    const QStringList before = RowNames();
    EXPECT_TRUE(frame().OnCommand(ID_FILE_RECEIVE_INFRARED));
    EXPECT_EQ(shell.receivedInto, QStringList({"\\My Documents"}));
    device.File(QStringLiteral("\\My Documents\\arrived.txt"), "x");
    Settle();
    EXPECT_EQ(RowNames(), before);
}

}  // namespace
