#include <gtest/gtest.h>

#include "app/message.h"
#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "recycle/recycle_bin_rig.h"

namespace {

class RecycleRestore : public ::testing::Test {
protected:
    RecycleRestore() {
        rig.dev.Make({"\\~Recycle\\", "\\A\\one.txt=old one", "\\A\\two.txt=old two"});
        rig.OpenInMainMemory();
        EXPECT_TRUE(bin.MoveToRecycleBin("\\A\\one.txt"));
        EXPECT_TRUE(bin.MoveToRecycleBin("\\A\\two.txt"));
        rig.dev.Make({"\\A\\one.txt=new one", "\\A\\two.txt=new two"});
    }
    QString Read(const char* path) { return QString::fromUtf8(rig.dev.Read(path)); }

    BinRig rig;
    RecycleBin& bin = rig.bin;
};

}  // namespace

TEST_F(RecycleRestore, YesToAllAsksOnceAndReplacesBoth) {
    rig.prompt.confirmAnswers = {CONFIRM_YES_TO_ALL};
    bin.RestoreFromBin({0, 1});
    ASSERT_EQ(rig.prompt.confirms.size(), 1);
    const ConfirmRequest& asked = rig.prompt.confirms[0];
    EXPECT_EQ(asked.templateId, IDD_CONFIRM_REPLACE);
    EXPECT_EQ(asked.textId, IDS_FILE_EXISTS);
    EXPECT_EQ(asked.text, FormatStr(IDS_FILE_EXISTS, QStringLiteral("two.txt")));
    EXPECT_EQ(asked.existingPath, "\\A\\two.txt");
    EXPECT_EQ(asked.newPath, "\\~Recycle\\two.txt.nzc");
    EXPECT_EQ(Read("\\A\\one.txt"), "old one");
    EXPECT_EQ(Read("\\A\\two.txt"), "old two");
    EXPECT_TRUE(bin.entries.isEmpty());
    EXPECT_EQ(rig.dev.List("\\~Recycle"), QStringList());
}

TEST_F(RecycleRestore, NoSkipsARowAndCancelEndsTheRun) {
    const QList<RecycleEntry> both = bin.entries;
    rig.prompt.confirmAnswers = {CONFIRM_CANCEL};
    bin.RestoreFromBin({0, 1});
    EXPECT_EQ(rig.prompt.confirms.size(), 1);
    EXPECT_EQ(bin.entries, both);
    EXPECT_EQ(Read("\\A\\two.txt"), "new two");

    rig.prompt.confirmAnswers = {CONFIRM_NO, CONFIRM_YES};
    QList<int> removed;
    RecycleBin::RestoreObserver observer;
    observer.rowRemoved = [&removed](int row) { removed.append(row); };
    bin.RestoreFromBin({0, 1}, observer);
    EXPECT_EQ(rig.prompt.confirms.size(), 3);
    EXPECT_EQ(Read("\\A\\two.txt"), "new two");
    EXPECT_EQ(Read("\\A\\one.txt"), "old one");
    EXPECT_EQ(bin.entries, QList<RecycleEntry>{both[1]});
    EXPECT_EQ(removed, QList<int>{0});
}

TEST_F(RecycleRestore, AFolderConflictAsksWithTheFolderQuestion) {
    rig.dev.Make({"\\Docs\\x.txt=x"});
    ASSERT_TRUE(bin.MoveToRecycleBin("\\Docs"));
    rig.dev.Make({"\\Docs\\"});
    bin.RestoreFromBin({2});
    ASSERT_EQ(rig.prompt.confirms.size(), 1);
    const ConfirmRequest& asked = rig.prompt.confirms[0];
    EXPECT_EQ(asked.templateId, IDD_CONFIRM);
    EXPECT_EQ(asked.textId, IDS_CONFIRM_REPLACE_FOLDER);
    EXPECT_EQ(asked.text, FormatStr(IDS_CONFIRM_REPLACE_FOLDER, QStringLiteral("Docs")));
    EXPECT_EQ(asked.titleId, IDS_REPLACE_FOLDER_TITLE);
    EXPECT_EQ(asked.allButtonId, IDS_REPLACE_ALL);
    EXPECT_EQ(Read("\\Docs\\x.txt"), "x");
}

