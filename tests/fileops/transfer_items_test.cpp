#include <gtest/gtest.h>

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
