#include <gtest/gtest.h>

#include <QFile>
#include <deque>

#include "app/progress.h"
#include "fileops/transfer_items.h"
#include "platform/file_attributes.h"
#include "resources/ids.h"
#include "support/recording_prompt.h"
#include "support/scripted_progress.h"
#include "support/temp_device.h"

TEST(TransferItems, ACancelStopsBetweenItemsWithTheCurrentOneWhole) {
    TempDevice dev;
    dev.Make({"\\S\\F\\1.txt=1", "\\S\\F\\2.txt=2", "\\S\\b.txt=b", "\\T\\"});
    ScriptedProgress cancel;  // the second report cancels
    cancel.answer = [&cancel](const ProgressState&) { return cancel.reports.size() < 2; };
    RecordingPrompt prompt;
    const TransferResult result = TransferItems(
        dev.fs(), prompt, {{"\\S\\F", "\\T\\F"}, {"\\S\\b.txt", "\\T\\b.txt"}}, true, &cancel);
    EXPECT_EQ(result.outcomes,
              QList<TransferOutcome>({TransferOutcome::Done, TransferOutcome::NotReached}));
    EXPECT_EQ(dev.List("\\T\\F"), QStringList({"1.txt", "2.txt"}));
    EXPECT_FALSE(dev.Exists("\\S\\F"));
    EXPECT_TRUE(dev.Exists("\\S\\b.txt"));
}

// Items measured first: every report carries the run's totals and the done counts add up
// across items, so a paste's bar crosses the whole run once.
TEST(TransferItems, ProgressAddsUpAcrossItemsAgainstTheRunsTotals) {
    TempDevice dev;
    dev.Make({"\\S\\F\\a#1000", "\\S\\F\\Sub\\b#24", "\\S\\c#10", "\\T\\"});
    ScriptedProgress recorder;
    RecordingPrompt prompt;
    for (bool move : {false, true}) {
        recorder.reports.clear();
        const TransferResult result = TransferItems(
            dev.fs(), prompt,
            {{"\\S\\F", move ? "\\T\\G" : "\\T\\F"}, {"\\S\\c", move ? "\\T\\d" : "\\T\\c"}}, move,
            &recorder);
        EXPECT_EQ(result.outcomes,
                  QList<TransferOutcome>({TransferOutcome::Done, TransferOutcome::Done}));
        quint64 done = 0;
        for (const ProgressState& state : recorder.reports) {
            EXPECT_EQ(state.totalBytes, 1034u);
            EXPECT_EQ(state.totalFiles, 3u);
            EXPECT_GE(state.doneBytes, done);
            done = state.doneBytes;
        }
        EXPECT_EQ(done, 1034u) << move;
    }
}

