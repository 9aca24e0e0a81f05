#include <gtest/gtest.h>
#include <QDateTime>
#include <algorithm>

#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "support/faulty_device_fs.h"
#include "platform/file_time.h"
#include "recycle/recycle_archive.h"
#include "recycle/recycle_archive_entries.h"
#include "recycle/recycle_archive_extract.h"
#include "recycle/recycle_archive_item.h"
#include "recycle/recycle_archive_pack.h"
#include "recycle/recycle_test_helpers.h"
#include "support/temp_device.h"

namespace {

const FileTime kOddTime =
    FileTimeFromDateTime(QDateTime(QDate(2021, 3, 4), QTime(5, 6, 7, 900), Qt::LocalTime));

class RecycleArchiveTest : public ::testing::Test {
protected:
    RecycleArchiveTest() : fs(dev.fs()) { dev.Make({QStringLiteral("\\~Recycle\\")}); }

    QStringList EntryPaths(const QString& archive) {
        const ArchiveListing listing = ReadArchiveEntries(fs, archive);
        EXPECT_TRUE(listing.Ok());
        QStringList paths;
        for (const ArchiveEntry& e : listing.entries) {
            paths.append(e.isFolder ? e.path + QLatin1Char('\\') : e.path);
        }
        paths.sort();
        return paths;
    }

