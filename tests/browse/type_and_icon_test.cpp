#include <gtest/gtest.h>

#include "browse/icon_cache.h"
#include "support/qt_printers.h"

// Records, lookups and trimming are tested through the listing in folder_listing_test.cpp.
TEST(IconCache, TypesAreKnownByTheNameFromItsFirstDot) {
    const std::pair<const char*, const char*> cases[] = {
        {"a.txt", ".txt"},       {"a.tar.gz", ".tar.gz"}, {"b.C", ".C"},
        {"Makefile", "/Makefile"}, {".bashrc", "/.bashrc"}, {".x.conf", ".conf"}};
    for (const auto& [name, key] : cases)
        EXPECT_EQ(IconCache::TypeKey(QString::fromUtf8(name)), QString::fromUtf8(key)) << name;
}