TEST_F(RecycleRestore, ADeletedFolderIsRecreatedOrReportedOnce) {
    RemoveTree(rig.dev.fs(), "\\A");
    bin.RestoreFromBin({1});
    EXPECT_EQ(Read("\\A\\two.txt"), "old two");

    // A file stands where the folder would go: message 100, once for both rows.
    RemoveTree(rig.dev.fs(), "\\A");
    rig.dev.File("\\A", "file");
    bin.entries.append(bin.entries[0]);
    bin.RestoreFromBin({0, 1});
    EXPECT_EQ(rig.prompt.MessageIds(), QList<int>{IDS_RESTORE_SYSTEM_ERROR});
    EXPECT_EQ(rig.prompt.messages[0].style, MB_ICONSTOP);
    EXPECT_EQ(bin.entries.size(), 2);
}

TEST_F(RecycleRestore, NotEnoughRoomIsReportedOnceAndKeepsTheEntries) {
    for (RecycleEntry& entry : bin.entries)
        entry.size = 1ull << 62;
    rig.prompt.confirmAnswers = {CONFIRM_YES_TO_ALL};
    bin.RestoreFromBin({0, 1});
    EXPECT_EQ(rig.prompt.MessageIds(), QList<int>{IDS_RESTORE_NO_SPACE});
    EXPECT_EQ(rig.prompt.messages[0].style, MB_ICONEXCLAMATION);
    EXPECT_EQ(bin.entries.size(), 2);
    EXPECT_EQ(Read("\\A\\one.txt"), "new one");
}

TEST_F(RecycleRestore, OldVersionItemsAndMissingArchivesAreHandled) {
    rig.dev.Make({"\\~Recycle\\Work\\a.txt=a", "\\~Recycle\\Work\\e\\", "\\~Recycle\\plain=p"});
    bin.entries.clear();
    RecycleEntry folder;
    folder.archivePath = "\\~Recycle\\Work";
    folder.originalPath = "\\Old\\Work";
    folder.attributes = Attr::kDirectory;
    RecycleEntry plain;
    plain.archivePath = "\\~Recycle\\plain";
    plain.originalPath = "\\Old\\plain.txt";
    RecycleEntry gone;
    gone.archivePath = "\\~Recycle\\gone.nzc";
    gone.originalPath = "\\Old\\gone.txt";
    bin.entries = {folder, plain, gone};
    bin.RestoreFromBin({0, 1, 2});
    EXPECT_TRUE(bin.entries.isEmpty());
    EXPECT_EQ(Read("\\Old\\Work\\a.txt"), "a");
    EXPECT_TRUE(rig.dev.Exists("\\Old\\Work\\e"));
    EXPECT_EQ(Read("\\Old\\plain.txt"), "p");
    EXPECT_FALSE(rig.dev.Exists("\\Old\\gone.txt"));
    EXPECT_EQ(rig.dev.List("\\~Recycle"), QStringList({"one.txt.nzc", "two.txt.nzc"}));
}

TEST_F(RecycleRestore, EraseRemovesTheArchivesFromTheLastRowToTheFirst) {
    QList<int> removed;
    RecycleBin::RestoreObserver observer;
    observer.rowRemoved = [&removed](int row) { removed.append(row); };
    bin.dirty = false;
    bin.EraseFromBin({1, 0, 7}, observer);
    EXPECT_EQ(removed, QList<int>({1, 0}));
    EXPECT_TRUE(bin.entries.isEmpty());
    EXPECT_TRUE(bin.dirty);
    EXPECT_EQ(rig.dev.List("\\~Recycle"), QStringList());
    EXPECT_EQ(Read("\\A\\one.txt"), "new one");
}
