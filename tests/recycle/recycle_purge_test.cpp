#include <gtest/gtest.h>

#include "fileops/file_names.h"
#include "recycle/bin_usage_text.h"
#include "recycle/recycle_bin_rig.h"

namespace {

class RecyclePurge : public ::testing::Test {
protected:
    RecyclePurge() {
        rig.dev.Make({"\\~Recycle\\"});
        rig.OpenInMainMemory();
    }
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
    BinRig rig;
    RecycleBin& bin = rig.bin;
};

}  // namespace

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
    ASSERT_TRUE(bin.SaveRecycleIndex());
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
