#include "app/load_str.h"
#include "app/message.h"
#include "cli/cli_test_fixture.h"
#include "platform/device_fs.h"
#include "resources/ids.h"

// mkdir, cp, mv, rm and ln: the explorer's paste, delete and shortcut rules over named items.
class CliFileCommandsTest : public CliTest {};

TEST_F(CliFileCommandsTest, MkdirCreatesAndRefusesClashesAndMissingParents) {
    device().Make({"\\A\\"});
    EXPECT_EQ(Run({"mkdir", "\\A\\New", "\\A\\Other"}).code, 0);
    EXPECT_EQ(device().List("\\A"), QStringList({"New\\", "Other\\"}));

    const CliResult clash = Run({"mkdir", "\\A\\new", "\\Gone\\X"});
    EXPECT_EQ(clash.code, 1);
    EXPECT_TRUE(Reported(clash.err, LoadStr(IDS_FOLDER_EXISTS)));
    EXPECT_TRUE(Reported(clash.err, FormatStr(IDS_FOLDER_NOT_FOUND, "\\Gone")));
    EXPECT_FALSE(device().Exists("\\Gone"));
}

TEST_F(CliFileCommandsTest, CopyIntoItsOwnFolderIsNumbered) {
    device().Make({"\\A\\a.txt=one"});
    EXPECT_EQ(Run({"cp", "\\A\\a.txt", "\\A"}).code, 0);
    EXPECT_EQ(Run({"cp", "\\A\\a.txt", "\\A"}).code, 0);
    EXPECT_EQ(device().List("\\A"), QStringList({"a(2).txt", "a(3).txt", "a.txt"}));
    EXPECT_EQ(device().Read("\\A\\a(3).txt"), "one");
}

TEST_F(CliFileCommandsTest, ReplacingIsAQuestionAnsweredByFlags) {
    device().Make({"\\A\\a.txt=new", "\\A\\S\\f.txt=new", "\\B\\a.txt=old", "\\B\\S\\f.txt=old",
                   "\\B\\S\\keep.txt=k"});
    const CliResult safe = Run({"cp", "\\A\\a.txt", "\\A\\S", "\\B"});
    EXPECT_EQ(safe.code, 1);
    EXPECT_TRUE(Reported(safe.err, FormatStr(IDS_FILE_EXISTS, "a.txt")));
    EXPECT_TRUE(Reported(safe.err, FormatStr(IDS_CONFIRM_REPLACE_FOLDER, "S")));
    EXPECT_EQ(device().Read("\\B\\a.txt"), "old");

    const CliResult no = Run({"cp", "--no", "\\A\\a.txt", "\\B"});
    EXPECT_EQ(no.code, 0);
    EXPECT_EQ(no.err, "");
    EXPECT_EQ(device().Read("\\B\\a.txt"), "old");

    EXPECT_EQ(Run({"cp", "--yes", "\\A\\a.txt", "\\A\\S", "\\B"}).code, 0);
    EXPECT_EQ(device().Read("\\B\\a.txt"), "new");
    EXPECT_EQ(device().Read("\\B\\S\\f.txt"), "new");
    EXPECT_EQ(device().Read("\\B\\S\\keep.txt"), "k");  // folders merge
}

TEST_F(CliFileCommandsTest, CopyReportsMissingAndRomSourcesAndGoesOn) {
    device().Make({"\\A\\a.txt=a", "\\A\\rom.bin=r", "\\B\\"});
    device().SetRawAttributes("\\A\\rom.bin", Attr::kInRom);
    const CliResult result = Run({"cp", "\\A\\gone.txt", "\\A\\rom.bin", "\\A\\a.txt", "\\B"});
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(Reported(result.err, FormatStr(IDS_FILE_NOT_FOUND, "\\A\\gone.txt")));
    EXPECT_TRUE(Reported(result.err, FormatStr(IDS_CANNOT_COPY_ROM_FILE, "\\A\\rom.bin")));
    EXPECT_EQ(device().List("\\B"), QStringList({"a.txt"}));

    // One item may take a new name; several need a folder.
    EXPECT_EQ(Run({"cp", "\\A\\a.txt", "\\B\\renamed.txt"}).code, 0);
    EXPECT_EQ(device().Read("\\B\\renamed.txt"), "a");
    const CliResult noFolder = Run({"cp", "\\A\\a.txt", "\\A\\rom.bin", "\\B\\none"});
    EXPECT_EQ(noFolder.code, 1);
    EXPECT_TRUE(Reported(noFolder.err, FormatStr(IDS_FOLDER_NOT_FOUND, "\\B\\none")));
}

TEST_F(CliFileCommandsTest, MoveRemovesSourcesOnlyAfterTheirCopies) {
    device().Make({"\\A\\a.txt=a", "\\A\\T\\deep\\x.txt=x", "\\B\\"});
    EXPECT_EQ(Run({"mv", "\\A\\a.txt", "\\A\\T", "\\B"}).code, 0);
    EXPECT_EQ(device().List("\\A"), QStringList());
    EXPECT_EQ(device().Read("\\B\\a.txt"), "a");
    EXPECT_EQ(device().Read("\\B\\T\\deep\\x.txt"), "x");

    // Into itself, and onto itself in other letter case: refused, nothing lost.
    const QStringList before = device().Snapshot();
    const CliResult inside = Run({"mv", "\\B\\T", "\\B\\T\\deep"});
    EXPECT_EQ(inside.code, 1);
    EXPECT_TRUE(Reported(inside.err, FormatStr(IDS_CANNOT_MOVE_INTO_ITSELF, "T")));
    const CliResult same = Run({"mv", "--yes", "\\B\\a.txt", "\\b\\A.TXT"});
    EXPECT_EQ(same.code, 1);
    EXPECT_TRUE(Reported(same.err, LoadStr(IDS_SAME_SOURCE_AND_DESTINATION)));
    EXPECT_EQ(device().Snapshot(), before);
}

