#include <QDir>

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

TEST_F(DeleteCommandTest, NoKeepsItsRowAndCancelStops) {
    device.Make({"\\My Documents\\a.txt=a", "\\My Documents\\b.txt=b", "\\My Documents\\c.txt=c"});
    Open();  // no bin: deleted for good
    SelectNames({"a.txt", "b.txt", "c.txt"});
    prompt.confirmAnswers = {ConfirmAnswer::No, ConfirmAnswer::Yes, ConfirmAnswer::Cancel};
    Delete();
    EXPECT_EQ(RowNames(), QStringList({"a.txt", "c.txt"}));
    EXPECT_EQ(device.List("\\My Documents"), QStringList({"a.txt", "c.txt"}));
}

TEST_F(DeleteCommandTest, TooBigForTheBinAsksToDeleteForGood) {
    device.Make({"\\My Documents\\big.bin#2000000", "\\My Documents\\small.txt=s"});
    device.settings().SetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_ENABLE_CAPACITY, 1);
    device.settings().SetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_MAX_CAPACITY, 1);
    OpenWithDocument();
    SelectNames({"big.bin"});
    prompt.messageAnswers = {MessageAnswer::No, MessageAnswer::Ok};
    Delete();
    EXPECT_EQ(prompt.MessageIds(),
              QList<int>({IDS_TOO_LARGE_FOR_RECYCLE_BIN, IDS_ENLARGE_RECYCLE_BIN}));
    EXPECT_TRUE(prompt.confirms.isEmpty());
    EXPECT_TRUE(device.Exists("\\My Documents\\big.bin"));

    prompt.messages.clear();
    prompt.messageAnswers = {MessageAnswer::Yes};
    Delete();
    EXPECT_EQ(prompt.MessageIds(), QList<int>({IDS_TOO_LARGE_FOR_RECYCLE_BIN}));
    EXPECT_FALSE(device.Exists("\\My Documents\\big.bin"));
    EXPECT_TRUE(fileDoc->bin().entries().isEmpty());
    EXPECT_EQ(RowNames(), QStringList({"small.txt"}));
}

TEST_F(DeleteCommandTest, AMissingBinFolderStopsEverything) {
    device.Make({"\\My Documents\\a.txt=a"});
    OpenWithDocument();
    ASSERT_TRUE(QDir(device.fs().HostPath(fileDoc->bin().binPath())).removeRecursively());
    SelectNames({"a.txt"});
    Delete();
    EXPECT_EQ(prompt.MessageIds(), QList<int>({IDS_RECYCLE_BIN_NOT_FOUND}));
    EXPECT_TRUE(device.Exists("\\My Documents\\a.txt"));
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

// An item that stays after the delete is named in one summary, not left for the user to find.
TEST_F(DeleteCommandTest, WhatStaysIsNamedInOneSummary) {
    device.Make({"\\My Documents\\F\\rom.dll=r", "\\My Documents\\F\\x.txt=x",
                 "\\My Documents\\y.txt=y"});
    device.SetRawAttributes("\\My Documents\\F\\rom.dll", Attr::kInRom);
    Open();  // no bin: deleted for good
    SelectNames({"F", "y.txt"});
    prompt.confirmAnswers = {ConfirmAnswer::YesToAll};
    Delete();
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_ITEMS_LEFT_OUT}));
    EXPECT_EQ(prompt.messages[0].text, "下列項目沒有被處理 :\n\\My Documents\\F");
    EXPECT_EQ(device.List("\\My Documents\\F"), QStringList({"rom.dll"}));
    EXPECT_FALSE(device.Exists("\\My Documents\\y.txt"));
}
