#include <gtest/gtest.h>

#include <QDir>

#include "app/path_helpers.h"
#include "recycle/recycle_bin_rig.h"
#include "recycle/recycle_index.h"
#include "recycle/recycle_test_helpers.h"

namespace {

bool IsHidden(TempDevice& dev, const QString& path) {
    const std::optional<quint32> attributes = dev.fs().GetAttributes(path);
    return attributes && (*attributes & Attr::kHidden);
}

QStringList ArchivePaths(const RecycleBin& bin) {
    QStringList paths;
    for (const RecycleEntry& entry : bin.entries())
        paths.append(entry.archivePath);
    paths.sort();
    return paths;
}

}  // namespace

TEST(RecycleLocation, TheBinPathFollowsThePositionAndTheChosenCard) {
    BinRig noCard;
    QString path;
    EXPECT_TRUE(noCard.bin.MakeBinPath(std::nullopt, &path));
    EXPECT_EQ(path, "\\~Recycle");
    EXPECT_EQ(noCard.bin.settings().position, 0);  // no card mounted: main memory

    BinRig card({"SD"});
    EXPECT_FALSE(card.bin.MakeBinPath(std::nullopt, &path));  // no card chosen yet
    EXPECT_EQ(path, "*~Recycle");
    EXPECT_EQ(card.bin.settings().position, 1);
    EXPECT_TRUE(card.bin.MakeBinPath(0, &path));
    EXPECT_EQ(path, "\\~Recycle");
    card.SetText(IDS_KEY_STORAGE_CARD, "SD");
    EXPECT_TRUE(card.bin.MakeBinPath(std::nullopt, &path));
    EXPECT_EQ(path, "\\SD\\~Recycle");

    // A stored bin on a card that is not there is reported and left alone.
    BinRig removed;
    removed.SetText(IDS_KEY_STORAGE_CARD, "SD");
    removed.SetText(IDS_KEY_RECYCLE_PATH, "\\SD\\~Recycle");
    removed.bin.Open();
    removed.bin.CheckRecycleBin();
    EXPECT_EQ(removed.prompt.MessageIds(), QList<int>{IDS_STORAGE_CARD_REMOVED});
    EXPECT_EQ(removed.bin.binPath(), "\\SD\\~Recycle");
    EXPECT_EQ(removed.dev.List("\\"), QStringList());
}

TEST(RecycleLocation, AComputedBinIsCreatedHiddenStoredAndRebuiltWhenDamaged) {
    BinRig rig;
    rig.bin.Open();
    EXPECT_EQ(rig.bin.binPath(), "\\~Recycle");
    EXPECT_TRUE(IsHidden(rig.dev, "\\~Recycle"));
    EXPECT_EQ(rig.dev.fs().GetPermissions("\\~Recycle"), 0700u);  // private to the user
    EXPECT_TRUE(rig.bin.binReady());
    rig.bin.SaveSettings();
    rig.bin.Close();
    SettingsStore& settings = rig.dev.settings();
    EXPECT_EQ(settings.GetText(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_PATH), "\\~Recycle");
    EXPECT_EQ(settings.GetInt(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_POS), 0);

    // The stored folder is used as it is, and the start-up check rebuilds it.
    ASSERT_TRUE(QDir(rig.dev.HostRoot() + "/~Recycle").removeRecursively());
    rig.bin.Open();
    EXPECT_FALSE(rig.dev.Exists("\\~Recycle"));
    EXPECT_FALSE(rig.bin.binReady());
    rig.bin.CheckRecycleBin();
    EXPECT_EQ(rig.prompt.MessageIds(), QList<int>{IDS_RECYCLE_BIN_DAMAGED});
    EXPECT_TRUE(IsHidden(rig.dev, "\\~Recycle"));
    EXPECT_TRUE(rig.bin.binReady());
    rig.bin.CheckRecycleBin();
    EXPECT_EQ(rig.prompt.messages.size(), 1);
}

// Into a card's bin of another program and back, keeping the archives of both.
TEST(RecycleLocation, TheBinMovesToACardAndBack) {
    BinRig rig({"SD"});
    rig.dev.Make({"\\~Recycle\\", "\\SD\\~Recycle\\", "\\a.txt=ours", "\\b\\a.txt=theirs",
                  "\\D\\b.txt=b", "\\c.txt=c"});
    rig.OpenInMainMemory();
    RecycleBin other(rig.dev.fs(), rig.dev.settings(), rig.prompt, rig.clock);
    other.SetEntries("\\SD\\~Recycle", {});
    ASSERT_TRUE(other.MoveToRecycleBin("\\b\\a.txt"));
    ASSERT_TRUE(other.SaveRecycleIndex());
    RecycleBin& bin = rig.bin;
    ASSERT_TRUE(bin.MoveToRecycleBin("\\a.txt"));
    ASSERT_TRUE(bin.MoveToRecycleBin("\\D"));

    EXPECT_FALSE(bin.SetBinLocation(1, true));  // no card chosen: nothing changes
    EXPECT_EQ(bin.binPath(), "\\~Recycle");
    EXPECT_EQ(bin.settings().position, 0);
    // A chosen card that is gone: the bin stays, the card setting goes back to none.
    rig.SetText(IDS_KEY_STORAGE_CARD, "Gone");
    EXPECT_FALSE(bin.RelocateBin(1, "\\"));
    EXPECT_EQ(rig.dev.settings().GetText(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD), "\\");
    EXPECT_EQ(bin.binPath(), "\\~Recycle");
    EXPECT_EQ(bin.settings().position, 0);

    rig.SetText(IDS_KEY_STORAGE_CARD, "SD");
    ScriptedProgress progress;
    ASSERT_TRUE(bin.SetBinLocation(1, true, &progress));
    EXPECT_FALSE(progress.reports.isEmpty());
    EXPECT_EQ(bin.binPath(), "\\SD\\~Recycle");
    EXPECT_FALSE(rig.dev.Exists("\\~Recycle"));
    EXPECT_EQ(ArchivePaths(bin),
              QStringList({"\\SD\\~Recycle\\D.nzc", "\\SD\\~Recycle\\a.txt(2).nzc",
                           "\\SD\\~Recycle\\a.txt.nzc"}));
    EXPECT_FALSE(bin.dirty());

    // On the card the index is on disk after each command.
    ASSERT_TRUE(bin.MoveToRecycleBin("\\c.txt"));
    bin.FlushRecycleIndex(false);
    EXPECT_FALSE(bin.dirty());
    EXPECT_EQ(DecodeRecycleIndex(rig.dev.Read(bin.GetIndexPath())).entries, bin.entries());

    ASSERT_TRUE(bin.SetBinLocation(0, true));
    EXPECT_FALSE(rig.dev.Exists("\\SD\\~Recycle"));
    EXPECT_TRUE(IsHidden(rig.dev, "\\~Recycle"));  // made again by the move
    EXPECT_EQ(rig.BinItems().size(), 4);
    bin.RestoreFromBin({0, 1, 2, 3});
    EXPECT_TRUE(bin.entries().isEmpty());
    EXPECT_EQ(rig.dev.Read("\\a.txt"), "ours");
    EXPECT_EQ(rig.dev.Read("\\b\\a.txt"), "theirs");
    EXPECT_EQ(rig.dev.Read("\\D\\b.txt"), "b");
    EXPECT_EQ(rig.dev.Read("\\c.txt"), "c");
}
