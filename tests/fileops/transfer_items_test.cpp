#include <gtest/gtest.h>

#include <QFile>

#include "app/progress.h"
#include "fileops/transfer_items.h"
#include "resources/ids.h"
#include "support/recording_prompt.h"
#include "support/scripted_progress.h"
#include "support/temp_device.h"

TEST(TransferItems, RefusesAFolderIntoItsOwnSubtreeAndChangesNothing) {
    TempDevice dev;
    dev.Make({"\\A\\B\\x.txt=x", "\\A\\y.txt=y"});
    const QStringList before = dev.Snapshot();
    RecordingPrompt prompt;
    for (bool move : {true, false}) {
        const TransferResult result = TransferItems(dev.fs(), prompt, {{"\\A", "\\A\\B\\A"}}, move);
        EXPECT_EQ(result.outcomes[0], TransferOutcome::IntoItself);
    }
    EXPECT_EQ(dev.Snapshot(), before);
    EXPECT_EQ(prompt.MessageIds(),
              QList<int>({IDS_CANNOT_MOVE_INTO_ITSELF, IDS_CANNOT_MOVE_INTO_ITSELF}));
    EXPECT_EQ(prompt.messages[0].text, "無法將資料匣 'A' 複製或搬移到它自己的子資料匣內 !");
}

TEST(TransferItems, AMoveWhoseCopyFailsKeepsItsSource) {
    TempDevice dev;
    dev.Make({"\\S\\a.txt=data", "\\T\\"});
    RecordingPrompt prompt;
    // The destination folder is gone by the time the copy runs.
    const TransferResult result =
        TransferItems(dev.fs(), prompt, {{"\\S\\a.txt", "\\Missing\\a.txt"}}, true);
    EXPECT_NE(result.outcomes[0], TransferOutcome::Done);
    EXPECT_EQ(dev.Read("\\S\\a.txt"), "data");
}

TEST(TransferItems, ACancelStopsBetweenItemsWithTheCurrentOneWhole) {
    TempDevice dev;
    dev.Make({"\\S\\F\\1.txt=1", "\\S\\F\\2.txt=2", "\\S\\b.txt=b", "\\T\\"});
    struct CancelAtOnce : Progress {
        int calls = 0;
        bool Update(const ProgressState&) override { return ++calls < 2; }
    } cancel;
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
            {{"\\S\\F", move ? "\\T\\G" : "\\T\\F"}, {"\\S\\c", move ? "\\T\\d" : "\\T\\c"}},
            move, &recorder);
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
