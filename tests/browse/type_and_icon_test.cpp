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

TEST(GetTypeAndIcon, EveryKnownFileAddsARecordAndUnknownOnesAddNone) {
    FakeShellServices shell;
    IconCache cache;
    cache.BuildIconCache(QString());
    QString text;
    EXPECT_EQ(GetTypeAndIcon(shell, "\\A\\x.TXT", &text, cache), 3);
    EXPECT_EQ(text, QStringLiteral("Text Document"));
    EXPECT_EQ(GetTypeAndIcon(shell, "\\A\\y.txt", &text, cache), 4);
    EXPECT_EQ(cache.At(3).extension, QStringLiteral("TXT"));
    EXPECT_EQ(cache.At(4).text, QStringLiteral("Text Document"));
    EXPECT_EQ(cache.At(4).iconNames.first(), QStringLiteral("text-plain"));

    EXPECT_EQ(GetTypeAndIcon(shell, "\\A\\z.unknown", &text, cache), IconCache::kUnknownFileIcon);
    EXPECT_EQ(text, LoadStr(IDS_UNKNOWN_FILE_TYPE));
    EXPECT_EQ(cache.Count(), 5);
}

}  // namespace
