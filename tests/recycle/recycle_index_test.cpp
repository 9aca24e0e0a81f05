#include <gtest/gtest.h>

#include "fileops/file_names.h"
#include "recycle/recycle_bin_rig.h"
#include "recycle/recycle_index.h"
#include "support/faulty_device_fs.h"
#include "support/utf16_bytes.h"

namespace {

const QString kIndex = QStringLiteral("\\~Recycle\\~Recycle.bin");

// The index laid out by hand: texts as a byte length (with the terminator), UTF-16LE and a
// 0; a 16-byte time of eight fields; 32-bit size and attributes.
QByteArray Text(const QString& text) {
    return Le16(quint16((text.size() + 1) * 2)) + Utf16(text) + Le16(0);
}

QByteArray Le32(quint32 value) {
    return Le16(quint16(value)) + Le16(quint16(value >> 16));
}

QByteArray Header(const char* magic, quint16 count) {
    return Utf16(QString::fromLatin1(magic, 3)) + Le16(0) + Le16(count) + QByteArray(32, '\0');
}

QByteArray Record(const RecycleEntry& e) {
    QByteArray out = Text(e.archivePath) + Text(e.originalPath) + Le16(16);
    for (quint16 f : e.deleteTime.fields)
        out += Le16(f);
    return out + Le32(quint32(e.size)) + Le32(e.attributes);
}

RecycleEntry Entry(const QString& name, const QString& original, quint64 size, quint32 attr,
                   int day) {
    RecycleEntry e;
    e.archivePath = QStringLiteral("\\~Recycle\\") + name;
    e.originalPath = original;
    e.deleteTime.fields = {2024, 5, 1, quint16(day), 7, 8, 9, 10};
    e.size = size;
    e.attributes = attr;
    return e;
}

const QList<RecycleEntry> kThree = {
    Entry("report.txt.nzc", "\\My Documents\\report.txt", 1234, 0x21, 6),
    Entry("Docs.nzc", "\\Docs", 70000, 0x10, 7),
    Entry("報告(2).doc.nzc", "\\My Documents\\報告.doc", 0, 0x22, 8),
};

class RecycleIndexTest : public ::testing::Test {
protected:
    RecycleIndexTest() {
        rig.dev.Make({"\\~Recycle\\"});
        rig.OpenInMainMemory();
    }
    void MakeArchives() {
        for (const RecycleEntry& e : kThree)
            rig.dev.File(e.archivePath, "zip?");
    }
    BinRig rig;
};

}  // namespace

TEST_F(RecycleIndexTest, EntriesAreWrittenByteExactAndReadBackFieldForField) {
    QByteArray expected = Header("NR1", 3);
    for (const RecycleEntry& e : kThree)
        expected += Record(e);
    MakeArchives();
    rig.bin.SetEntries(rig.bin.binPath(), kThree);
    ASSERT_TRUE(rig.bin.SaveRecycleIndex());
    EXPECT_FALSE(rig.bin.dirty());
    EXPECT_EQ(rig.dev.Read(kIndex), expected);
    EXPECT_TRUE(*rig.dev.fs().GetAttributes(kIndex) & Attr::kHidden);
    EXPECT_EQ(rig.BinItems().size(), 3);  // no temporary file left

    rig.bin.LoadRecycleIndex();
    EXPECT_EQ(rig.bin.entries(), kThree);
    EXPECT_FALSE(rig.bin.dirty());

    // An archive deleted by hand drops its entry.
    ASSERT_TRUE(DeleteFileForce(rig.dev.fs(), kThree[1].archivePath));
    rig.bin.LoadRecycleIndex();
    EXPECT_EQ(rig.bin.entries(), QList<RecycleEntry>({kThree[0], kThree[2]}));

    // Sizes from 4 GiB on are stored as the largest 32-bit value.
    RecycleEntry big = kThree[1];
    big.size = 5ull << 30;
    const QByteArray data = *EncodeRecycleIndex({big});
    EXPECT_EQ(DecodeRecycleIndex(data).entries[0].size, 0xffffffffu);
    RecycleEntry noArchive = big;
    noArchive.archivePath.clear();
    const RecycleIndexContent read = DecodeRecycleIndex(*EncodeRecycleIndex({noArchive}));
    ASSERT_EQ(read.entries.size(), 1);
    EXPECT_TRUE(read.entries[0].archivePath.isEmpty());
}

TEST_F(RecycleIndexTest, AMalformedRecordEndsTheReadAndKeepsTheRecordsBeforeIt) {
    MakeArchives();
    const QByteArray good = Record(kThree[0]);
    const QByteArray longPath = Text(QString(260, QLatin1Char('x')));  // 522 bytes: over the field
    QByteArray badTime = good;
    badTime[4 + 2 * (kThree[0].archivePath.size() + kThree[0].originalPath.size() + 2)] = 14;

    const QList<QByteArray> files = {
        Header("NR1", 3) + good + longPath + good,
        Header("NR1", 2) + good + badTime,
        Header("NR1", 9) + good + good,  // a count larger than the file holds
        Header("NR1", 2) + good + good.left(good.size() - 1),
    };
    for (const QByteArray& file : files) {
        rig.dev.File(kIndex, file);
        const RecycleIndexContent content = DecodeRecycleIndex(file);
        EXPECT_FALSE(content.complete);
        rig.bin.LoadRecycleIndex();
        EXPECT_GE(rig.bin.entries().size(), 1);
        for (const RecycleEntry& e : rig.bin.entries())
            EXPECT_EQ(e, kThree[0]);
    }
    EXPECT_EQ(DecodeRecycleIndex(files[2]).entries.size(), 2);
}