    TempDevice dev;
    DeviceFs& fs;
    const QString archive = QStringLiteral("\\~Recycle\\item.nzc");
};

TEST_F(RecycleArchiveTest, AFileComesBackWithItsAttributesAndWriteTime) {
    const QString file = QStringLiteral("\\My Documents\\報告.txt");
    dev.File(file, "hello world");
    ASSERT_TRUE(fs.SetTimes(file, nullptr, nullptr, &kOddTime));
    const quint32 attributes = Attr::kReadOnly | Attr::kHidden | Attr::kArchive;
    ASSERT_TRUE(fs.SetAttributes(file, attributes));

    const PackResult pack = PackIntoArchive(fs, file, archive);
    ASSERT_TRUE(pack.packed);
    EXPECT_FALSE(pack.isFolder);
    EXPECT_EQ(pack.attributes, attributes);
    EXPECT_EQ(pack.files, 1u);
    EXPECT_EQ(pack.bytes, 11u);
    EXPECT_TRUE(*fs.GetAttributes(archive) & Attr::kHidden);

    const ArchiveListing listing = ReadArchiveEntries(fs, archive);
    ASSERT_TRUE(listing.Ok());
    ASSERT_EQ(listing.entries.size(), 1);
    EXPECT_EQ(listing.entries[0].path, file);
    EXPECT_EQ(listing.entries[0].attributes, attributes);
    EXPECT_EQ(listing.entries[0].size, 11u);

    ASSERT_TRUE(DeleteFileForce(fs, file));
    const ExtractResult restored = ExtractArchive(fs, archive);
    EXPECT_TRUE(restored.Complete());
    EXPECT_EQ(restored.files, 1u);
    EXPECT_EQ(dev.Read(file), QByteArray("hello world"));
    EXPECT_EQ(WriteTime(fs, file), FloorToEvenSecond(kOddTime));
    EXPECT_EQ(*fs.GetAttributes(file), attributes);
    EXPECT_EQ(dev.List(QStringLiteral("\\My Documents")), QStringList{QStringLiteral("報告.txt")});
}

TEST_F(RecycleArchiveTest, RestoringReplacesFilesButLeavesExistingFoldersAlone) {
    dev.Make({"\\R\\f.txt=new content", "\\R\\keep\\"});
    ASSERT_TRUE(PackIntoArchive(fs, QStringLiteral("\\R"), archive).packed);
    // Meanwhile a read-only file took the name and the folder changed.
    dev.File(QStringLiteral("\\R\\f.txt"), "old");
    ASSERT_TRUE(fs.SetAttributes(QStringLiteral("\\R\\f.txt"), Attr::kReadOnly));
    ASSERT_TRUE(fs.SetAttributes(QStringLiteral("\\R\\keep"), Attr::kHidden));
    ASSERT_TRUE(fs.SetTimes(QStringLiteral("\\R\\keep"), nullptr, nullptr, &kOddTime));

    EXPECT_TRUE(ExtractArchive(fs, archive).Complete());
    EXPECT_EQ(dev.Read(QStringLiteral("\\R\\f.txt")), QByteArray("new content"));
    EXPECT_FALSE(*fs.GetAttributes(QStringLiteral("\\R\\f.txt")) & Attr::kReadOnly);
    EXPECT_TRUE(*fs.GetAttributes(QStringLiteral("\\R\\keep")) & Attr::kHidden);
    EXPECT_EQ(WriteTime(fs, QStringLiteral("\\R\\keep")), kOddTime);
    EXPECT_EQ(dev.List(QStringLiteral("\\R")), QStringList({"f.txt", "keep\\"}));
}

TEST_F(RecycleArchiveTest, APlainFileIsNoArchive) {
    dev.File(QStringLiteral("\\~Recycle\\old.txt"), "an item of the old version");
    EXPECT_TRUE(ExtractArchive(fs, QStringLiteral("\\~Recycle\\old.txt")).NotAnArchive());
    EXPECT_EQ(ReadArchiveEntries(fs, QStringLiteral("\\~Recycle\\old.txt")).code, kArchiveNotZip);
    EXPECT_EQ(ExtractArchive(fs, QStringLiteral("\\~Recycle\\gone.nzc")).code, kArchiveUnreadable);
}

TEST_F(RecycleArchiveTest, AHeaderFieldRunningPastTheEndIsReadInFewCalls) {
    dev.Make({"\\Docs\\a.txt=alpha", "\\Docs\\b.txt=beta"});
    ASSERT_TRUE(PackIntoArchive(fs, "\\Docs", archive).packed);
    // Each central header claims 64 KiB of extra fields that the file does not hold; the
    // library reads on field by field.
    QByteArray bytes = dev.Read(archive);
    for (qsizetype at = bytes.indexOf("PK\x01\x02"); at >= 0;
         at = bytes.indexOf("PK\x01\x02", at + 4)) {
        bytes[at + 30] = char(0xff);
        bytes[at + 31] = char(0xff);
    }
    dev.File(archive, bytes);
    FaultyDeviceFs counting(fs);
    int reads = 0;
    counting.FailWhen([&](FaultyDeviceFs::Op op, const QString&) {
        reads += op == FaultyDeviceFs::Op::Read;
        return false;
    });
    ReadArchiveEntries(counting, archive);
    ExtractArchive(counting, archive);
    EXPECT_LT(reads, 100);
}

TEST_F(RecycleArchiveTest, APutCancelledInsideALargeFileLeavesNoArchive) {
    dev.Make({"\\L.bin#3000000"});
    const QStringList before = dev.Snapshot();
    // As soon as the first megabyte is reported.
    ScriptedProgress midFile;
    midFile.answer = [](const ProgressState& s) { return s.doneBytes == 0; };
    const PackResult pack = PackIntoArchive(fs, QStringLiteral("\\L.bin"), archive, &midFile);
    EXPECT_FALSE(pack.packed);
    EXPECT_TRUE(pack.cancelled);
    EXPECT_EQ(dev.Snapshot(), before);
}

TEST_F(RecycleArchiveTest, ACancelledRestoreStopsAfterTheCurrentFile) {
    dev.Make({"\\C\\a.txt=1", "\\C\\b.txt=2", "\\C\\c.txt=3"});
    ASSERT_TRUE(PackIntoArchive(fs, QStringLiteral("\\C"), archive).packed);
    RemoveTree(fs, QStringLiteral("\\C"));
    ScriptedProgress afterFirstFile;
    afterFirstFile.answer = [](const ProgressState& s) { return s.doneFiles < 1; };
    const ExtractResult result = ExtractArchive(fs, archive, &afterFirstFile);
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.Complete());
    EXPECT_EQ(result.files, 1u);
    EXPECT_EQ(dev.List(QStringLiteral("\\C")).size(), 1);
    EXPECT_EQ(afterFirstFile.reports.first().totalFiles, 3u);
}

