#include <gtest/gtest.h>

#include "app/path_helpers.h"
#include "platform/device_path.h"
#include "support/temp_device.h"

// A copy must not chase itself, and nothing may count as inside a folder it only starts like.
TEST(PathHelpers, InsideMeansBelowAWholeComponent) {
    EXPECT_TRUE(IsSameOrInside("\\a\\b", "\\A\\B"));
    EXPECT_TRUE(IsSameOrInside("\\A\\B\\c", "\\A\\B"));
    EXPECT_TRUE(IsSameOrInside("\\X", "\\"));
    EXPECT_FALSE(IsSameOrInside("\\A\\BC", "\\A\\B"));
    EXPECT_FALSE(IsSameOrInside("\\A", "\\A\\B"));
}

// One row per path: its folder, name and extension parts ("-" where there is none).
TEST(PathHelpers, FolderNameAndExtensionParts) {
    const struct Row {
        const char *path, *folder, *name, *extension;
    } rows[] = {
        {"", "-", "-", "-"},
        {"\\Windows", "\\", "Windows", "-"},
        {"\\Windows\\Start Menu", "\\Windows", "Start Menu", "-"},
        {"plain", "", "plain", "-"},
        {"\\A\\b.tar.GZ", "\\A", "b.tar.GZ", "GZ"},
        {"\\A\\name.", "\\A", "name.", "-"},
        // A dot in a folder name is no extension of the file below it.
        {"\\v1.2\\readme", "\\v1.2", "readme", "-"},
    };
    auto part = [](bool (*get)(const QString&, QString*), const char* path) {
        QString out;
        return get(path, &out) ? out : QStringLiteral("-");
    };
    for (const Row& row : rows) {
        EXPECT_EQ(part(GetFolderPart, row.path), row.folder) << row.path;
        EXPECT_EQ(part(GetFileNamePart, row.path), row.name) << row.path;
        EXPECT_EQ(part(GetExtension, row.path), row.extension) << row.path;
    }
    EXPECT_EQ(JoinPath("\\", "x"), "\\x");
    EXPECT_EQ(JoinPath("\\A\\", "x"), "\\A\\x");
    EXPECT_EQ(JoinPath("\\A", "\\x"), "\\A\\x");
}

TEST(PathHelpers, PathExistsStripsTheTrailingSeparatorAndRefusesPatterns) {
    TempDevice d;
    d.Make({"\\My Documents\\a.txt=abc"});
    QString path = "\\My Documents\\";
    FindData record;
    EXPECT_TRUE(PathExists(d.fs(), path, &record));
    EXPECT_EQ(path, "\\My Documents");
    EXPECT_TRUE(record.IsFolder());
    QString root = "\\";
    EXPECT_TRUE(PathExists(d.fs(), root, &record));
    EXPECT_EQ(record.name, "\\");
    EXPECT_FALSE(PathExists(d.fs(), QStringLiteral("")));
    EXPECT_FALSE(PathExists(d.fs(), QStringLiteral("\\My Documents\\*.txt")));
    EXPECT_FALSE(PathExists(d.fs(), QStringLiteral("\\My Documents\\b.txt")));
    EXPECT_EQ(GetFileSizeLow(d.fs(), "\\My Documents\\a.txt"), 3u);
    EXPECT_EQ(GetProgramFolder(d.fs()), "\\Program Files\\Nuvio File Explorer");
    EXPECT_TRUE(d.Exists("\\Program Files\\Nuvio File Explorer"));
}
