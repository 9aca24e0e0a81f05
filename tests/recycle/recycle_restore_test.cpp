#include <gtest/gtest.h>

#include <QRegularExpression>

#include "app/message.h"
#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "recycle/recycle_archive.h"
#include "recycle/recycle_archive_pack.h"
#include "recycle/recycle_bin_rig.h"
#include "recycle/recycle_index.h"

namespace {

class RecycleRestore : public ::testing::Test {
protected:
    RecycleRestore() {
        rig.dev.Make({"\\~Recycle\\", "\\A\\one.txt=old one", "\\A\\two.txt=old two"});
        rig.OpenInMainMemory();
        EXPECT_TRUE(bin.MoveToRecycleBin("\\A\\one.txt"));
        EXPECT_TRUE(bin.MoveToRecycleBin("\\A\\two.txt"));
        rig.dev.Make({"\\A\\one.txt=new one", "\\A\\two.txt=new two"});
        observer.rowRemoved = [this](int row) { removed.append(row); };
    }
    QString Read(const char* path) { return QString::fromUtf8(rig.dev.Read(path)); }

    BinRig rig;
    RecycleBin& bin = rig.bin;
    QList<int> removed;  // the rows the observer was told of
    RecycleBin::RestoreObserver observer;
};

}  // namespace

// Rows are restored from the last: Cancel ends the run, No skips a row, Yes to all asks once.
TEST_F(RecycleRestore, CancelEndsTheRunNoSkipsARowAndYesToAllAsksOnce) {
    const QList<RecycleEntry> both = bin.entries();
    rig.prompt.confirmAnswers = {ConfirmAnswer::Cancel};
    bin.RestoreFromBin({0, 1});
    ASSERT_EQ(rig.prompt.confirms.size(), 1);
    const ConfirmRequest& asked = rig.prompt.confirms[0];
    EXPECT_EQ(asked.templateId, IDD_CONFIRM_REPLACE);
    EXPECT_EQ(asked.text, FormatStr(IDS_FILE_EXISTS, QStringLiteral("two.txt")));
    EXPECT_EQ(asked.existingPath, "\\A\\two.txt");
    EXPECT_EQ(asked.newPath, "\\~Recycle\\two.txt.nzc");
    EXPECT_EQ(bin.entries(), both);
    EXPECT_EQ(Read("\\A\\two.txt"), "new two");

    rig.prompt.confirmAnswers = {ConfirmAnswer::No, ConfirmAnswer::Yes};
    bin.RestoreFromBin({0, 1}, observer);
    EXPECT_EQ(rig.prompt.confirms.size(), 3);
    EXPECT_EQ(Read("\\A\\two.txt"), "new two");
    EXPECT_EQ(Read("\\A\\one.txt"), "old one");
    EXPECT_EQ(bin.entries(), QList<RecycleEntry>{both[1]});
    EXPECT_EQ(removed, QList<int>{0});

    ASSERT_TRUE(bin.MoveToRecycleBin("\\A\\one.txt"));
    rig.dev.Make({"\\A\\one.txt=new one"});
    rig.prompt.confirmAnswers = {ConfirmAnswer::YesToAll};
    bin.RestoreFromBin({0, 1});
    EXPECT_EQ(rig.prompt.confirms.size(), 4);
    EXPECT_EQ(Read("\\A\\one.txt"), "old one");
    EXPECT_EQ(Read("\\A\\two.txt"), "old two");
    EXPECT_TRUE(bin.entries().isEmpty());
    EXPECT_EQ(rig.BinItems(), QStringList());
}

