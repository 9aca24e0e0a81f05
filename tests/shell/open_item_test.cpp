#include "shell/open_item.h"

#include <sys/stat.h>

#include <QFile>

#include "platform/desktop_shell_services.h"
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

TEST_F(OpenItemTest, AFolderRowIsEntered) {
    device.Make({"\\My Documents\\Sub\\inner.txt=i"});
    Open();
    OpenByName(QStringLiteral("Sub"));
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\My Documents\\Sub"));
    EXPECT_EQ(tree().GetSelectedText(), QStringLiteral("Sub"));
    EXPECT_EQ(RowNames(), QStringList({"inner.txt"}));
    EXPECT_TRUE(shell.openedFiles.isEmpty());
}

// What the shell says of a file decides the message; a program runs only after a Yes.
TEST_F(OpenItemTest, EachOpenResultGivesItsOwnMessage) {
    struct Case {
        const char* name;
        std::optional<OpenResult> result;  // none: by the fake's table of types
        MessageAnswer answer;
        QList<int> messages;
        bool ran;
    };
    const Case cases[] = {
        {"a.txt", std::nullopt, MessageAnswer::Ok, {}, false},
        {"b.zzz", std::nullopt, MessageAnswer::Ok, {IDS_NO_ASSOCIATION}, false},
        {"tool", OpenResult::Program, MessageAnswer::Yes, {IDS_CONFIRM_RUN_PROGRAM}, true},
        {"tool", OpenResult::Program, MessageAnswer::No, {IDS_CONFIRM_RUN_PROGRAM}, false},
        {"pic.jpg", OpenResult::NoApplication, MessageAnswer::Ok, {IDS_NO_ASSOCIATION}, false},
        {"late.txt", OpenResult::Gone, MessageAnswer::Ok, {IDS_FILE_NOT_FOUND}, false},
        {"bad.txt", OpenResult::Failed, MessageAnswer::Ok, {IDS_CANNOT_OPEN_FILE}, false},
    };
    device.Make({"\\My Documents\\a.txt=a", "\\My Documents\\b.zzz=b", "\\My Documents\\tool=t",
                 "\\My Documents\\pic.jpg=p", "\\My Documents\\late.txt=l",
                 "\\My Documents\\bad.txt=x"});
    Open();
    for (const Case& c : cases) {
        const QString path = QStringLiteral("\\My Documents\\") + c.name;
        shell.openResults.remove(path);
        if (c.result) shell.openResults.insert(path, *c.result);
        prompt.messages.clear();
        prompt.messageAnswers = {c.answer};
        shell.ranPrograms.clear();
        OpenByName(c.name);
        EXPECT_EQ(shell.openedFiles.last(), path);
        EXPECT_EQ(prompt.MessageIds(), c.messages) << c.name;
        EXPECT_EQ(shell.ranPrograms.size(), c.ran ? 1 : 0) << c.name;
    }
    EXPECT_EQ(prompt.messages.size(), 1);
    EXPECT_EQ(prompt.messages[0].text, QStringLiteral("無法開啟這個檔案 !"));
    OpenByName(QStringLiteral("tool"));
    EXPECT_EQ(prompt.messages.last().text,
              QStringLiteral("'tool' 是一個程式.\n你是否要執行他 ?"));
    EXPECT_EQ(prompt.messages.last().style, MessageStyle::YesNoQuestion);
}

TEST_F(OpenItemTest, AVanishedEntryIsSilentlyIgnored) {
    device.Make({"\\My Documents\\a.txt=a"});
    Open();
    ASSERT_TRUE(device.fs().DeleteFile(QStringLiteral("\\My Documents\\a.txt")));
    OpenByName(QStringLiteral("a.txt"));
    EXPECT_TRUE(shell.openedFiles.isEmpty());
    EXPECT_TRUE(prompt.messages.isEmpty());
}

