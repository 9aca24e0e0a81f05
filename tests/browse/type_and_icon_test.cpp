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