TEST_F(RecycleRestore, AFolderConflictAsksTheFolderQuestionAndEraseGoesFromTheLastRow) {
    rig.dev.Make({"\\Docs\\x.txt=x"});
    ASSERT_TRUE(bin.MoveToRecycleBin("\\Docs"));
    rig.dev.Make({"\\Docs\\"});
    bin.RestoreFromBin({2});
    ASSERT_EQ(rig.prompt.confirms.size(), 1);
    const ConfirmRequest& asked = rig.prompt.confirms[0];
    EXPECT_EQ(asked.templateId, IDD_CONFIRM);
    EXPECT_EQ(asked.text, FormatStr(IDS_CONFIRM_REPLACE_FOLDER, QStringLiteral("Docs")));
    EXPECT_EQ(asked.titleId, IDS_REPLACE_FOLDER_TITLE);
    EXPECT_EQ(asked.allButtonId, IDS_REPLACE_ALL);
    EXPECT_EQ(Read("\\Docs\\x.txt"), "x");

    // Erase goes from the last row to the first and skips rows that are not there.
    bin.EraseFromBin({1, 0, 7}, observer);
    EXPECT_EQ(removed, QList<int>({1, 0}));
    EXPECT_TRUE(bin.entries().isEmpty());
    EXPECT_EQ(rig.BinItems(), QStringList());
    EXPECT_EQ(Read("\\A\\one.txt"), "new one");
}

// Too little room, or a file where the folder would go: one message for the run, and the
// entries stay; a folder that is merely gone is made again.
TEST_F(RecycleRestore, ProblemsAreReportedOnceAndKeepTheEntries) {
    const QList<RecycleEntry> both = bin.entries();
    QList<RecycleEntry> huge = both;
    for (RecycleEntry& entry : huge)
        entry.size = 1ull << 62;
    bin.SetEntries(bin.binPath(), huge);
    rig.prompt.confirmAnswers = {ConfirmAnswer::YesToAll};
    bin.RestoreFromBin({0, 1});
    EXPECT_EQ(rig.prompt.MessageIds(), QList<int>{IDS_RESTORE_NO_SPACE});
    EXPECT_EQ(bin.entries().size(), 2);
    EXPECT_EQ(Read("\\A\\one.txt"), "new one");

    rig.prompt.messages.clear();
    bin.SetEntries(bin.binPath(), both);
    RemoveTree(rig.dev.fs(), "\\A");
    bin.RestoreFromBin({1});
    EXPECT_EQ(Read("\\A\\two.txt"), "old two");
    RemoveTree(rig.dev.fs(), "\\A");
    rig.dev.File("\\A", "file");
    bin.SetEntries(bin.binPath(), {both[0], both[0]});
    bin.RestoreFromBin({0, 1});
    EXPECT_EQ(rig.prompt.MessageIds(), QList<int>{IDS_RESTORE_SYSTEM_ERROR});
    EXPECT_EQ(bin.entries().size(), 2);
}