// A shortcut opens what it names: a folder is entered, a file opens (a program after the
// question), a missing target is named.
TEST_F(OpenItemTest, ShortcutsOpenTheirTargetsUnderTheTargetsRules) {
    device.Make({"\\My Documents\\q.lnk=1", "\\My Documents\\u.lnk=1",
                 "\\My Documents\\doc.lnk=1", "\\My Documents\\run.lnk=1",
                 "\\My Documents\\gone.lnk=1", "\\Program Files\\tool=t", "\\Temp\\t.txt=t"});
    shell.shortcuts.insert("\\My Documents\\q.lnk", "\"\\Program Files\" -x");
    shell.shortcuts.insert("\\My Documents\\u.lnk", "\\Program Files");
    shell.shortcuts.insert("\\My Documents\\doc.lnk", "\"\\Temp\\t.txt\"");
    shell.shortcuts.insert("\\My Documents\\run.lnk", "\"\\Program Files\\tool\" -go");
    shell.shortcuts.insert("\\My Documents\\gone.lnk", "\"\\Temp\\missing.txt\"");
    shell.openResults.insert("\\Program Files\\tool", OpenResult::Program);
    Open();
    OpenByName("doc.lnk");
    OpenByName("run.lnk");
    EXPECT_EQ(shell.openedFiles, QStringList({"\\Temp\\t.txt", "\\Program Files\\tool"}));
    EXPECT_EQ(shell.ranPrograms, QStringList({"\\Program Files\\tool"}));
    OpenByName("gone.lnk");
    OpenByName("u.lnk");  // cut at the first space: "\Program" does not exist
    EXPECT_EQ(prompt.MessageIds(),
              QList<int>({IDS_CONFIRM_RUN_PROGRAM, IDS_FILE_NOT_FOUND, IDS_FILE_NOT_FOUND}));
    EXPECT_TRUE(prompt.messages[1].text.startsWith(QStringLiteral("找不到 \"missing.txt\".")));
    EXPECT_TRUE(prompt.messages[2].text.startsWith(QStringLiteral("找不到 \"Program\".")));
    OpenByName("q.lnk");
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\Program Files"));
    EXPECT_EQ(shell.openedFiles.size(), 2);
}

// Only a real program is one: an execute bit alone runs nothing.
TEST(DesktopOpen, OnlyElfFilesAndExecutableScriptsWithTheBitArePrograms) {
    struct Case {
        const char* name;
        QByteArray head;
        bool executable;
        bool program;
    };
    const Case cases[] = {
        {"tool", QByteArray("\x7f" "ELF\x02\x01\x01", 7), true, true},
        {"tool", QByteArray("\x7f" "ELF\x02\x01\x01", 7), false, false},
        {"run.sh", "#!/bin/sh\necho hi\n", true, true},
        {"script", "#!/usr/bin/python3\nprint(1)\n", true, true},
        {"notes.txt", "#!/bin/sh\nrm -rf ~\n", true, false},
        {"notes.txt", "just text\n", true, false},
        {"photo.jpg", QByteArray("\xff\xd8\xff\xe0\0\x10JFIF", 10), true, false},
        {"run.sh", "#!/bin/sh\n", false, false},
    };
    for (const Case& c : cases) {
        const QMimeType type = DesktopShellServices::OpeningType(c.name, c.head);
        EXPECT_EQ(DesktopShellServices::IsProgram(c.head, type, c.executable), c.program)
            << c.name << " " << c.executable;
    }

    TempDevice device;
    device.File("\\tool", QByteArray("\x7f" "ELF\x02\x01\x01", 7));
    ASSERT_EQ(chmod(QFile::encodeName(device.HostRoot() + "/tool").constData(), 0755), 0);
    DesktopShellServices shell(device.fs());
    EXPECT_EQ(shell.OpenFile("\\tool"), OpenResult::Program);
    EXPECT_EQ(shell.OpenFile("\\missing.txt"), OpenResult::Gone);
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