TEST_F(CliFileCommandsTest, RemoveGoesIntoTheBinUnlessPurged) {
    device().Make({"\\A\\a.txt=a", "\\A\\b.txt=b", "\\A\\F\\c.txt=c"});
    EXPECT_EQ(Run({"rm", "\\A\\a.txt", "\\A\\F"}).code, 0);
    EXPECT_EQ(Run({"rm", "--purge", "\\A\\b.txt"}).code, 0);
    EXPECT_EQ(device().List("\\A"), QStringList());
    EXPECT_EQ(device().List("\\~Recycle"), QStringList({"a.txt.nzc", "F.nzc", "~Recycle.bin"}));

    // With the bin turned off, deleting is for good.
    device().Make({"\\A\\d.txt=d"});
    SetInt(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_ENABLE, 0);
    EXPECT_EQ(Run({"rm", "\\A\\d.txt"}).code, 0);
    EXPECT_FALSE(device().Exists("\\A\\d.txt"));
    EXPECT_FALSE(device().Exists("\\~Recycle\\d.txt.nzc"));
}

TEST_F(CliFileCommandsTest, RemoveKeepsRomAndUnconfirmedReadOnlyFiles) {
    device().Make({"\\A\\ro.txt=r", "\\A\\rom.bin=x", "\\A\\plain.txt=p"});
    device().SetRawAttributes("\\A\\ro.txt", Attr::kReadOnly);
    device().SetRawAttributes("\\A\\rom.bin", Attr::kInRom);
    const CliResult safe =
        Run({"rm", "--purge", "\\A\\ro.txt", "\\A\\rom.bin", "\\A\\plain.txt", "\\A\\gone"});
    EXPECT_EQ(safe.code, 1);
    EXPECT_TRUE(Reported(safe.err, FormatStr(IDS_CONFIRM_DELETE_READ_ONLY, "ro.txt")));
    EXPECT_TRUE(Reported(safe.err, FormatStr(IDS_CANNOT_DELETE_ROM_FILE, "rom.bin")));
    EXPECT_TRUE(Reported(safe.err, FormatStr(IDS_FILE_NOT_FOUND, "\\A\\gone")));
    EXPECT_EQ(device().List("\\A"), QStringList({"ro.txt", "rom.bin"}));
    EXPECT_EQ(Attributes("\\A\\ro.txt"), Attr::kReadOnly);

    EXPECT_EQ(Run({"rm", "--yes", "\\A\\ro.txt"}).code, 0);
    EXPECT_EQ(device().List("\\A"), QStringList({"rom.bin"}));
}

TEST_F(CliFileCommandsTest, RemoveWithoutABinFolderDeletesNothing) {
    device().Make({"\\A\\a.txt=a"});
    ASSERT_EQ(Run({"bin", "where"}).out, "\\~Recycle\n");
    // A bin placed on a card that is gone cannot be rebuilt.
    SetInt(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_POS, 1);
    SetText(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_PATH, "\\Storage Card\\~Recycle");
    SetText(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD, "Storage Card");
    const CliResult result = Run({"rm", "\\A\\a.txt"});
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(Reported(result.err, LoadStr(IDS_RECYCLE_BIN_NOT_FOUND)));
    EXPECT_TRUE(device().Exists("\\A\\a.txt"));
}

TEST_F(CliFileCommandsTest, LinkWritesAShortcutFile) {
    device().Make({"\\A\\a.txt=a", "\\L\\"});
    EXPECT_EQ(Run({"ln", "\\A\\a.txt", "\\L\\mine"}).code, 0);
    EXPECT_EQ(device().Read("\\L\\mine.lnk"), "10#\"\\A\\a.txt\"");
    // Into a folder: the target's name, numbered as paste as shortcut numbers it.
    EXPECT_EQ(Run({"ln", "\\A\\a.txt", "\\L"}).code, 0);
    EXPECT_EQ(Run({"ln", "\\A\\a.txt", "\\L"}).code, 0);
    EXPECT_EQ(device().List("\\L"), QStringList({"a.txt(2).lnk", "a.txt.lnk", "mine.lnk"}));

    const CliResult clash = Run({"ln", "\\A\\a.txt", "\\L\\mine.lnk"});
    EXPECT_EQ(clash.code, 1);
    EXPECT_TRUE(Reported(clash.err, FormatStr(IDS_FILE_EXISTS, "mine.lnk")));
    EXPECT_EQ(device().Read("\\L\\mine.lnk"), "10#\"\\A\\a.txt\"");
    const CliResult missing = Run({"ln", "\\A\\gone.txt", "\\L\\x.lnk"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_FALSE(device().Exists("\\L\\x.lnk"));
}
