#include "recycle/recycle_bin.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"

namespace {

class DeleteCommandTest : public FrameTest {
protected:
    void Delete() {
        frame().OnCommand(ID_EDIT_DELETE);
        Settle();
    }
};

}  // namespace

// The rules are core tests; here the command reaches the bin and the list follows.
TEST_F(DeleteCommandTest, ThreeFilesGoIntoTheBinAfterOneYesToAll) {
    device.Make({"\\My Documents\\a.txt=a", "\\My Documents\\b.txt=b", "\\My Documents\\c.txt=c",
                 "\\My Documents\\keep.txt=k"});
    OpenWithDocument();
    SelectNames({"a.txt", "b.txt", "c.txt"});
    prompt.confirmAnswers = {ConfirmAnswer::YesToAll};
    Delete();
    EXPECT_EQ(prompt.confirms.size(), 1);
    EXPECT_EQ(RowNames(), QStringList({"keep.txt"}));
    EXPECT_EQ(fileDoc->bin().entries().size(), 3);
    EXPECT_EQ(device.List("\\My Documents"), QStringList({"keep.txt"}));
}

TEST_F(DeleteCommandTest, TheTreeFolderIsAskedByPathAndItsParentShownAfter) {
    device.Make({"\\My Documents\\Old\\x.txt=x", "\\My Documents\\y.txt=y"});
    Open();
    frame().SetCurrentFolder("\\My Documents\\Old", true);
    Settle();
    FocusTree();
    prompt.messageAnswers = {MessageAnswer::Yes};
    Delete();
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_CONFIRM_DELETE_FOLDER}));
    EXPECT_EQ(prompt.messages[0].text, "你是否要刪除資料匣 - '\\My Documents\\Old' ?");
    EXPECT_FALSE(device.Exists("\\My Documents\\Old"));
    EXPECT_EQ(frame().GetCurrentFolder(), "\\My Documents");
    EXPECT_EQ(RowNames(), QStringList({"y.txt"}));
}
