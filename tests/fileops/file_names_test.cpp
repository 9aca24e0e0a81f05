#include <gtest/gtest.h>

#include "fileops/file_names.h"
#include "app/path_helpers.h"
#include "resources/ids.h"
#include "support/temp_device.h"

TEST(FileNames, UniqueNamesNumberBeforeTheExtensionAndNewFoldersWithASpace) {
    TempDevice d;
    d.Make({"\\F\\a.txt", "\\F\\a(2).txt", "\\F\\Memo.lnk", "\\F\\Folder\\", "\\v1.0\\readme"});
    EXPECT_EQ(MakeUniqueName(d.fs(), "\\F\\a.txt"), "\\F\\a(3).txt");
    EXPECT_EQ(MakeUniqueName(d.fs(), "\\F\\Memo.lnk"), "\\F\\Memo(2).lnk");
    EXPECT_EQ(MakeUniqueName(d.fs(), "\\F\\Folder"), "\\F\\Folder(2)");
    EXPECT_EQ(MakeUniqueName(d.fs(), "\\F\\free.txt"), "\\F\\free.txt");
    // The number never lands in a dotted folder name above the file.
    EXPECT_EQ(MakeUniqueName(d.fs(), "\\v1.0\\readme"), "\\v1.0\\readme(2)");
    // New folder names count with a space.
    EXPECT_EQ(MakeNewFolderName(d.fs(), "\\"), "新資料匣");
    d.Make({"\\新資料匣\\", "\\新資料匣 (2)\\"});
    EXPECT_EQ(MakeNewFolderName(d.fs(), "\\"), "新資料匣 (3)");
}

TEST(FileNames, DeleteFileForceClearsReadOnly) {
    TempDevice d;
    d.Make({"\\ro.txt=1", "\\rom.dll=1"});
    ASSERT_TRUE(d.fs().SetAttributes("\\ro.txt", Attr::kReadOnly));
    d.SetRawAttributes("\\rom.dll", Attr::kInRom);
    EXPECT_TRUE(DeleteFileForce(d.fs(), "\\ro.txt"));
    EXPECT_FALSE(DeleteFileForce(d.fs(), "\\rom.dll"));
    EXPECT_FALSE(DeleteFileForce(d.fs(), "\\missing"));
    EXPECT_EQ(d.List("\\"), QStringList{"rom.dll"});
}

TEST(FileNames, FreeSpaceAndTheStorageCardSettingFollowTheVolumes) {
    TempDevice d({"SD"});
    quint64 root = GetFreeSpace(d.fs(), "\\");
    EXPECT_GT(root, 0u);
    quint64 later = GetFreeSpace(d.fs(), "\\Not\\Yet\\There.txt");
    EXPECT_GT(later, 0u);
    EXPECT_LT(later > root ? later - root : root - later, 64ULL * 1024 * 1024);
    EXPECT_GT(GetFreeSpace(d.fs(), "\\SD\\new"), 0u);
    EXPECT_EQ(GetFreeSpace(d.fs(), "relative"), 0u);

    // The card for the bin comes from the settings when it is mounted.
    QString folder;
    EXPECT_FALSE(GetStorageCardFolder(d.fs(), d.settings(), &folder));  // "\" means none
    d.settings().SetProfileTextById(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD, "SD");
    EXPECT_TRUE(GetStorageCardFolder(d.fs(), d.settings(), &folder));
    EXPECT_EQ(folder, "\\SD");
    EXPECT_TRUE(GetStorageCardFolder(d.fs(), d.settings(), &folder, true));
    EXPECT_EQ(folder, "SD");
    d.settings().SetProfileTextById(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD, "Gone");
    EXPECT_FALSE(GetStorageCardFolder(d.fs(), d.settings(), &folder));
    EXPECT_TRUE(folder.isEmpty());
    EXPECT_EQ(CountStorageCards(d.fs()), 1);
    d.Make({"\\Plain\\"});
    EXPECT_EQ(CountStorageCards(d.fs()), 1);
}

TEST(FileNames, MakePathCreatesEveryMissingFolder) {
    TempDevice d;
    EXPECT_TRUE(MakePath(d.fs(), "\\a\\b\\c"));
    EXPECT_TRUE(d.Exists("\\a\\b\\c"));
    EXPECT_TRUE(MakePath(d.fs(), "\\"));
    d.Make({"\\file=1"});
    EXPECT_FALSE(MakePath(d.fs(), "\\file\\sub"));
    EXPECT_FALSE(MakePath(d.fs(), "\\bad|name\\x"));
}
