#include "browse/folder_listing.h"

#include <gtest/gtest.h>
#include <QFile>

#include <memory>

#include "app/load_str.h"
#include "app/path_helpers.h"
#include "app/wait_cursor.h"
#include "browse/compare_items.h"
#include "browse/icon_cache.h"
#include "browse/list_filter.h"
#include "platform/file_time.h"
#include "resources/ids.h"
#include "support/fake_shell_services.h"
#include "support/faulty_device_fs.h"
#include "support/recording_prompt.h"
#include "support/temp_device.h"

namespace {

class FolderListingTest : public ::testing::Test {
protected:
    FolderListingTest() : device({QStringLiteral("Storage Card")}) {
        icons.BuildIconCache(QString());
    }

    std::unique_ptr<FolderListing> Listing(DeviceFs* fs = nullptr) {
        return std::make_unique<FolderListing>(fs ? *fs : device.fs(), device.settings(), shell,
                                               icons);
    }

    static QStringList Names(const FolderListing& listing) {
        QStringList names;
        for (const FileItem& item : listing.Rows())
            names.append(item.name);
        return names;
    }

    TempDevice device;
    IconCache icons;
    FakeShellServices shell;
};

TEST_F(FolderListingTest, FillListInAFolderGivesFilteredSortedRowsWithoutTypes) {
    device.Make({"\\A\\b.txt=hello", "\\A\\a.JPG=x", "\\A\\Sub\\", "\\A\\lib.dll", "\\A\\readme",
                 "\\A\\secret.txt", "\\A\\rom.txt", "\\A\\.profile"});
    device.SetRawAttributes("\\A\\secret.txt", Attr::kHidden);
    device.SetRawAttributes("\\A\\rom.txt", Attr::kInRom);
    auto listing = Listing();
    listing->FillList("\\A\\", "\\~Recycle");

    EXPECT_EQ(listing->currentFolder(), QStringLiteral("\\A"));
    EXPECT_EQ(Names(*listing), QStringList({"Sub", "a.JPG", "b.txt", "readme"}));
    EXPECT_EQ(listing->Item(2).row, 2);
    EXPECT_EQ(listing->Item(2).size, 5u);
    EXPECT_FALSE(listing->Item(2).typeName.has_value());
    EXPECT_TRUE(shell.typeQueries.isEmpty());
    EXPECT_EQ(icons.Count(), IconCache::kBuiltInCount);
    EXPECT_FALSE(IsWaitCursorOn());
    // A folder that cannot be listed gives an empty list; the root shows the cards.
    listing->FillList("\\Missing", QString());
    EXPECT_EQ(listing->RowCount(), 0);
    listing->FillList("\\", QString());
    EXPECT_EQ(Names(*listing), QStringList({"A", "Storage Card"}));
    EXPECT_TRUE(IsStorageCard(listing->Item(1).attributes));
}

TEST_F(FolderListingTest, BinFolderIsHiddenOnlyInTheFolderThatHoldsIt) {
    device.Make({"\\~Recycle\\", "\\A\\~Recycle\\", "\\Storage Card\\~Recycle\\"});
    auto listing = Listing();
    // Folder, bin path ("*": not placed yet) and whether the bin folder is shown.
    for (const auto& [folder, bin, shown] :
         {std::tuple{"\\A", "\\~Recycle", true}, {"\\", "\\Storage Card\\~Recycle", true},
          {"\\", "*~Recycle", true}, {"\\", "\\~Recycle", false}}) {
        listing->FillList(folder, bin);
        EXPECT_EQ(listing->FindRowByName("~Recycle") >= 0, shown) << folder << " " << bin;
    }
    // The hiding lasts only as long as the fill.
    FindData record;
    record.name = QStringLiteral("~Recycle");
    record.attributes = Attr::kDirectory;
    EXPECT_TRUE(listing->PassesFilter(record));
}

TEST_F(FolderListingTest, StoredFilterAndSortSettingsApplyAndAreWrittenBack) {
    SettingsStore& s = device.settings();
    s.SetProfileIntById(IDS_SECTION_FILEVIEW, IDS_KEY_SHOW_SPECIFY_FILE, 1);
    s.SetProfileTextById(IDS_SECTION_FILEVIEW, IDS_KEY_FILTER_STRING, "*.txt");
    s.SetProfileIntById(IDS_SECTION_FILEVIEW, IDS_KEY_HIDE_SYSTEM_EXT, 0);
    device.Make({"\\A\\a.txt", "\\A\\b.doc", "\\A\\c.dll", "\\A\\D\\"});
    auto listing = Listing();
    listing->FillList("\\A", QString());
    EXPECT_EQ(Names(*listing), QStringList({"D", "a.txt"}));

    listing->filter().showOnly = false;
    listing->filter().hideHidden = false;
    listing->SetFilterString("jpg;bmp");
    listing->ChooseSortMethod(kSortByDate);
    listing->SaveSettings();

    auto reread = Listing();
    EXPECT_FALSE(reread->filter().showOnly);
    EXPECT_FALSE(reread->filter().hideHidden);
    EXPECT_EQ(reread->filter().FilterString(), QStringLiteral("jpg;bmp"));
    EXPECT_EQ(reread->sortMethod(), kSortByDate);
    EXPECT_TRUE(reread->directionFlag());
    s.SetProfileIntById(IDS_SECTION_MAIN, IDS_KEY_SORT_METHOD, 9);
    EXPECT_EQ(Listing()->sortMethod(), kSortByName);
}

TEST_F(FolderListingTest, ChoosingASortMethodStartsReversedAndFlipsOnTheSameMethod) {
    device.Make({"\\A\\old.txt", "\\A\\new.txt", "\\A\\mid.txt", "\\A\\Dir\\"});
    for (const auto& [path, day] :
         {std::pair{"\\A\\old.txt", 1}, {"\\A\\mid.txt", 2}, {"\\A\\new.txt", 3}}) {
        FileTime time = FileTimeFromDateTime(QDateTime(QDate(2020, 1, day), QTime(12, 0), Qt::UTC));
        ASSERT_TRUE(device.fs().SetTimes(path, nullptr, nullptr, &time));
    }
    auto listing = Listing();
    listing->FillList("\\A", QString());

    // The rows are sorted again at once; the comparison itself is tested in compare_items.
    listing->ChooseSortMethod(kSortByDate);
    EXPECT_EQ(Names(*listing), QStringList({"Dir", "old.txt", "mid.txt", "new.txt"}));
    listing->ChooseSortMethod(kSortByDate);
    EXPECT_EQ(Names(*listing), QStringList({"Dir", "new.txt", "mid.txt", "old.txt"}));
    listing->ChooseSortMethod(kSortByName);
    EXPECT_EQ(Names(*listing), QStringList({"Dir", "old.txt", "new.txt", "mid.txt"}));
    EXPECT_EQ(listing->Item(3).row, 3);
    listing->ChooseSortMethod(7);
    EXPECT_EQ(listing->sortMethod(), kSortByName);
}

TEST_F(FolderListingTest, TypesAreDerivedOncePerTypeAndOnlyWhenNeeded) {
    for (int i = 0; i < 10; ++i)
        device.File(QStringLiteral("\\D\\f%1.txt").arg(i), "x");
    device.Make({"\\D\\F1\\", "\\D\\F2\\", "\\D\\F3\\"});
    auto listing = Listing();
    listing->FillList("\\D", QString());
    for (int row = 0; row < listing->RowCount(); ++row)
        listing->EnsureItemIcon(row);
    // Ten files of one type: the shell is asked once, and asking again derives nothing more.
    listing->EnsureItemIcon(5);
    EXPECT_EQ(icons.Count(), IconCache::kBuiltInCount + 1);
    EXPECT_EQ(shell.typeQueries.size(), 1);
    EXPECT_EQ(listing->Item(2).icon, IconCache::kFolderIcon);
    EXPECT_EQ(listing->Item(2).typeName, LoadStr(IDS_FOLDER));
    EXPECT_EQ(listing->Item(12).icon, IconCache::kBuiltInCount);
    EXPECT_EQ(listing->Item(12).typeName, QStringLiteral("Text Document"));
    EXPECT_EQ(listing->EnsureItemIcon(99), -1);
    listing->FillList("\\D", QString());  // trims the cache
    EXPECT_EQ(icons.Count(), IconCache::kBuiltInCount);

    // Sorting by type derives the types at the fill: "JPEG Image", "Text Document", then the
    // unknown type's Chinese text.
    device.settings().SetProfileIntById(IDS_SECTION_MAIN, IDS_KEY_SORT_METHOD, kSortByType);
    device.Make({"\\A\\b.txt", "\\A\\a.txt", "\\A\\c.jpg", "\\A\\d.xyz", "\\A\\Dir\\"});
    auto byType = Listing();
    byType->FillList("\\A", QString());
    EXPECT_EQ(Names(*byType), QStringList({"Dir", "c.jpg", "a.txt", "b.txt", "d.xyz"}));
    EXPECT_EQ(byType->Item(4).typeName, LoadStr(IDS_UNKNOWN_FILE_TYPE));
    EXPECT_EQ(icons.Count(), IconCache::kBuiltInCount + 2);
}

TEST_F(FolderListingTest, InsertFindRefreshAndDeleteRows) {
    device.Make({"\\A\\a.txt=1", "\\A\\c.txt=3"});
    auto listing = Listing();
    listing->FillList("\\A", QString());

    device.Make({"\\A\\b.txt=22"});
    FindData record;
    ASSERT_TRUE(PathExists(device.fs(), "\\A\\b.txt", &record));
    EXPECT_EQ(listing->InsertItem(record, 1), 1);
    EXPECT_EQ(Names(*listing), QStringList({"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(listing->Item(2).row, 2);
    EXPECT_EQ(listing->FindRowByName("B.TXT"), 1);
    QString path;
    EXPECT_TRUE(listing->GetItemPath(1, &path));
    EXPECT_EQ(path, QStringLiteral("\\A\\b.txt"));
    EXPECT_FALSE(listing->GetItemPath(3, &path));

    // A refresh reads the entry again and forgets the derived type.
    listing->EnsureItemIcon(0);
    device.File("\\A\\a.txt", "longer");
    EXPECT_TRUE(listing->RefreshRow(0, false));
    EXPECT_EQ(listing->Item(0).size, 6u);
    EXPECT_EQ(listing->Item(0).icon, -1);
    EXPECT_FALSE(listing->Item(0).typeName.has_value());
    ASSERT_TRUE(device.fs().DeleteFile("\\A\\a.txt"));
    EXPECT_FALSE(listing->RefreshRow(0, false));
    EXPECT_FALSE(listing->RefreshRow(-1, false));

    EXPECT_TRUE(listing->DeleteRow(1, true));
    EXPECT_FALSE(device.Exists("\\A\\b.txt"));
    EXPECT_EQ(Names(*listing), QStringList({"a.txt", "c.txt"}));
    EXPECT_EQ(listing->Item(1).row, 1);
    EXPECT_FALSE(listing->DeleteRow(2, false));

    // A row whose file cannot be deleted stays.
    FaultyDeviceFs faulty(device.fs());
    faulty.FailWhen(
        [](FaultyDeviceFs::Op op, const QString&) { return op == FaultyDeviceFs::Op::DeleteFile; });
    auto failing = Listing(&faulty);
    failing->FillList("\\A", QString());
    EXPECT_FALSE(failing->DeleteRow(0, true));
    EXPECT_EQ(failing->RowCount(), 1);
}

TEST_F(FolderListingTest, RemovingRowsDropsOnlyTheVanishedOnesOfThoseGiven) {
    device.Make({"\\A\\a.txt", "\\A\\b.txt", "\\A\\c.txt", "\\A\\d.txt", "\\A\\E\\"});
    auto listing = Listing();
    listing->FillList("\\A", QString());
    for (const char* gone : {"\\A\\a.txt", "\\A\\c.txt", "\\A\\d.txt"})
        ASSERT_TRUE(device.fs().DeleteFile(gone));
    // Row 4 (d.txt) vanished too but is not among the rows given.
    EXPECT_EQ(listing->RemoveVanishedRows({0, 1, 2, 3, 2, 17}), QList<int>({3, 1}));
    EXPECT_EQ(Names(*listing), QStringList({"E", "b.txt", "d.txt"}));
    EXPECT_EQ(listing->Item(2).row, 2);
    EXPECT_TRUE(listing->RemoveVanishedRows({1}).isEmpty());

    listing->RemoveRows();
    EXPECT_EQ(listing->RowCount(), 0);
}

TEST_F(FolderListingTest, RenameUpdatesTheRowAndReportsClashes) {
    device.Make({"\\A\\a.txt=1", "\\A\\b.txt=2", "\\A\\F\\", "\\A\\G\\"});
    auto listing = Listing();
    listing->FillList("\\A", QString());
    RecordingPrompt prompt;
    const int a = listing->FindRowByName("a.txt");
    listing->EnsureItemIcon(a);

    EXPECT_TRUE(listing->RenameItem(a, "a.jpg", prompt));
    EXPECT_EQ(listing->Item(a).name, QStringLiteral("a.jpg"));
    EXPECT_EQ(listing->Item(a).typeName, QStringLiteral("JPEG Image"));
    EXPECT_TRUE(device.Exists("\\A\\a.jpg"));

    EXPECT_TRUE(listing->RenameItem(a, "A.JPG", prompt));
    EXPECT_EQ(listing->Item(a).name, QStringLiteral("A.JPG"));

    EXPECT_FALSE(listing->RenameItem(a, "b.txt", prompt));
    EXPECT_FALSE(listing->RenameItem(listing->FindRowByName("F"), "g", prompt));
    EXPECT_FALSE(listing->RenameItem(a, "Sub\\x.txt", prompt));
    ASSERT_EQ(prompt.MessageIds(),
              QList<int>({IDS_FILE_EXISTS, IDS_FOLDER_EXISTS, IDS_RENAME_FAILED}));
    EXPECT_TRUE(prompt.messages[0].text.contains("'b.txt'"));
    EXPECT_EQ(device.Read("\\A\\b.txt"), QByteArray("2"));
    EXPECT_EQ(listing->Item(a).name, QStringLiteral("A.JPG"));
}

TEST_F(FolderListingTest, RowsSizeCountsFolderTreesOnAll64Bits) {
    device.Make({"\\A\\Tree\\x.bin#1000", "\\A\\Tree\\Deep\\y.bin#24", "\\A\\big.bin"});
    // Sparse, so the test costs no disk space.
    ASSERT_TRUE(QFile::resize(device.fs().HostPath("\\A\\big.bin"), (qint64(5) << 30)));
    auto listing = Listing();
    listing->FillList("\\A", QString());
    EXPECT_EQ(listing->GetRowsSize({0}), 1024u);
    EXPECT_EQ(listing->GetRowsSize({0, 1, 9}), (quint64(5) << 30) + 1024);
}

TEST(IconCache, TypesAreKnownByTheNameFromItsFirstDot) {
    const std::pair<const char*, const char*> cases[] = {
        {"a.txt", ".txt"},       {"a.tar.gz", ".tar.gz"}, {"b.C", ".C"},
        {"Makefile", "/Makefile"}, {".bashrc", "/.bashrc"}, {".x.conf", ".conf"}};
    for (const auto& [name, key] : cases)
        EXPECT_EQ(IconCache::TypeKey(QString::fromUtf8(name)), QString::fromUtf8(key)) << name;
}

constexpr quint32 kFile = Attr::kArchive;
constexpr quint32 kFolder = Attr::kDirectory;

// One row per name: the filter text ("" for the defaults, which show every extension), whether
// only those extensions are shown, whether the hide rules are on, and the verdict.
TEST(ListFilter, RowsPassByAttributesExtensionsAndTheBinFolder) {
    struct Row {
        const char* filter;
        bool showOnly, hideRules;
        const char* name;
        quint32 attributes;
        bool shown;
    } rows[] = {
        {"*", false, true, "secret.txt", kFile | Attr::kHidden, false},
        {"*", false, true, "boot.txt", kFile | Attr::kInRom, false},
        {"*", false, true, "module.txt", kFile | Attr::kRomModule, false},
        {"*", false, true, "x.DLL", kFile, false},
        {"*", false, true, "x.cpl", kFile, false},
        {"*", false, true, "Hidden Folder", kFolder | Attr::kHidden, false},
        {"*", false, true, "Rom Folder", kFolder | Attr::kInRom, false},
        {"*", false, true, "sys.dll", kFolder, true},
        {"*", false, true, "archive.dll.bak", kFile, true},
        // Whole extensions: a part of a listed one is not listed.
        {"", false, true, "x.ll", kFile, true},
        {"", false, true, "x.dlls", kFile, true},
        {"", false, true, "trailing.", kFile, true},
        {"bmp;jpg", true, true, "a.JPG", kFile, true},
        {"bmp;jpg", true, true, "b.bmp", kFile, true},
        {"bmp;jpg", true, true, "a.jp", kFile, false},
        {"bmp;jpg", true, true, "readme", kFile, false},
        {"bmp;jpg", true, true, "old.txt", kFolder, true},
        {"bmp;jpg", true, true, "h.jpg", kFile | Attr::kHidden, false},
        {"*.txt; *.Doc ;.psw;;", true, true, "b.DOC", kFile, true},
        {"*.txt; *.Doc ;.psw;;", true, true, "c.psw", kFile, true},
        {"*.txt; *.Doc ;.psw;;", true, true, "d.xt", kFile, false},
        {"*.txt; *.Doc ;.psw;;", true, true, "e.docx", kFile, false},
        {"txt;*.*", true, true, "a.zip", kFile, true},
        // A text naming no extension would hide every file; it filters nothing instead.
        {" ; ", true, true, "a.zip", kFile, true},
        {"txt", false, true, "a.zip", kFile, true},
        {"*", false, false, "secret.txt", kFile | Attr::kHidden | Attr::kSystem, true},
        {"*", false, false, "boot.bin", kFile | Attr::kInRom | Attr::kRomModule, true},
        {"*", false, false, "x.dll", kFile, true},
    };
    for (const Row& row : rows) {
        ListFilter filter;
        filter.showOnly = row.showOnly;
        filter.hideHidden = filter.hideRomFiles = filter.hideSystemExt = row.hideRules;
        if (*row.filter) filter.SetFilterString(QString::fromUtf8(row.filter));
        EXPECT_EQ(filter.Passes(row.attributes, QString::fromUtf8(row.name)), row.shown)
            << row.filter << " " << row.name;
    }
}

TEST(ListFilter, BinFolderIsHiddenOnlyAsAFolderOfThatName) {
    ListFilter filter;
    filter.hideHidden = false;
    filter.SetHiddenBinFolder(QStringLiteral("~Recycle"));
    EXPECT_FALSE(filter.Passes(kFolder | Attr::kHidden, QStringLiteral("~recycle")));
    EXPECT_TRUE(filter.Passes(kFile, QStringLiteral("~Recycle")));
}

}  // namespace