TEST_F(RecycleIndexTest, ArchivesTheIndexDoesNotListAreTakenBack) {
    rig.dev.Make({"\\Docs\\a.txt=alpha", "\\Docs\\e\\", "\\r.txt=rr"});
    ASSERT_TRUE(rig.bin.MoveToRecycleBin("\\r.txt"));
    ASSERT_TRUE(rig.bin.MoveToRecycleBin("\\Docs"));
    const QList<RecycleEntry> put = rig.bin.entries();
    rig.dev.File("\\~Recycle\\junk.nzc", "no zip");

    // The index was never written: a crash came first.
    ASSERT_TRUE(rig.dev.fs().DeleteFile(kIndex));
    RecycleBin reread(rig.dev.fs(), rig.dev.settings(), rig.prompt, rig.clock);
    reread.Open();
    ASSERT_EQ(reread.entries().size(), 2);
    EXPECT_TRUE(rig.dev.Exists(kIndex));  // written back as the lock went
    for (int i = 0; i < 2; ++i) {         // in name order: Docs.nzc, r.txt.nzc
        EXPECT_EQ(reread.entries()[i].archivePath, put[1 - i].archivePath);
        EXPECT_EQ(reread.entries()[i].originalPath, put[1 - i].originalPath);
        EXPECT_EQ(reread.entries()[i].size, put[1 - i].size);
    }
    EXPECT_TRUE(rig.dev.Exists("\\~Recycle\\junk.nzc"));

    // An index that cannot be read is rebuilt the same way.
    ASSERT_TRUE(reread.SaveRecycleIndex());
    FaultyDeviceFs faulty(rig.dev.fs());
    faulty.FailWhen([](FaultyDeviceFs::Op op, const QString& path) {
        return op == FaultyDeviceFs::Op::OpenForRead && path.endsWith(".bin");
    });
    RecycleBin unreadable(faulty, rig.dev.settings(), rig.prompt, rig.clock);
    unreadable.SetEntries(reread.binPath(), {});
    unreadable.LoadRecycleIndex();
    EXPECT_EQ(unreadable.entries().size(), 2);
}

// A bin on a card is outside input: its index names items, never paths to delete or write.
TEST_F(RecycleIndexTest, ACraftedIndexNamesNothingOutsideTheBinFolder) {
    rig.dev.Make({"\\Windows\\sys.dll=sys", "\\Temp\\t.txt=tmp", "\\~Recycle\\sub\\x.nzc=x",
                  "\\~Recycle\\Dir\\y.txt=y", "\\~Recycle\\ok.nzc=zip?", "\\~Recycle\\o.zip=z"});
    struct Row {
        const char* magic;
        QString archive;
        QString original;
        bool kept;
    };
    const Row rows[] = {
        {"NR1", "\\Windows", "\\Windows", false},               // a device folder
        {"NR1", "\\", "\\x.txt", false},                        // the root
        {"NR1", "\\Temp\\t.txt", "\\Temp\\t.txt", false},       // a file outside the bin
        {"NR1", "\\~Recycle\\sub\\x.nzc", "\\x.txt", false},    // not directly in the bin
        {"NR1", "\\~Recycle\\..\\Temp", "\\x.txt", false},      // a way out
        {"NR1", kIndex, "\\x.txt", false},                      // the index itself
        {"NR1", "\\~Recycle\\Dir", "\\Dir", false},             // a folder is no archive
        {"NR1", "\\~Recycle\\ok.nzc", "\\", false},             // restored over the root
        {"NR1", "\\~Recycle\\ok.nzc", "\\~Recycle\\z", false},  // restored into the bin
        {"NR1", "\\~Recycle\\ok.nzc", "\\Docs\\ok.txt", true},
        {"NR0", "\\Windows", "\\Windows", false},
        {"NR0", "\\~Recycle\\Dir", "\\Dir", true},  // an old-version item may be a folder
        {"NR0", "\\~Recycle\\o.zip", "\\o.zip", true},
        {"NRX", "\\~Recycle\\ok.nzc", "\\Docs\\ok.txt", false},  // an unknown version
    };
    for (const Row& row : rows) {
        RecycleEntry entry = Entry("", row.original, 1, 0x20, 1);  // old enough to purge
        entry.archivePath = row.archive;
        rig.dev.File(kIndex, Header(row.magic, 1) + Record(entry));
        rig.bin.LoadRecycleIndex();
        EXPECT_EQ(rig.bin.entries().size(), row.kept ? 1 : 0) << row.magic << " " << row.archive;
        if (row.kept) {
            EXPECT_EQ(rig.bin.indexIsCurrent(), row.magic[2] == '1');
        }
        if (!row.kept && row.magic[2] != 'X') {
            // Nothing the record names is ever removed: not by erase, nor by the purge.
            rig.bin.SetEntries(rig.bin.binPath(), {entry});
            rig.bin.EraseFromBin({0});
            rig.bin.SetLimits(16, false, 1);
            rig.bin.PurgeExpired(true);
        }
    }
    EXPECT_EQ(rig.dev.Read("\\Windows\\sys.dll"), "sys");
    EXPECT_EQ(rig.dev.Read("\\Temp\\t.txt"), "tmp");
    EXPECT_EQ(rig.BinItems(), QStringList({"Dir\\", "o.zip", "ok.nzc", "sub\\"}));
}
