#include "shell/open_item.h"

#include <gtest/gtest.h>

#include "browse/file_item.h"
#include "resources/ids.h"
#include "support/fake_shell_services.h"
#include "support/recording_prompt.h"
#include "support/temp_device.h"

// One row per entry of "\D" opened: what the shell says of the file (by the fake's table of
// types when nothing), the answer given, the message, and what was opened, run or entered.
// A shortcut opens what it names under the target's rules; its command is cut at the first
// space unless quoted. An entry that vanished since it was listed is ignored.
TEST(OpenItem, EachEntryOpensUnderItsRules) {
    const struct Row {
        const char* name;
        const char* shortcut;  // the command of a shortcut row
        std::optional<OpenResult> result;
        MessageAnswer answer;
        int message;       // 0: none
        const char* text;  // how the message starts
        const char* opened;
        bool ran;
        const char* entered;
    } rows[] = {
        {"a.txt", nullptr, {}, MessageAnswer::Ok, 0, "", "\\D\\a.txt", false, ""},
        {"b.zzz", nullptr, {}, MessageAnswer::Ok, IDS_NO_ASSOCIATION, "", "\\D\\b.zzz", false, ""},
        {"tool", nullptr, OpenResult::Program, MessageAnswer::Yes, IDS_CONFIRM_RUN_PROGRAM,
         "'tool' 是一個程式.\n你是否要執行他 ?", "\\D\\tool", true, ""},
        {"tool", nullptr, OpenResult::Program, MessageAnswer::No, IDS_CONFIRM_RUN_PROGRAM, "",
         "\\D\\tool", false, ""},
        {"pic.jpg", nullptr, OpenResult::NoApplication, MessageAnswer::Ok, IDS_NO_ASSOCIATION, "",
         "\\D\\pic.jpg", false, ""},
        {"late.txt", nullptr, OpenResult::Gone, MessageAnswer::Ok, IDS_FILE_NOT_FOUND, "",
         "\\D\\late.txt", false, ""},
        {"bad.txt", nullptr, OpenResult::Failed, MessageAnswer::Ok, IDS_CANNOT_OPEN_FILE,
         "無法開啟這個檔案 !", "\\D\\bad.txt", false, ""},
        {"Sub", nullptr, {}, MessageAnswer::Ok, 0, "", "", false, "\\D\\Sub"},
        {"vanished.txt", nullptr, {}, MessageAnswer::Ok, 0, "", "", false, ""},
        {"doc.lnk", "\"\\Temp\\t.txt\"", {}, MessageAnswer::Ok, 0, "", "\\Temp\\t.txt", false, ""},
        {"run.lnk", "\"\\Program Files\\tool\" -go", OpenResult::Program, MessageAnswer::Yes,
         IDS_CONFIRM_RUN_PROGRAM, "", "\\Program Files\\tool", true, ""},
        {"gone.lnk", "\"\\Temp\\missing.txt\"", {}, MessageAnswer::Ok, IDS_FILE_NOT_FOUND,
         "找不到 \"missing.txt\".", "", false, ""},
        {"u.lnk", "\\Program Files", {}, MessageAnswer::Ok, IDS_FILE_NOT_FOUND,
         "找不到 \"Program\".", "", false, ""},
        {"q.lnk", "\"\\Program Files\" -x", {}, MessageAnswer::Ok, 0, "", "", false,
         "\\Program Files"},
    };
    TempDevice device;
    device.Make({"\\D\\a.txt=a", "\\D\\b.zzz=b", "\\D\\tool=t", "\\D\\pic.jpg=p", "\\D\\late.txt=l",
                 "\\D\\bad.txt=x", "\\D\\Sub\\", "\\Program Files\\tool=t", "\\Temp\\t.txt=t"});
    for (const Row& row : rows) {
        FakeShellServices shell;
        RecordingPrompt prompt;
        prompt.messageAnswers = {row.answer};
        FileItem item;
        item.name = QString::fromUtf8(row.name);
        if (row.shortcut) {
            device.File("\\D\\" + item.name, "1");
            shell.shortcuts.insert("\\D\\" + item.name, QString::fromUtf8(row.shortcut));
        }
        if (row.result) shell.openResults.insert(QString::fromUtf8(row.opened), *row.result);
        QString entered;
        OpenItem(device.fs(), shell, prompt, "\\D", item,
                 [&entered](const QString& path) { entered = path; });
        EXPECT_EQ(shell.openedFiles, *row.opened ? QStringList{row.opened} : QStringList())
            << row.name;
        EXPECT_EQ(prompt.MessageIds(), row.message ? QList<int>{row.message} : QList<int>())
            << row.name;
        if (row.message) {
            EXPECT_TRUE(prompt.messages[0].text.startsWith(QString::fromUtf8(row.text)))
                << row.name << " " << prompt.messages[0].text.toStdString();
            if (row.answer != MessageAnswer::Ok) {
                EXPECT_EQ(prompt.messages[0].style, MessageStyle::YesNoQuestion) << row.name;
            }
        }
        EXPECT_EQ(shell.ranPrograms.size(), row.ran ? 1 : 0) << row.name;
        EXPECT_EQ(entered, QString::fromUtf8(row.entered)) << row.name;
    }
}