TEST_F(RecycleArchiveTest, RomFilesAndTheArchiveItselfAreNeverPacked) {
    dev.Make({"\\rom.bin=rom", "\\Outer\\a.txt=a"});
    dev.SetRawAttributes(QStringLiteral("\\rom.bin"), Attr::kRomModule);
    EXPECT_FALSE(PackIntoArchive(fs, QStringLiteral("\\rom.bin"), archive).packed);
    EXPECT_FALSE(dev.Exists(archive));

    const QString inside = QStringLiteral("\\Outer\\self.nzc");
    EXPECT_FALSE(PackIntoArchive(fs, QStringLiteral("\\Outer"), inside).packed);
    EXPECT_EQ(dev.List(QStringLiteral("\\Outer")), QStringList{QStringLiteral("a.txt")});
}

// Files around the piece size, with zip64 headers.
TEST_F(RecycleArchiveTest, Zip64HeadersRoundTrip) {
    dev.Make({"\\Z\\zero", "\\Z\\under#8191", "\\Z\\exact#8192", "\\Z\\over#8193",
              "\\Z\\big.bin#300000", "\\Z\\empty\\"});
    const QStringList before = dev.Snapshot(QStringLiteral("\\Z"));
    RecycleArchive writer(fs);
    writer.SetZip64Threshold(0);
    ASSERT_TRUE(writer.OpenArchive(archive));
    for (const char* name : {"zero", "under", "exact", "over", "big.bin", "empty"})
        EXPECT_TRUE(writer.AddToArchive(QStringLiteral("\\Z\\") + name));
    ASSERT_TRUE(writer.CloseArchive());
    RemoveTree(fs, QStringLiteral("\\Z"));
    EXPECT_TRUE(ExtractArchive(fs, archive).Complete());
    EXPECT_EQ(dev.Snapshot(QStringLiteral("\\Z")), before);
}

TEST_F(RecycleArchiveTest, UnzipCanTakeEntriesIntoAnotherFolder) {
    dev.Make({"\\S\\a.txt=a", "\\S\\sub\\b.txt=b"});
    ASSERT_TRUE(PackIntoArchive(fs, QStringLiteral("\\S"), archive).packed);
    EXPECT_TRUE(UnzipToPaths(fs, archive, false, QStringLiteral("\\Into"), nullptr).Complete());
    EXPECT_EQ(dev.Read(QStringLiteral("\\Into\\S\\sub\\b.txt")), QByteArray("b"));
    EXPECT_TRUE(UnzipToPaths(fs, archive, true, QStringLiteral("\\Flat"), nullptr).Complete());
    EXPECT_EQ(dev.List(QStringLiteral("\\Flat")), QStringList({"a.txt", "b.txt"}));
}

ArchiveEntry Entry(const QString& path, quint64 size, bool folder = false) {
    ArchiveEntry entry;
    entry.path = path;
    entry.size = size;
    entry.isFolder = folder;
    entry.attributes = folder ? Attr::kDirectory : Attr::kArchive;
    return entry;
}

TEST(InferArchivedItem, TellsTheDeletedItemFromItsEntries) {
    ArchiveListing file;
    file.entries = {Entry(QStringLiteral("\\A\\report.txt"), 7)};
    auto item = InferArchivedItem(file, QStringLiteral("\\~Recycle\\report.txt(2).nzc"));
    ASSERT_TRUE(item);
    EXPECT_EQ(item->originalPath, QStringLiteral("\\A\\report.txt"));
    EXPECT_FALSE(item->isFolder);
    EXPECT_EQ(item->size, 7u);

    // A folder holding a single file in a subfolder, and one with a refused entry.
    ArchiveListing tree;
    tree.entries = {Entry(QStringLiteral("\\A\\Docs\\sub\\only.txt"), 5), Entry(QString(), 100)};
    item = InferArchivedItem(tree, QStringLiteral("\\~Recycle\\Docs.nzc"));
    ASSERT_TRUE(item);
    EXPECT_EQ(item->originalPath, QStringLiteral("\\A\\Docs"));
    EXPECT_TRUE(item->isFolder);
    EXPECT_EQ(item->size, 5u);

    ArchiveListing empty;
    empty.entries = {Entry(QStringLiteral("\\E"), 0, true)};
    item = InferArchivedItem(empty, QStringLiteral("\\~Recycle\\E.nzc"));
    ASSERT_TRUE(item);
    EXPECT_TRUE(item->isFolder);

    ArchiveListing none;
    none.entries = {Entry(QString(), 1)};
    EXPECT_FALSE(InferArchivedItem(none, QStringLiteral("\\~Recycle\\x.nzc")));
}

}  // namespace