// Two items of one run whose names differ only in case (the host keeps both) are both
// kept: the second is numbered, without a replacement question, and the result says so.
TEST(TransferItems, ItemsThatDifferOnlyInCaseAreNumberedNotReplaced) {
    TempDevice dev;
    dev.Make({"\\S\\", "\\T\\"});
    for (const char* name : {"A.txt", "a.txt"}) {
        QFile file(dev.HostRoot() + "/S/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(name);
    }
    RecordingPrompt prompt;
    const TransferResult result = TransferItems(
        dev.fs(), prompt, {{"\\S\\A.txt", "\\T\\A.txt"}, {"\\S\\a.txt", "\\T\\a.txt"}}, true);
    EXPECT_EQ(result.outcomes,
              QList<TransferOutcome>({TransferOutcome::Done, TransferOutcome::Done}));
    EXPECT_TRUE(prompt.confirms.isEmpty());
    EXPECT_EQ(dev.List("\\T"), QStringList({"a(2).txt", "A.txt"}));
    EXPECT_EQ(dev.Read("\\T\\a(2).txt"), "a.txt");
    EXPECT_EQ(result.destinations[1], "\\T\\a(2).txt");
    ASSERT_EQ(result.renamed.size(), 1);
    EXPECT_EQ(result.renamed[0], qMakePair(QString("\\S\\a.txt"), QString("\\T\\a(2).txt")));
    EXPECT_EQ(dev.List("\\S"), QStringList());
}

// The paste rules one run at a time: the answers given, the outcomes, the messages and what
// the destination holds afterwards ("path=content", or "path!" for a path that must not exist).
TEST(TransferItems, PasteRulesFollowTheAnswersSpaceAndRomSources) {
    struct Row {
        const char* what;
        QStringList files;
        QList<TransferItem> items;
        bool move;
        std::deque<ConfirmAnswer> answers;
        QList<TransferOutcome> outcomes;
        QList<int> messages;
        int confirms;
        QStringList expect;
    };
    using O = TransferOutcome;
    const QStringList both = {"\\S\\F\\x.txt=new x", "\\S\\a.txt=new a",    "\\S\\b.txt=new b",
                              "\\D\\F\\x.txt=old x", "\\D\\F\\y.txt=old y", "\\D\\a.txt=old a",
                              "\\D\\b.txt=old b"};
    const QList<TransferItem> three = {
        {"\\S\\F", "\\D\\F"}, {"\\S\\a.txt", "\\D\\a.txt"}, {"\\S\\b.txt", "\\D\\b.txt"}};
    const Row rows[] = {
        {"copy in place", {"\\S\\a.txt=a"}, {{"\\S\\a.txt", "\\S\\a.txt"}}, false, {},
         {O::Done}, {}, 0, {"\\S\\a(2).txt=a"}},
        {"move in place", {"\\S\\a.txt=a"}, {{"\\S\\a.txt", "\\S\\a.txt"}}, true, {},
         {O::NotReached}, {IDS_SAME_SOURCE_AND_DESTINATION}, 0, {"\\S\\a.txt=a"}},
        {"failed move", {"\\S\\a.txt=data"}, {{"\\S\\a.txt", "\\Gone\\a.txt"}}, true, {},
         {O::CopyFailed}, {}, 0, {"\\S\\a.txt=data"}},
        {"into itself", {"\\A\\B\\x.txt=x"}, {{"\\A", "\\A\\B\\A"}}, true, {}, {O::IntoItself},
         {IDS_CANNOT_MOVE_INTO_ITSELF}, 0, {"\\A\\B\\x.txt=x", "\\A\\B\\A!"}},
        {"copy into itself", {"\\A\\B\\x.txt=x"}, {{"\\A", "\\A\\B\\A"}}, false, {},
         {O::IntoItself}, {IDS_CANNOT_MOVE_INTO_ITSELF}, 0, {"\\A\\B\\A!"}},
        {"yes to all", both, three, false, {ConfirmAnswer::YesToAll}, {O::Done, O::Done, O::Done},
         {}, 1, {"\\D\\F\\x.txt=new x", "\\D\\F\\y.txt=old y", "\\D\\b.txt=new b"}},
        {"no, cancel", both, three, true, {ConfirmAnswer::No, ConfirmAnswer::Cancel},
         {O::Declined, O::Declined, O::NotReached}, {}, 2,
         {"\\D\\F\\x.txt=old x", "\\D\\a.txt=old a", "\\S\\a.txt=new a", "\\S\\b.txt=new b"}},
        {"rom", {"\\S\\r1=1", "\\S\\r2=2", "\\S\\ok=ok", "\\S\\G\\r3=3", "\\S\\G\\f=f", "\\D\\"},
         {{"\\S\\r1", "\\D\\r1"}, {"\\S\\r2", "\\D\\r2"}, {"\\S\\ok", "\\D\\ok"},
          {"\\S\\G", "\\D\\G"}},
         false, {}, {O::RomSource, O::RomSource, O::Done, O::Done}, {IDS_CANNOT_COPY_ROM_FILE},
         0, {"\\D\\r1!", "\\D\\ok=ok", "\\D\\G\\f=f", "\\D\\G\\r3!"}},
    };
    for (const Row& row : rows) {
        TempDevice dev;
        dev.Make(row.files);
        for (const char* rom : {"\\S\\r1", "\\S\\r2", "\\S\\G\\r3"})
            if (dev.Exists(rom)) dev.SetRawAttributes(rom, Attr::kInRom);
        RecordingPrompt prompt;
        prompt.confirmAnswers = row.answers;
        const TransferResult result = TransferItems(dev.fs(), prompt, row.items, row.move);
        EXPECT_EQ(result.outcomes, row.outcomes) << row.what;
        EXPECT_EQ(prompt.MessageIds(), row.messages) << row.what;
        EXPECT_EQ(prompt.confirms.size(), row.confirms) << row.what;
        for (const QString& line : row.expect) {
            if (line.endsWith('!')) {
                EXPECT_FALSE(dev.Exists(line.chopped(1))) << row.what << " " << line;
            } else {
                EXPECT_EQ(dev.Read(line.section('=', 0, 0)), line.section('=', 1).toUtf8())
                    << row.what;
            }
        }
        if (QString(row.what) == "into itself") {
            EXPECT_EQ(prompt.messages[0].text, "無法將資料匣 'A' 複製或搬移到它自己的子資料匣內 !");
        }
        if (QString(row.what) == "rom") {
            EXPECT_EQ(result.leftOut, QStringList{"\\S\\G\\r3"});
            EXPECT_EQ(prompt.messages[0].text, "無法複製放在唯讀記憶體中的檔案 !\n\\S\\r1");
        }
        if (row.confirms == 1) {  // folders come first: one question for everything
            EXPECT_EQ(prompt.confirms[0].text,
                      "這個資料匣內已經有和 'F' 相同的子資料匣. \n你是否要取代這個相同的資料匣 ?");
        }
        if (row.confirms == 2) {  // the folder's question, then the file's with both paths
            EXPECT_EQ(prompt.confirms[0].titleId, IDS_REPLACE_FOLDER_TITLE);
            EXPECT_EQ(prompt.confirms[1].templateId, IDD_CONFIRM_REPLACE);
            EXPECT_EQ(prompt.confirms[1].existingPath, "\\D\\a.txt");
            EXPECT_EQ(prompt.confirms[1].newPath, "\\S\\a.txt");
        }
    }

    // Too little room for the whole run (a sparse file beyond 32 bits) stops it untouched.
    TempDevice dev;
    dev.Make({"\\S\\a.txt=a", "\\S\\b.txt=b", "\\D\\"});
    ASSERT_TRUE(QFile::resize(dev.fs().HostPath("\\S\\a.txt"), qint64(1) << 43));
    RecordingPrompt prompt;
    TransferItems(dev.fs(), prompt, {{"\\S\\a.txt", "\\D\\a.txt"}, {"\\S\\b.txt", "\\D\\b.txt"}},
                  false);
    EXPECT_EQ(prompt.MessageIds(), QList<int>({IDS_NOT_ENOUGH_SPACE}));
    EXPECT_EQ(dev.List("\\D"), QStringList());
}
