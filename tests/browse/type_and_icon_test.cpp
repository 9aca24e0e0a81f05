#include <gtest/gtest.h>

#include "browse/icon_cache.h"
#include "support/qt_printers.h"

TEST(IconCache, TypesAreKnownByTheNameFromItsFirstDotUntilATrim) {
    const std::pair<const char*, const char*> cases[] = {
        {"a.txt", ".txt"},       {"a.tar.gz", ".tar.gz"}, {"b.C", ".C"},
        {"Makefile", "/Makefile"}, {".bashrc", "/.bashrc"}, {".x.conf", ".conf"}};
    for (const auto& [name, key] : cases)
        EXPECT_EQ(IconCache::TypeKey(QString::fromUtf8(name)), QString::fromUtf8(key)) << name;
    IconCache cache;
    cache.BuildIconCache(QString());
    cache.NoteType(QStringLiteral(".txt"), cache.Append({"txt", "Text", {}}));
    EXPECT_EQ(cache.FindType(QStringLiteral(".txt")), 3);
    cache.TrimIconCache();
    EXPECT_EQ(cache.FindType(QStringLiteral(".txt")), -1);
}
