#include <gtest/gtest.h>

#include "app/load_str.h"
#include "browse/get_type_and_icon.h"
#include "browse/icon_cache.h"
#include "platform/shell_services.h"
#include "resources/ids.h"
#include "support/fake_shell_services.h"
#include "support/qt_printers.h"

namespace {

TEST(IconCache, BuiltInRecordsComeFirstAndSurviveATrim) {
    IconCache cache;
    cache.BuildIconCache(QStringLiteral("資料夾"), {QStringLiteral("folder")});
    ASSERT_EQ(cache.Count(), IconCache::kBuiltInCount);
    EXPECT_EQ(cache.At(IconCache::kFolderIcon).text, QStringLiteral("資料夾"));
    EXPECT_EQ(cache.At(IconCache::kFolderIcon).iconNames,
              QStringList({"folder", BuiltInIconName(IDI_FOLDER)}));
    EXPECT_EQ(cache.At(IconCache::kUnknownFileIcon).text, LoadStr(IDS_UNKNOWN_FILE_TYPE));
    EXPECT_EQ(cache.At(IconCache::kUnknownFileIcon).iconNames,
              QStringList({BuiltInIconName(IDI_FILE)}));
    EXPECT_EQ(cache.At(IconCache::kProgramIcon).iconNames,
              QStringList({BuiltInIconName(IDI_PROGRAM)}));
    EXPECT_EQ(cache.GetFolderTypeName(), QStringLiteral("資料夾"));

    EXPECT_EQ(cache.Append({"txt", "Text", {"text-plain"}}), 3);
    EXPECT_EQ(cache.Append({"txt", "Text", {"text-plain"}}), 4);
    cache.TrimIconCache();
    EXPECT_EQ(cache.Count(), IconCache::kBuiltInCount);
    cache.TrimIconCache();
    EXPECT_EQ(cache.Count(), IconCache::kBuiltInCount);
    cache.TrimIconCache(true);
    EXPECT_EQ(cache.Count(), 0);
}

TEST(IconCache, WithoutADocumentsFolderTheFolderRecordIsOurOwn) {
    IconCache cache;
    EXPECT_EQ(cache.GetFolderTypeName(), LoadStr(IDS_FOLDER));
    cache.BuildIconCache(QString());
    EXPECT_EQ(cache.GetFolderTypeName(), LoadStr(IDS_FOLDER));
    EXPECT_EQ(cache.At(0).text, QStringLiteral("資料匣"));
    EXPECT_EQ(cache.At(0).iconNames, QStringList({BuiltInIconName(IDI_FOLDER)}));
    EXPECT_EQ(BuiltInIconName(IDI_FOLDER), QStringLiteral("nuvio-4001"));
}

}  // namespace
