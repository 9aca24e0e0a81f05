#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "app/message.h"
#include "app/path_helpers.h"
#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "recycle/bin_usage_text.h"
#include "recycle/recycle_archive.h"
#include "recycle/recycle_archive_pack.h"
#include "recycle/recycle_bin_rig.h"
#include "recycle/recycle_index.h"
#include "recycle/recycle_test_helpers.h"
#include "support/faulty_device_fs.h"
#include "support/utf16_bytes.h"

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

class RecyclePurge : public RecyclePut {
protected:
    // An entry deleted at noon of that day, with its archive in the bin.
    void Add(const QString& name, QDate day) {
        RecycleEntry entry;
        entry.archivePath = QStringLiteral("\\~Recycle\\") + name + QStringLiteral(".nzc");
        entry.originalPath = QLatin1Char('\\') + name;
        entry.deleteTime = LocalTimeRecord::FromDateTime(QDateTime(day, QTime(12, 0)));
        rig.dev.File(entry.archivePath, "zip");
        QList<RecycleEntry> list = bin.entries();
        list.append(entry);
        bin.SetEntries(bin.binPath(), list);
    }
    void Today(QDate day) { rig.clock.Set(QDateTime(day, QTime(9, 0))); }
};

class RecycleRestore : public RecyclePut {
protected:
    RecycleRestore() {
        rig.dev.Make({"\\A\\one.txt=old one", "\\A\\two.txt=old two"});
        EXPECT_TRUE(bin.MoveToRecycleBin("\\A\\one.txt"));
        EXPECT_TRUE(bin.MoveToRecycleBin("\\A\\two.txt"));
        rig.dev.Make({"\\A\\one.txt=new one", "\\A\\two.txt=new two"});
        observer.rowRemoved = [this](int row) { removed.append(row); };
    }
    QString Read(const char* path) { return QString::fromUtf8(rig.dev.Read(path)); }

    QList<int> removed;  // the rows the observer was told of
    RecycleBin::RestoreObserver observer;
};

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

class RecycleIndexTest : public RecyclePut {
protected:
    void MakeArchives() {
        for (const RecycleEntry& e : kThree)
            rig.dev.File(e.archivePath, "zip?");
    }
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

TEST_F(RecyclePurge, OneWeekPurgesEightDaysAtTheFirstStartOfTheDayOnly) {
    Today(QDate(2024, 5, 20));
    Add("eight", QDate(2024, 5, 12));
    Add("seven", QDate(2024, 5, 13));
    ASSERT_TRUE(bin.SaveRecycleIndex());
    rig.SetInt(IDS_KEY_LIFETIME, 2);

    RecycleBin started(rig.dev.fs(), rig.dev.settings(), rig.prompt, rig.clock);
    started.Open();
    ASSERT_EQ(started.entries().size(), 1);
    EXPECT_EQ(started.entries()[0].originalPath, "\\seven");
    EXPECT_FALSE(started.dirty());  // saved as the bin's lock went
    EXPECT_EQ(rig.BinItems(), QStringList({"seven.nzc"}));
    EXPECT_EQ(rig.dev.settings().GetInt(IDS_SECTION_RECYCLEBIN, IDS_KEY_LIFETIME_MONTH), 5);
    EXPECT_EQ(rig.dev.settings().GetInt(IDS_SECTION_RECYCLEBIN, IDS_KEY_LIFETIME_DAY), 20);

    // Later the same day only a forced purge runs.
    bin.Refresh();  // the list as the other start left it
    Add("eight", QDate(2024, 5, 12));
    Add("old", QDate(2024, 1, 1));
    bin.SetLimits(16, false, 2);
    EXPECT_EQ(bin.PurgeExpired(false), 0);
    EXPECT_EQ(bin.PurgeExpired(true), 2);
    ASSERT_EQ(bin.entries().size(), 1);
    EXPECT_EQ(bin.entries()[0].originalPath, "\\seven");
}

// The bin's own day count: 30-day months, 365-day years.
TEST_F(RecyclePurge, AgesCountThirtyDayMonthsAndThreeHundredSixtyFiveDayYears) {
    struct Row {
        QDate deleted;
        QDate today;
        int lifetime;
        bool purged;
    };
    const Row rows[] = {
        {{2023, 1, 31}, {2023, 3, 1}, 3, false},  // 30 days
        {{2023, 1, 31}, {2023, 3, 2}, 3, true},
        {{2023, 12, 31}, {2024, 1, 1}, 2, false},  // 5 days
        {{2023, 12, 31}, {2024, 1, 1}, 1, true},
        {{2023, 12, 31}, {2024, 1, 1}, 0, false},  // for ever
        {{2024, 5, 18}, {2024, 5, 20}, 1, true},
        {{2024, 5, 19}, {2024, 5, 20}, 1, false},
    };
    for (const Row& row : rows) {
        bin.SetEntries(bin.binPath(), {});
        Add("item", row.deleted);
        Today(row.today);
        bin.SetLimits(16, false, row.lifetime);
        EXPECT_EQ(bin.PurgeExpired(true), row.purged ? 1 : 0)
            << row.deleted.toString().toStdString() << " " << row.today.toString().toStdString();
    }
}

TEST_F(RecyclePurge, RoomLeftHonoursTheCapacityLimitWithoutTheIndex) {
    rig.dev.Make({"\\~Recycle\\a.nzc#1048576", "\\~Recycle\\b.nzc#524288"});
    const quint64 free = GetFreeSpace(rig.dev.fs(), bin.binPath());
    // Other writers on the machine move the free space a little between the two readings.
    EXPECT_NEAR(double(bin.GetRoomLeft()), double(free), 256.0 * 1024 * 1024);
    bin.SetLimits(1, true, 0);
    EXPECT_EQ(bin.GetMaxCapacity(false), 1u);
    EXPECT_EQ(bin.GetMaxCapacity(true), 1u << 20);
    EXPECT_EQ(bin.GetRoomLeft(), 0u);
    ASSERT_TRUE(DeleteFileForce(rig.dev.fs(), "\\~Recycle\\a.nzc"));
    EXPECT_EQ(bin.GetRoomLeft(), std::min<quint64>(524288, free));
    // A settings change forces a purge only where the limit comes on or changes size.
    EXPECT_FALSE(RecycleBin::CapacityLimitChanged(false, 16, false, 4));
    EXPECT_TRUE(RecycleBin::CapacityLimitChanged(false, 16, true, 16));
    EXPECT_FALSE(RecycleBin::CapacityLimitChanged(true, 16, true, 16));
    EXPECT_TRUE(RecycleBin::CapacityLimitChanged(true, 16, true, 8));
    EXPECT_FALSE(RecycleBin::CapacityLimitChanged(true, 16, false, 8));
}

TEST(BinUsageText, MegabytesKilobytesAndBytesAtTheirBoundaries) {
    EXPECT_EQ(FormatBinUsageText(0), "0 B");
    EXPECT_EQ(FormatBinUsageText(1000), "1,000 B");
    EXPECT_EQ(FormatBinUsageText(1023), "1,023 B");
    EXPECT_EQ(FormatBinUsageText(1024), "1 KB");
    EXPECT_EQ(FormatBinUsageText(2048), "2 KB");
    EXPECT_EQ(FormatBinUsageText(1048575), "1,023 KB");
    EXPECT_EQ(FormatBinUsageText(1048576), "1.00 MB");
    EXPECT_EQ(FormatBinUsageText(1572864), "1.50 MB");
    // Sizes past 4 GiB stay whole.
    EXPECT_EQ(FormatBinUsageText(5ull << 30), "5,120.00 MB");
}

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
