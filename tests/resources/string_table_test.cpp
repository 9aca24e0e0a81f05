#include "resources/string_table.h"

#include <gtest/gtest.h>

#include "resources/ids.h"

// The lookup halves the table, so a single entry out of order hides others.
TEST(StringTable, IdsAreStrictlyAscendingAndEveryEntryIsFound) {
    const auto table = StringResourceTable();
    ASSERT_FALSE(table.empty());
    for (size_t i = 1; i < table.size(); ++i)
        EXPECT_LT(table[i - 1].id, table[i].id) << "entry " << i;
    for (const StringResourceEntry& entry : table) {
        ASSERT_NE(entry.text, nullptr) << entry.id;
        EXPECT_NE(entry.text[0], u'\0') << entry.id;
        EXPECT_EQ(StringResource(entry.id), entry.text) << entry.id;
    }
}
