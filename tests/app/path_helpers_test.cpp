#include <gtest/gtest.h>

#include "app/path_helpers.h"
#include "platform/device_path.h"
#include "support/temp_device.h"

TEST(PathHelpers, JoinPathNeverDoublesTheSeparator) {
    EXPECT_EQ(JoinPath("\\", "x"), "\\x");
    EXPECT_EQ(JoinPath("\\A", "x"), "\\A\\x");
    EXPECT_EQ(JoinPath("\\A\\", "x"), "\\A\\x");
    EXPECT_EQ(JoinPath("\\A", "\\x"), "\\A\\x");
}

// A copy must not chase itself, and nothing may count as inside a folder it only starts like.
TEST(PathHelpers, InsideMeansBelowAWholeComponent) {
    EXPECT_TRUE(IsSameOrInside("\\a\\b", "\\A\\B"));
    EXPECT_TRUE(IsSameOrInside("\\A\\B\\c", "\\A\\B"));
    EXPECT_TRUE(IsSameOrInside("\\X", "\\"));
    EXPECT_FALSE(IsSameOrInside("\\A\\BC", "\\A\\B"));
    EXPECT_FALSE(IsSameOrInside("\\A", "\\A\\B"));
}

TEST(PathHelpers, FolderNameAndExtensionParts) {
    QString out;
    EXPECT_FALSE(GetFolderPart("", &out));
    EXPECT_FALSE(GetFolderPart("\\", &out));
    EXPECT_EQ(out, "\\");
    EXPECT_TRUE(GetFolderPart("\\Windows", &out));
    EXPECT_EQ(out, "\\");
    EXPECT_TRUE(GetFolderPart("\\Windows\\Start Menu", &out));
    EXPECT_EQ(out, "\\Windows");
    EXPECT_TRUE(GetFolderPart("plain", &out));
    EXPECT_EQ(out, "");

    EXPECT_FALSE(GetFileNamePart("", &out));
    EXPECT_TRUE(GetFileNamePart("\\A\\b.txt", &out));
    EXPECT_EQ(out, "b.txt");
    EXPECT_TRUE(GetFileNamePart("b.txt", &out));
    EXPECT_EQ(out, "b.txt");

    EXPECT_TRUE(GetExtension("\\A\\b.tar.GZ", &out));
    EXPECT_EQ(out, "GZ");
    EXPECT_FALSE(GetExtension("\\A\\readme", &out));
    EXPECT_FALSE(GetExtension("\\A\\name.", &out));
    // A dot in a folder name is no extension of the file below it.
    EXPECT_FALSE(GetExtension("\\v1.2\\readme", &out));
    EXPECT_EQ(out, "");
}

TEST(PathHelpers, PathExistsStripsTheTrailingSeparatorAndFillsTheRecord) {
    TempDevice d;
    d.Make({"\\My Documents\\a.txt=abc"});
    QString path = "\\My Documents\\";
    FindData record;
    EXPECT_TRUE(PathExists(d.fs(), path, &record));
    EXPECT_EQ(path, "\\My Documents");
    EXPECT_EQ(record.name, "My Documents");
    EXPECT_TRUE(record.IsFolder());
    QString root = "\\";
    EXPECT_TRUE(PathExists(d.fs(), root, &record));
    EXPECT_EQ(record.name, "\\");
    EXPECT_EQ(root, "\\");
    EXPECT_FALSE(PathExists(d.fs(), QStringLiteral("")));
    EXPECT_FALSE(PathExists(d.fs(), QStringLiteral("\\My Documents\\*.txt")));
    EXPECT_FALSE(PathExists(d.fs(), QStringLiteral("\\My Documents\\b.txt")));
    EXPECT_EQ(GetFileSizeLow(d.fs(), "\\My Documents\\a.txt"), 3u);
    quint32 high = 77;
    EXPECT_EQ(GetFileSizeLow(d.fs(), "\\missing", &high), 0u);
    EXPECT_EQ(high, 77u);
}

TEST(PathHelpers, ProgramFolderIsCreatedWhenMissing) {
    TempDevice d;
    EXPECT_EQ(GetProgramFolder(d.fs()), "\\Program Files\\Nuvio File Explorer");
    EXPECT_TRUE(d.Exists("\\Program Files\\Nuvio File Explorer"));
}
