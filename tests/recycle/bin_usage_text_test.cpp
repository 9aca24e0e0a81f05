#include <gtest/gtest.h>

#include "recycle/bin_usage_text.h"
#include "support/qt_printers.h"

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