// An old-version item is the file or folder it is, even a zip file: copied back, never
// extracted, also after a program wrote the index in the current form before converting it.
TEST_F(RecycleRestore, OldVersionItemsComeBackAsTheyAreAndMissingArchivesAreDropped) {
    bin.EraseFromBin({0, 1});
    rig.dev.Make({"\\~Recycle\\Work\\a.txt=a", "\\~Recycle\\Work\\e\\", "\\readme.txt=mine",
                  "\\src\\readme.txt=evil"});
    ASSERT_TRUE(PackIntoArchive(rig.dev.fs(), "\\src\\readme.txt", "\\~Recycle\\data.zip", nullptr,
                                "\\readme.txt")
                    .packed);
    const QByteArray zip = rig.dev.Read("\\~Recycle\\data.zip");
    RecycleEntry folder;
    folder.archivePath = "\\~Recycle\\Work";
    folder.originalPath = "\\Old\\Work";
    folder.attributes = Attr::kDirectory;
    RecycleEntry zipped;
    zipped.archivePath = "\\~Recycle\\data.zip";
    zipped.originalPath = "\\Old\\data.zip";
    RecycleEntry gone;
    gone.archivePath = "\\~Recycle\\gone.nzc";
    gone.originalPath = "\\Old\\gone.txt";
    QByteArray old = *EncodeRecycleIndex({folder, zipped, gone});
    old[4] = '0';  // "NR0"
    rig.dev.File("\\~Recycle\\~Recycle.bin", old);
    bin.LoadRecycleIndex();
    ASSERT_EQ(bin.entries().size(), 2);  // the one whose item is gone is dropped
    EXPECT_FALSE(bin.indexIsCurrent());
    // Another program writes the index before converting: the items stay marked plain.
    rig.dev.Make({"\\n.txt=n"});
    ASSERT_TRUE(bin.MoveToRecycleBin("\\n.txt"));
    RecycleBin next(rig.dev.fs(), rig.dev.settings(), rig.prompt, rig.clock);
    next.Open();
    ASSERT_EQ(next.entries().size(), 3);
    next.RestoreFromBin({0, 1, 2});
    EXPECT_TRUE(next.entries().isEmpty());
    EXPECT_EQ(Read("\\Old\\Work\\a.txt"), "a");
    EXPECT_TRUE(rig.dev.Exists("\\Old\\Work\\e"));
    EXPECT_EQ(rig.dev.Read("\\Old\\data.zip"), zip);
    EXPECT_EQ(Read("\\readme.txt"), "mine");
    EXPECT_EQ(Read("\\n.txt"), "n");
    EXPECT_EQ(rig.BinItems(), QStringList());
}

// An entry's archive writes only inside the entry's own item; anything else makes it damaged.
TEST_F(RecycleRestore, AnArchiveWritesOnlyInsideItsOwnItem) {
    rig.dev.Make({"\\src\\m=member", "\\Docs\\"});
    const auto Outside = [this] {  // all but the index, which keeps the entry
        return rig.dev.Snapshot().filter(QRegularExpression("^(?!.*~Recycle.bin)"));
    };
    struct Row {
        QString original;
        bool folder;
        QStringList members;
        bool restored;
    };
    const Row rows[] = {
        {"\\Docs\\a.txt", false, {"\\Docs\\a.txt", "\\Temp\\evil.txt"}, false},
        {"\\Docs\\a.txt", false, {"\\Docs\\b.txt"}, false},
        {"\\Docs\\a.txt", false, {"\\Docs\\a.txt\\x"}, false},
        {"\\Docs", true, {"\\Docs\\x.txt", "\\Docsy\\x.txt"}, false},
        {"\\Docs", true, {"\\Docs\\x.txt", "\\readme.txt"}, false},
        {"\\Docs", true, {"\\Docs\\x.txt", "\\Docs\\sub\\y.txt"}, true},
    };
    for (const Row& row : rows) {
        RecycleArchive archive(rig.dev.fs());
        ASSERT_TRUE(archive.OpenArchive("\\~Recycle\\k.nzc"));
        for (const QString& member : row.members)
            ASSERT_TRUE(archive.AddToArchive("\\src\\m", member));
        ASSERT_TRUE(archive.CloseArchive());
        RecycleEntry entry;
        entry.archivePath = "\\~Recycle\\k.nzc";
        entry.originalPath = row.original;
        entry.attributes = row.folder ? Attr::kDirectory : Attr::kArchive;
        bin.SetEntries(bin.binPath(), {entry});
        rig.prompt.messages.clear();
        const QStringList before = Outside();
        bin.RestoreFromBin({0});
        EXPECT_EQ(bin.entries().isEmpty(), row.restored) << row.members.join(' ');
        if (row.restored) {
            EXPECT_EQ(Read("\\Docs\\sub\\y.txt"), "member");
            continue;
        }
        EXPECT_EQ(rig.prompt.MessageIds(), QList<int>{IDS_RECYCLE_ARCHIVE_DAMAGED});
        EXPECT_EQ(Outside(), before) << row.members.join(' ');
        EXPECT_FALSE(rig.dev.Exists("\\Temp")) << row.members.join(' ');
    }
}
