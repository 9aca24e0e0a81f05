#include <gtest/gtest.h>

#include "app/progress.h"
#include "fileops/transfer_items.h"
#include "resources/ids.h"
#include "support/recording_prompt.h"
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
