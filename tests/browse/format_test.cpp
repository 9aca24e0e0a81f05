#include <gtest/gtest.h>

#include <ctime>
#include <limits>

#include "browse/format.h"
#include "platform/file_time.h"
#include "support/qt_printers.h"

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
