#include "app/load_str.h"
#include "app/message.h"
#include "cli/cli_test_fixture.h"
#include "platform/device_fs.h"
#include "resources/ids.h"

// mkdir, cp, mv, rm and ln: one run each over the explorer's rules, with the exit status
// and the flags that answer questions. The rules themselves are tested in the core.
class CliFileCommandsTest : public CliTest {};

TEST_F(CliFileCommandsTest, MkdirCreatesAndRefusesClashesAndMissingParents) {
    device().Make({"\\A\\"});
    EXPECT_EQ(Run({"mkdir", "\\A\\New"}).code, 0);
    const CliResult clash = Run({"mkdir", "\\A\\new", "\\Gone\\X"});
    EXPECT_EQ(clash.code, 1);
    EXPECT_TRUE(Reported(clash.err, LoadStr(IDS_FOLDER_EXISTS)));
    EXPECT_TRUE(Reported(clash.err, FormatStr(IDS_FOLDER_NOT_FOUND, "\\Gone")));
    EXPECT_EQ(device().List("\\A"), QStringList({"New\\"}));
}

TEST_F(CliFileCommandsTest, CopyAnswersTheReplacementQuestionFromFlags) {
    device().Make({"\\A\\a.txt=new", "\\B\\a.txt=old"});
    const CliResult safe = Run({"cp", "\\A\\a.txt", "\\A\\gone.txt", "\\B"});
    EXPECT_EQ(safe.code, 1);
    EXPECT_TRUE(Reported(safe.err, FormatStr(IDS_FILE_EXISTS, "a.txt")));
    EXPECT_TRUE(Reported(safe.err, FormatStr(IDS_FILE_NOT_FOUND, "\\A\\gone.txt")));
    const CliResult no = Run({"cp", "--no", "\\A\\a.txt", "\\B"});
    EXPECT_EQ(no.code, 0);
    EXPECT_EQ(device().Read("\\B\\a.txt"), "old");
    EXPECT_EQ(Run({"cp", "--yes", "\\A\\a.txt", "\\B"}).code, 0);
    EXPECT_EQ(device().Read("\\B\\a.txt"), "new");
    // One item may take a new name; several need a folder.
    EXPECT_EQ(Run({"cp", "\\A\\a.txt", "\\B\\renamed.txt"}).code, 0);
    EXPECT_EQ(device().Read("\\B\\renamed.txt"), "new");
    EXPECT_EQ(Run({"cp", "\\A\\a.txt", "\\B\\a.txt", "\\B\\none"}).code, 1);
}

TEST_F(CliFileCommandsTest, MoveRemovesSourcesOnlyAfterTheirCopies) {
    device().Make({"\\A\\a.txt=a", "\\A\\T\\deep\\x.txt=x", "\\B\\"});
    EXPECT_EQ(Run({"mv", "\\A\\a.txt", "\\A\\T", "\\B"}).code, 0);
    EXPECT_EQ(device().List("\\A"), QStringList());
    EXPECT_EQ(device().Read("\\B\\T\\deep\\x.txt"), "x");
    const CliResult inside = Run({"mv", "\\B\\T", "\\B\\T\\deep"});
    EXPECT_EQ(inside.code, 1);
    EXPECT_TRUE(Reported(inside.err, FormatStr(IDS_CANNOT_MOVE_INTO_ITSELF, "T")));
}

TEST_F(CliFileCommandsTest, RemoveGoesIntoTheBinUnlessPurgedAndAsksForReadOnlyFiles) {
    device().Make({"\\A\\a.txt=a", "\\A\\b.txt=b", "\\A\\F\\c.txt=c", "\\A\\ro.txt=r"});
    device().SetRawAttributes("\\A\\ro.txt", Attr::kReadOnly);
    EXPECT_EQ(Run({"rm", "\\A\\a.txt", "\\A\\F"}).code, 0);
    EXPECT_EQ(Run({"rm", "--purge", "\\A\\b.txt"}).code, 0);
    EXPECT_EQ(device().List("\\~Recycle"), QStringList({"a.txt.nzc", "F.nzc", "~Recycle.bin"}));
    const CliResult safe = Run({"rm", "--purge", "\\A\\ro.txt"});
    EXPECT_EQ(safe.code, 1);
    EXPECT_TRUE(Reported(safe.err, FormatStr(IDS_CONFIRM_DELETE_READ_ONLY, "ro.txt")));
    EXPECT_EQ(Run({"rm", "--purge", "--yes", "\\A\\ro.txt"}).code, 0);
    EXPECT_EQ(device().List("\\A"), QStringList());
}

TEST_F(CliFileCommandsTest, LinkWritesAShortcutFile) {
    device().Make({"\\A\\a.txt=a", "\\L\\"});
    EXPECT_EQ(Run({"ln", "\\A\\a.txt", "\\L\\mine"}).code, 0);
    EXPECT_EQ(device().Read("\\L\\mine.lnk"), "10#\"\\A\\a.txt\"");
    EXPECT_EQ(Run({"ln", "\\A\\a.txt", "\\L"}).code, 0);
    EXPECT_EQ(device().List("\\L"), QStringList({"a.txt.lnk", "mine.lnk"}));
    const CliResult clash = Run({"ln", "\\A\\a.txt", "\\L\\mine.lnk"});
    EXPECT_EQ(clash.code, 1);
    EXPECT_TRUE(Reported(clash.err, FormatStr(IDS_FILE_EXISTS, "mine.lnk")));
}
