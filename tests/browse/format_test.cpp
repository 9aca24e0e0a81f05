#include <gtest/gtest.h>

#include <ctime>
#include <limits>

#include "browse/format.h"
#include "browse/properties_summary.h"
#include "platform/device_fs.h"
#include "platform/file_time.h"
#include "support/qt_printers.h"
#include "support/temp_device.h"

TEST(Format, NumbersAreGroupedFully) {
    const std::pair<qint64, const char*> cases[] = {
        {0, "0"}, {999, "999"}, {1000, "1,000"}, {1001, "1,001"},
        {999999, "999,999"}, {1000000, "1,000,000"}, {12345678, "12,345,678"},
        {1234567890, "1,234,567,890"}, {2147483647, "2,147,483,647"},
        {5000000000LL, "5,000,000,000"},
        {std::numeric_limits<qint64>::max(), "9,223,372,036,854,775,807"}, {-1234, "-1,234"},
        {std::numeric_limits<qint64>::min(), "-9,223,372,036,854,775,808"},
    };
    for (const auto& [n, text] : cases)
        EXPECT_EQ(FormatNumber(n), text) << n;
}

TEST(Format, DecimalsRoundHalfUpAndGroupFully) {
    const std::pair<double, const char*> cases[] = {
        {0.004, "0.00"}, {1.5, "1.50"}, {999.996, "1,000.00"}, {1536.25, "1,536.25"},
        {1234567.5, "1,234,567.50"}, {0.995, "1.00"}, {-1.5, "-1.50"}, {-0.001, "0.00"},
    };
    for (const auto& [x, text] : cases)
        EXPECT_EQ(FormatDecimal(x), text) << x;
    EXPECT_EQ(FormatDecimal(1536.25f), "1,536.25");
}

TEST(Format, SizesUseAllSixtyFourBits) {
    const std::pair<quint64, const char*> cases[] = {
        {0, "0B"}, {512, "512B"}, {1023, "1,023B"}, {1024, "1K"},
        {2048, "2K"}, {1048575, "1,023K"}, {1048576, "1,024K"}, {1536000, "1,500K"},
        {5ULL << 30, "5,242,880K"},
        {std::numeric_limits<quint64>::max(), "18,014,398,509,481,983K"},
    };
    for (const auto& [size, text] : cases)
        EXPECT_EQ(FormatSizeText(size), text) << size;
}

TEST(Format, AttributeLetters) {
    EXPECT_EQ(FormatAttrText(0), "");
    EXPECT_EQ(FormatAttrText(Attr::kDirectory | Attr::kTemporary), "");
    EXPECT_EQ(FormatAttrText(Attr::kArchive | Attr::kHidden | Attr::kReadOnly | Attr::kSystem |
                             Attr::kInRom),
              "AHRSO");
    EXPECT_EQ(FormatAttrText(Attr::kReadOnly | Attr::kArchive), "AR");
    EXPECT_EQ(FormatAttrText(Attr::kRomModule | Attr::kSystem), "SO");
}

TEST(Format, DatesAreLocalShortDateAndTimeWithoutSeconds) {
    // The zone the test runner sets, also when the binary is run by hand.
    qputenv("TZ", "Asia/Taipei");
    tzset();
    const FileTime time =
        FileTimeFromDateTime(QDateTime(QDate(2024, 3, 5), QTime(6, 7, 59), Qt::UTC));
    // The interface languages' dates are tested in interface_language_test.cpp.
    EXPECT_EQ(FormatDateText(time, QLocale(QLocale::German, QLocale::Germany)), "05.03.24 14:07");
    // The C locale's short time has seconds; they are left out.
    EXPECT_EQ(FormatDateText(time, QLocale::c()), "5 Mar 2024 14:07");
    // No locale shows them.
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        const QString text = FormatDateText(time, locale);
        EXPECT_FALSE(text.contains(locale.toString(59))) << locale.name() << " " << text;
    }

    EXPECT_EQ(FormatDateText(std::numeric_limits<quint64>::max()), "");
}

