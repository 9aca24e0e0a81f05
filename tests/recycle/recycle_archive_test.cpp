#include <gtest/gtest.h>

#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "recycle/recycle_archive_convert.h"
#include "recycle/recycle_archive_entries.h"
#include "recycle/recycle_archive_extract.h"
#include "recycle/recycle_archive_item.h"
#include "recycle/recycle_archive_pack.h"
#include "recycle/recycle_test_helpers.h"
#include "resources/ids.h"
#include "support/faulty_device_fs.h"
#include "support/recording_prompt.h"
#include "support/temp_device.h"

namespace {

class RecycleArchiveTest : public ::testing::Test {
protected:
    RecycleArchiveTest() : fs(dev.fs()) { dev.Make({"\\~Recycle\\"}); }

    TempDevice dev;
    DeviceFs& fs;
    const QString archive = "\\~Recycle\\item.nzc";
};

TEST_F(RecycleArchiveTest, AFileComesBackWithItsAttributesAndWriteTime) {
    const QString file = "\\My Documents\\報告.txt";
    dev.File(file, "hello world");
    ASSERT_TRUE(fs.SetTimes(file, nullptr, nullptr, &kOddTime));
    const quint32 attributes = Attr::kReadOnly | Attr::kHidden | Attr::kArchive;
    ASSERT_TRUE(fs.SetAttributes(file, attributes));

    const PackResult pack = PackIntoArchive(fs, file, archive);
    ASSERT_TRUE(pack.packed);
    EXPECT_FALSE(pack.isFolder);
    EXPECT_EQ(pack.attributes, attributes);
    EXPECT_EQ(pack.bytes, 11u);
    EXPECT_TRUE(*fs.GetAttributes(archive) & Attr::kHidden);

    ASSERT_TRUE(DeleteFileForce(fs, file));
    const ExtractResult restored = ExtractArchive(fs, archive);
    EXPECT_TRUE(restored.Complete());
    EXPECT_EQ(restored.files, 1u);
    EXPECT_EQ(dev.Read(file), QByteArray("hello world"));
    EXPECT_EQ(WriteTime(fs, file), FloorToEvenSecond(kOddTime));
    EXPECT_EQ(*fs.GetAttributes(file), attributes);
    EXPECT_EQ(dev.List("\\My Documents"), QStringList{"報告.txt"});
}

TEST_F(RecycleArchiveTest, RestoringReplacesFilesButLeavesExistingFoldersAlone) {
    dev.Make({"\\R\\f.txt=new content", "\\R\\keep\\"});
    ASSERT_TRUE(PackIntoArchive(fs, "\\R", archive).packed);
    // Meanwhile a read-only file took the name and the folder changed.
    dev.File("\\R\\f.txt", "old");
    ASSERT_TRUE(fs.SetAttributes("\\R\\f.txt", Attr::kReadOnly));
    ASSERT_TRUE(fs.SetAttributes("\\R\\keep", Attr::kHidden));
    ASSERT_TRUE(fs.SetTimes("\\R\\keep", nullptr, nullptr, &kOddTime));

    EXPECT_TRUE(ExtractArchive(fs, archive).Complete());
    EXPECT_EQ(dev.Read("\\R\\f.txt"), QByteArray("new content"));
    EXPECT_FALSE(*fs.GetAttributes("\\R\\f.txt") & Attr::kReadOnly);
    EXPECT_TRUE(*fs.GetAttributes("\\R\\keep") & Attr::kHidden);
    EXPECT_EQ(WriteTime(fs, "\\R\\keep"), kOddTime);
    EXPECT_EQ(dev.List("\\R"), QStringList({"f.txt", "keep\\"}));
}

TEST_F(RecycleArchiveTest, APlainFileIsNoArchive) {
    dev.File("\\~Recycle\\old.txt", "an item of the old version");
    EXPECT_TRUE(ExtractArchive(fs, "\\~Recycle\\old.txt").NotAnArchive());
    EXPECT_EQ(ReadArchiveEntries(fs, "\\~Recycle\\old.txt").code, kArchiveNotZip);
    EXPECT_EQ(ExtractArchive(fs, "\\~Recycle\\gone.nzc").code, kArchiveUnreadable);
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

// A put cancelled inside a large file leaves no archive; a restore stops after the file.
TEST_F(RecycleArchiveTest, CancelLeavesNoArchiveOrStopsTheRestoreAfterTheCurrentFile) {
    dev.Make({"\\L.bin#3000000", "\\C\\a.txt=1", "\\C\\b.txt=2", "\\C\\c.txt=3"});
    const QStringList before = dev.Snapshot();
    ScriptedProgress midFile;  // as soon as the first megabyte is reported
    midFile.answer = [](const ProgressState& s) { return s.doneBytes == 0; };
    const PackResult pack = PackIntoArchive(fs, "\\L.bin", archive, &midFile);
    EXPECT_TRUE(pack.cancelled && !pack.packed);
    EXPECT_EQ(dev.Snapshot(), before);

    ASSERT_TRUE(PackIntoArchive(fs, "\\C", archive).packed);
    RemoveTree(fs, "\\C");
    ScriptedProgress afterFirstFile;
    afterFirstFile.answer = [](const ProgressState& s) { return s.doneFiles < 1; };
    const ExtractResult result = ExtractArchive(fs, archive, &afterFirstFile);
    EXPECT_TRUE(result.cancelled && !result.Complete());
    EXPECT_EQ(result.files, 1u);
    EXPECT_EQ(dev.List("\\C").size(), 1);
    EXPECT_EQ(afterFirstFile.reports.first().totalFiles, 3u);
}

TEST_F(RecycleArchiveTest, RomFilesAndTheArchiveItselfAreNeverPacked) {
    dev.Make({"\\rom.bin=rom", "\\Outer\\a.txt=a"});
    dev.SetRawAttributes("\\rom.bin", Attr::kRomModule);
    EXPECT_FALSE(PackIntoArchive(fs, "\\rom.bin", archive).packed);
    EXPECT_FALSE(dev.Exists(archive));

    const QString inside = "\\Outer\\self.nzc";
    EXPECT_FALSE(PackIntoArchive(fs, "\\Outer", inside).packed);
    EXPECT_EQ(dev.List("\\Outer"), QStringList{"a.txt"});
}

// The deleted item told from its entries: a file, a folder holding a single file in a
// subfolder (and a refused entry), an empty folder, nothing usable.
TEST(InferArchivedItem, TellsTheDeletedItemFromItsEntries) {
    const struct {
        QList<std::pair<QString, quint64>> entries;  // a path ending in '\\' is a folder
        const char* archive;
        QString original;  // empty: no item
        bool folder;
        quint64 size;
    } rows[] = {
        {{{"\\A\\report.txt", 7}}, "report.txt(2).nzc", "\\A\\report.txt", false, 7},
        {{{"\\A\\Docs\\sub\\only.txt", 5}, {"", 100}}, "Docs.nzc", "\\A\\Docs", true, 5},
        {{{"\\E\\", 0}}, "E.nzc", "\\E", true, 0},
        {{{"", 1}}, "x.nzc", "", false, 0},
    };
    for (const auto& row : rows) {
        ArchiveListing listing;
        for (const auto& [path, size] : row.entries) {
            ArchiveEntry entry;
            entry.isFolder = path.endsWith(QLatin1Char('\\'));
            entry.path = entry.isFolder ? path.chopped(1) : path;
            entry.size = size;
            entry.attributes = entry.isFolder ? Attr::kDirectory : Attr::kArchive;
            listing.entries.append(entry);
        }
        const auto item = InferArchivedItem(listing, "\\~Recycle\\" + QString(row.archive));
        ASSERT_EQ(bool(item), !row.original.isEmpty()) << row.archive;
        if (!item) continue;
        EXPECT_EQ(item->originalPath, row.original);
        EXPECT_EQ(item->isFolder, row.folder) << row.archive;
        EXPECT_EQ(item->size, row.size) << row.archive;
    }
}

}  // namespace

TEST(CompressRecycleBin, PacksOldItemsUnderTheirOriginalPaths) {
    TempDevice dev;
    DeviceFs& fs = dev.fs();
    dev.Make({"\\~Recycle\\report.txt=old file", "\\~Recycle\\Docs\\a.txt=a",
              "\\~Recycle\\Docs\\empty\\", "\\~Recycle\\x=second", "\\~Recycle\\x.nzc=keep"});
    QList<OldBinItem> items = {
        {"\\~Recycle\\report.txt", "\\My Documents\\report.txt", {}},
        {"\\~Recycle\\Docs", "\\Work\\Docs", {}},
        {"\\~Recycle\\x", "\\x", {}},
        {"\\~Recycle\\missing", "\\missing", {}},
    };
    RecordingPrompt prompt;
    EXPECT_EQ(CompressRecycleBin(fs, prompt, items), 3);
    ASSERT_EQ(prompt.MessageIds(), QList<int>{IDS_COMPRESS_RECYCLE_BIN});

    EXPECT_EQ(items[0].archivePath, "\\~Recycle\\report.txt.nzc");
    EXPECT_EQ(items[1].archivePath, "\\~Recycle\\Docs.nzc");
    // A taken name belongs to another item: it is numbered, not overwritten.
    EXPECT_EQ(items[2].archivePath, "\\~Recycle\\x(2).nzc");
    EXPECT_TRUE(items[3].archivePath.isEmpty());
    EXPECT_EQ(dev.Read("\\~Recycle\\x.nzc"), QByteArray("keep"));
    EXPECT_EQ(dev.List("\\~Recycle"),
              QStringList({"Docs.nzc", "report.txt.nzc", "x(2).nzc", "x.nzc"}));

    const ArchiveListing docs = ReadArchiveEntries(fs, items[1].archivePath);
    ASSERT_EQ(docs.entries.size(), 3);  // the folder, its file and its empty folder
    for (const QString& archive : {items[0].archivePath, items[1].archivePath}) {
        EXPECT_TRUE(ExtractArchive(fs, archive).Complete());
    }
    EXPECT_EQ(dev.Read("\\My Documents\\report.txt"), QByteArray("old file"));
    EXPECT_EQ(dev.Read("\\Work\\Docs\\a.txt"), QByteArray("a"));
    EXPECT_TRUE(dev.Exists("\\Work\\Docs\\empty"));

    QList<OldBinItem> nothing;
    EXPECT_EQ(CompressRecycleBin(fs, prompt, nothing), 0);
    EXPECT_EQ(prompt.messages.size(), 1);
}
