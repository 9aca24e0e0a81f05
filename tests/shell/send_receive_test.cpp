#include <QMenu>

#include "resources/ids.h"
#include "shell/frame_fixture.h"

namespace {

class SendReceiveTest : public FrameTest {
protected:
    SendReceiveTest() {
        device.Make(
            {"\\My Documents\\a.txt=a", "\\My Documents\\b.txt=b", "\\My Documents\\Sub\\"});
    }
};

TEST_F(SendReceiveTest, TheSelectedFileGoesToTheServiceAndNothingIsReported) {
    Open();
    FocusList();
    SelectOnly({"a.txt"});
    EXPECT_TRUE(frame().OnCommand(ID_FILE_SEND_MAIL));
    EXPECT_TRUE(frame().OnCommand(ID_FILE_SEND_INFRARED));
    EXPECT_EQ(shell.mailed, QStringList({"\\My Documents\\a.txt"}));
    EXPECT_EQ(shell.sentOverLink, QStringList({"\\My Documents\\a.txt"}));

    // A failed start is the platform's to report.
    shell.transferStarts = false;
    EXPECT_TRUE(frame().OnCommand(ID_FILE_SEND_MAIL));
    EXPECT_EQ(shell.mailed.size(), 2);
    EXPECT_TRUE(prompt.messages.isEmpty());
}

TEST_F(SendReceiveTest, ReceivingGoesIntoTheCurrentFolderWithoutARefill) {
    Open();
    ASSERT_EQ(frame().GetCurrentFolder(), "\\My Documents");
    const QStringList before = RowNames();
    EXPECT_TRUE(frame().OnCommand(ID_FILE_RECEIVE_INFRARED));
    EXPECT_EQ(shell.receivedInto, QStringList({"\\My Documents"}));
    // What arrives shows after the next refresh.
    device.File(QStringLiteral("\\My Documents\\arrived.txt"), "x");
    Settle();
    EXPECT_EQ(RowNames(), before);
}

}  // namespace
