#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>

#include "recycle/recycle_bin_rig.h"
#include "recycle/recycle_test_helpers.h"
#include "support/faulty_device_fs.h"

namespace {

class RecyclePut : public ::testing::Test {
protected:
    RecyclePut() : fs(rig.dev.fs()) {
        rig.dev.Make({"\\~Recycle\\"});
        rig.OpenInMainMemory();
        rig.bin.SaveRecycleIndex();  // an empty index, as every put and restore leave it
    }
    BinRig rig;
    RecycleBin& bin = rig.bin;
    DeviceFs& fs;
};

}  // namespace

TEST_F(RecyclePut, ASecondItemOfTheSameNameGetsANumberedArchive) {
    rig.dev.Make({"\\A\\report.txt=one", "\\B\\report.txt=second"});
    const std::optional<RecycleEntry> first = bin.MoveToRecycleBin("\\A\\report.txt");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->archivePath, "\\~Recycle\\report.txt.nzc");
    EXPECT_EQ(first->originalPath, "\\A\\report.txt");
    EXPECT_EQ(first->size, 3u);
    EXPECT_EQ(first->attributes, Attr::kArchive);
    EXPECT_EQ(first->deleteTime.fields, (std::array<quint16, 8>{2024, 5, 1, 6, 7, 8, 9, 10}));

    const std::optional<RecycleEntry> second = bin.MoveToRecycleBin("\\B\\report.txt");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->archivePath, "\\~Recycle\\report.txt(2).nzc");
    EXPECT_EQ(bin.entries(), QList<RecycleEntry>({*first, *second}));
    EXPECT_EQ(rig.dev.List("\\B"), QStringList());
    EXPECT_FALSE(bin.MoveToRecycleBin("\\~Recycle"));  // the bin cannot go into itself
}

// Archives are private to the user; a restore brings back every level, empty folders, the
// attributes, write times and permission bits the items had.
TEST_F(RecyclePut, ArchivesArePrivateAndItemsComeBackWhole) {
    rig.dev.Make({"\\Empty\\", "\\Docs\\a.txt=alpha", "\\Docs\\sub\\b.bin#20000",
                  "\\Docs\\sub\\deep\\c.txt=gamma", "\\Docs\\empty\\", "\\Docs\\sub\\e\\",
                  "\\P\\secret.txt=s", "\\P\\tool.sh=t", "\\P\\shared.txt=x"});
    ASSERT_TRUE(fs.SetAttributes("\\Empty", Attr::kDirectory | Attr::kHidden));
    const QString deep = QStringLiteral("\\Docs\\sub\\deep\\c.txt");
    ASSERT_TRUE(fs.SetTimes(deep, nullptr, nullptr, &kOddTime));
    const QList<std::pair<QString, quint32>> modes = {
        {"\\P\\secret.txt", 0600}, {"\\P\\tool.sh", 0755}, {"\\P\\shared.txt", 0640}, {"\\P", 0700}};
    for (const auto& [path, mode] : modes)
        ASSERT_EQ(chmod(QFile::encodeName(fs.HostPath(path)).constData(), mode), 0);
    const QStringList before = rig.dev.Snapshot();
    for (const char* item : {"\\Empty", "\\Docs", "\\P"})
        ASSERT_TRUE(bin.MoveToRecycleBin(item)) << item;
    EXPECT_EQ(bin.entries()[1].size, 20010u);
    EXPECT_TRUE(bin.entries()[1].IsFolder());
    EXPECT_EQ(fs.GetPermissions(bin.entries()[2].archivePath), 0600u);
    bin.RestoreFromBin({0, 1, 2});
    EXPECT_EQ(rig.dev.Snapshot(), before);
    EXPECT_TRUE(*fs.GetAttributes("\\Empty") & Attr::kHidden);
    EXPECT_EQ(WriteTime(fs, deep), FloorToEvenSecond(kOddTime));
    for (const auto& [path, mode] : modes)
        EXPECT_EQ(fs.GetPermissions(path), mode) << path;
}

TEST_F(RecyclePut, LeftoversGoButListedItemsAndLiveTemporaryFilesStay) {
    rig.dev.Make({"\\a.txt=alpha", "\\b.txt=beta", "\\~Recycle\\item.part=old item"});
    RecycleEntry listed;  // an old-version item whose own name ends in ".part"
    listed.archivePath = "\\~Recycle\\item.part";
    listed.originalPath = "\\item.part";
    listed.plain = true;
    bin.SetEntries(bin.binPath(), {listed});
    ASSERT_TRUE(bin.MoveToRecycleBin("\\a.txt"));
    // As a crash of an earlier version leaves them: an archive complete but not in the index
    // yet, and one still being written under its working name.
    ASSERT_TRUE(fs.MoveFile("\\~Recycle\\a.txt.nzc", "\\~Recycle\\b.txt.nzc.part"));
    ASSERT_TRUE(bin.MoveToRecycleBin("\\b.txt"));
    ASSERT_TRUE(fs.MoveFile("\\~Recycle\\b.txt.nzc", "\\~Recycle\\late.nzc"));
    // Another process's pack in progress.
    QString live;
    const std::unique_ptr<DeviceFile> writing = fs.CreateTempFile("\\~Recycle", &live);
    ASSERT_TRUE(writing);
    bin.LoadRecycleIndex();
    EXPECT_EQ(rig.BinItems(), QStringList({"item.part", "late.nzc"}));
    EXPECT_TRUE(rig.dev.Exists(live));
    ASSERT_EQ(bin.entries().size(), 2);
    EXPECT_EQ(bin.entries()[1].originalPath, "\\b.txt");
}

// Where the hidden mark cannot be stored the bin works without it and leaves nothing behind.
TEST_F(RecyclePut, AMediumWithoutAttributesStillTakesAndReturnsItems) {
    rig.dev.Make({"\\Docs\\a.txt=alpha", "\\f.txt=file"});
    FaultyDeviceFs plain(fs);
    plain.FailWhen([](FaultyDeviceFs::Op op, const QString&) {
        return op == FaultyDeviceFs::Op::SetAttributes;
    });
    RecycleBin plainBin(plain, rig.dev.settings(), rig.prompt, rig.clock);
    plainBin.SetEntries(bin.binPath(), {});
    plainBin.LoadRecycleIndex();
    const QStringList before = rig.dev.Snapshot("\\Docs") + rig.dev.Snapshot("\\f.txt");
    ASSERT_TRUE(plainBin.MoveToRecycleBin("\\Docs"));
    ASSERT_TRUE(plainBin.MoveToRecycleBin("\\f.txt"));
    EXPECT_EQ(rig.BinItems(), QStringList({"Docs.nzc", "f.txt.nzc"}));
    plainBin.RestoreFromBin({0, 1});
    EXPECT_TRUE(plainBin.entries().isEmpty());
    EXPECT_EQ(rig.dev.Snapshot("\\Docs") + rig.dev.Snapshot("\\f.txt"), before);
    EXPECT_EQ(rig.BinItems(), QStringList());
}
