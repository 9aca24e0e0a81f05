#include <gtest/gtest.h>

#include "app/load_str.h"
#include "browse/icon_cache.h"
#include "platform/shell_services.h"
#include "resources/ids.h"
#include "support/qt_printers.h"

TEST(IconCache, BuiltInRecordsComeFirstAndSurviveATrim) {
    IconCache cache;
    // Without a documents folder the folder record is our own.
    EXPECT_EQ(cache.GetFolderTypeName(), LoadStr(IDS_FOLDER));
    cache.BuildIconCache(QStringLiteral("資料夾"), {QStringLiteral("folder")});
    ASSERT_EQ(cache.Count(), IconCache::kBuiltInCount);
    EXPECT_EQ(cache.GetFolderTypeName(), QStringLiteral("資料夾"));
    EXPECT_EQ(cache.At(IconCache::kFolderIcon).iconNames,
              QStringList({"folder", BuiltInIconName(IDI_FOLDER)}));
    EXPECT_EQ(cache.At(IconCache::kUnknownFileIcon).text, LoadStr(IDS_UNKNOWN_FILE_TYPE));

    EXPECT_EQ(cache.Append({"txt", "Text", {"text-plain"}}), 3);
    EXPECT_EQ(cache.Append({"txt", "Text", {"text-plain"}}), 4);
    cache.TrimIconCache();
    cache.TrimIconCache();
    EXPECT_EQ(cache.Count(), IconCache::kBuiltInCount);
    cache.TrimIconCache(true);
    EXPECT_EQ(cache.Count(), 0);
}

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
