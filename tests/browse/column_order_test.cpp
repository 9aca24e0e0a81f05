#include <gtest/gtest.h>

#include "browse/column_order.h"
#include "support/qt_printers.h"

TEST(ColumnOrder, OnlyAWholeOrderOfTheColumnsIsTaken) {
    EXPECT_EQ(ParseColumnOrder("4;0;1;2;3;", 5), QList<int>({4, 0, 1, 2, 3}));
    // Numbers past the column count are not read.
    EXPECT_EQ(ParseColumnOrder("1;0;2;3;4;7;", 5), QList<int>({1, 0, 2, 3, 4}));
    for (const char* malformed : {";", "", "0;1;2;3;", "0;0;1;2;3;", "0;1;2;3;5;", "a;b;c;d;e;"})
        EXPECT_FALSE(ParseColumnOrder(malformed, 5)) << malformed;
    EXPECT_EQ(FormatColumnOrder({0, 1, 2, 3, 4}), "0;1;2;3;4;");
    EXPECT_EQ(ParseColumnOrder(FormatColumnOrder({3, 1, 4, 0, 2}), 5), QList<int>({3, 1, 4, 0, 2}));
}