TEST(PropertiesSummary, SizeTextsAtTheirBorders) {
    EXPECT_EQ(PropertiesSizeText(1536), " 1.5KB (1536 位元組)");
    EXPECT_EQ(PropertiesSizeText(1048576), "1024.0KB (1048576 位元組)");
    EXPECT_EQ(PropertiesSizeText(1048577), " 1.0MB (1048577 位元組)");
    EXPECT_EQ(PropertiesSizeText(1023), "1023 位元組");
    EXPECT_EQ(PropertiesSizeText(0), "0 位元組");
    // Beyond 4 GiB the exact count stays exact.
    EXPECT_EQ(PropertiesSizeText(5368709120ULL), "5120.0MB (5368709120 位元組)");
    EXPECT_EQ(PropertiesContentsText(3, 1), "3 個檔案, 1 個資料匣");
}

TEST(PropertiesSummary, CountsFoldersByTheirContentsAndMarksMixedAttributes) {
    TempDevice dev;
    dev.Make({"\\F\\a.txt#100", "\\F\\G\\b.txt#28", "\\r.txt#10", "\\w.txt#5"});
    dev.SetRawAttributes("\\r.txt", Attr::kReadOnly | Attr::kArchive);
    dev.SetRawAttributes("\\w.txt", Attr::kArchive);

    // Files, folders, bytes and whether a folder is among the items.
    auto counts = [&](const QStringList& paths, bool root = false) {
        const PropertiesSummary s = SummarizeItems(dev.fs(), paths, root);
        return std::tuple{s.files, s.folders, s.bytes, s.hasFolder};
    };
    using Counts = std::tuple<quint64, quint64, quint64, bool>;
    EXPECT_EQ(counts({"\\F"}), Counts(2, 1, 128, true));  // the folder itself is not counted
    EXPECT_EQ(counts({"\\r.txt", "\\w.txt", "\\gone"}), Counts(2, 0, 15, false));
    // Several items with a folder: the folder counts as one more.
    EXPECT_EQ(counts({"\\F", "\\r.txt"}), Counts(3, 2, 138, true));
    EXPECT_EQ(counts({"\\"}, true), Counts(4, 2, 143, true));

    const PropertiesSummary files = SummarizeItems(dev.fs(), {"\\r.txt", "\\w.txt"}, false);
    EXPECT_EQ(files.firstPath, "\\r.txt");
    EXPECT_EQ(files.states,
              (std::array<int, 4>{PropertiesSummary::kMixed, PropertiesSummary::kClear,
                                  PropertiesSummary::kSet, PropertiesSummary::kClear}));
}

TEST(PropertiesSummary, ApplyingBoxesTouchesOnlyWhatTheyDecide) {
    TempDevice dev;
    dev.Make({"\\r.txt=r", "\\w.txt=w", "\\rom.txt=o"});
    dev.SetRawAttributes("\\r.txt", Attr::kReadOnly | Attr::kArchive);
    dev.SetRawAttributes("\\w.txt", Attr::kArchive);
    dev.SetRawAttributes("\\rom.txt", Attr::kInRom);
    using S = PropertiesSummary;
    // Read-only mixed, hidden set: each file keeps its read-only bit.
    const std::array<int, 4> boxes = {S::kMixed, S::kSet, S::kSet, S::kClear};
    for (const char* path : {"\\r.txt", "\\w.txt"})
        ASSERT_TRUE(ApplyAttributes(dev.fs(), path, boxes));
    EXPECT_EQ(*dev.fs().GetAttributes("\\r.txt") & 0x27u,
              Attr::kReadOnly | Attr::kHidden | Attr::kArchive);
    EXPECT_EQ(*dev.fs().GetAttributes("\\w.txt") & 0x27u, Attr::kHidden | Attr::kArchive);

    EXPECT_FALSE(ApplyAttributes(dev.fs(), "\\rom.txt", boxes));
    EXPECT_FALSE(ApplyAttributes(dev.fs(), "\\missing.txt", boxes));
}
