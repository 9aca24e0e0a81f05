#include "browse/list_filter.h"

#include <gtest/gtest.h>

#include "support/qt_printers.h"

namespace {

constexpr quint32 kFile = Attr::kArchive;
constexpr quint32 kFolder = Attr::kDirectory;

bool Shown(const ListFilter& filter, const char* name, quint32 attributes = kFile) {
    return filter.Passes(attributes, QString::fromUtf8(name));
}

TEST(ListFilter, DefaultsHideHiddenRomAndSystemFilesButNoFolderByExtension) {
    ListFilter filter;
    filter.SetFilterString(QStringLiteral("*"));
    EXPECT_FALSE(Shown(filter, "secret.txt", kFile | Attr::kHidden));
    EXPECT_FALSE(Shown(filter, "boot.txt", kFile | Attr::kInRom));
    EXPECT_FALSE(Shown(filter, "module.txt", kFile | Attr::kRomModule));
    EXPECT_FALSE(Shown(filter, "x.DLL"));
    EXPECT_FALSE(Shown(filter, "x.cpl"));
    EXPECT_FALSE(Shown(filter, "x.drv"));
    EXPECT_FALSE(Shown(filter, "x.htp"));
    EXPECT_FALSE(Shown(filter, "Hidden Folder", kFolder | Attr::kHidden));
    EXPECT_FALSE(Shown(filter, "Rom Folder", kFolder | Attr::kInRom));
    EXPECT_TRUE(Shown(filter, "sys.dll", kFolder));
    EXPECT_TRUE(Shown(filter, "a.txt"));
    EXPECT_TRUE(Shown(filter, "archive.dll.bak"));
}

// Whole extensions: a part of a listed one is not listed, and no extension is in no list.
TEST(ListFilter, SystemExtensionsCompareWholeExtensions) {
    ListFilter filter;
    EXPECT_TRUE(Shown(filter, "run.pl"));
    EXPECT_TRUE(Shown(filter, "x.ll"));
    EXPECT_TRUE(Shown(filter, "x.dlls"));
    EXPECT_TRUE(Shown(filter, "readme"));
    EXPECT_TRUE(Shown(filter, "trailing."));
}

TEST(ListFilter, ShowOnlyListsFilesOfTheFilterExtensions) {
    ListFilter filter;
    filter.showOnly = true;
    filter.SetFilterString(QStringLiteral("bmp;jpg"));
    EXPECT_TRUE(filter.PatternActive());
    EXPECT_TRUE(Shown(filter, "a.JPG"));
    EXPECT_TRUE(Shown(filter, "b.bmp"));
    EXPECT_FALSE(Shown(filter, "a.txt"));
    EXPECT_FALSE(Shown(filter, "a.jp"));
    EXPECT_FALSE(Shown(filter, "a.mp"));
    EXPECT_FALSE(Shown(filter, "readme"));
    EXPECT_TRUE(Shown(filter, "Pictures", kFolder));
    EXPECT_TRUE(Shown(filter, "old.txt", kFolder));
    // The other rules still apply to listed extensions.
    EXPECT_FALSE(Shown(filter, "h.jpg", kFile | Attr::kHidden));
}

TEST(ListFilter, FilterTokensMayCarryWildcardPrefixesAndSpaces) {
    ListFilter filter;
    filter.showOnly = true;
    filter.SetFilterString(QStringLiteral("*.txt; *.Doc ;.psw;;"));
    EXPECT_TRUE(Shown(filter, "a.txt"));
    EXPECT_TRUE(Shown(filter, "b.DOC"));
    EXPECT_TRUE(Shown(filter, "c.psw"));
    EXPECT_FALSE(Shown(filter, "d.xt"));
    EXPECT_FALSE(Shown(filter, "e.docx"));
    EXPECT_EQ(filter.FilterString(), QStringLiteral("*.txt; *.Doc ;.psw;;"));
}

TEST(ListFilter, StarOrShowOnlyOffMeansNoPatternFiltering) {
    ListFilter filter;
    filter.showOnly = true;
    filter.SetFilterString(QStringLiteral("*"));
    EXPECT_FALSE(filter.PatternActive());
    EXPECT_TRUE(Shown(filter, "a.txt"));
    EXPECT_TRUE(Shown(filter, "readme"));

    filter.SetFilterString(QStringLiteral("txt;*.*"));
    EXPECT_FALSE(filter.PatternActive());
    EXPECT_TRUE(Shown(filter, "a.zip"));

    // A text naming no extension would hide every file; it filters nothing instead.
    filter.SetFilterString(QStringLiteral(" ; "));
    EXPECT_FALSE(filter.PatternActive());
    EXPECT_TRUE(Shown(filter, "a.zip"));

    filter.SetFilterString(QStringLiteral("txt"));
    filter.showOnly = false;
    EXPECT_FALSE(filter.PatternActive());
    EXPECT_TRUE(Shown(filter, "a.zip"));
}

TEST(ListFilter, WithEveryRuleOffEverythingIsListed) {
    ListFilter filter;
    filter.hideHidden = false;
    filter.hideRomFiles = false;
    filter.hideSystemExt = false;
    EXPECT_TRUE(Shown(filter, "secret.txt", kFile | Attr::kHidden | Attr::kSystem));
    EXPECT_TRUE(Shown(filter, "boot.bin", kFile | Attr::kInRom | Attr::kRomModule));
    EXPECT_TRUE(Shown(filter, "x.dll"));
    EXPECT_TRUE(Shown(filter, "Hidden", kFolder | Attr::kHidden));
}

TEST(ListFilter, BinFolderIsHiddenOnlyWhileSetAndOnlyAsAFolder) {
    ListFilter filter;
    filter.hideHidden = false;
    EXPECT_TRUE(Shown(filter, "~Recycle", kFolder | Attr::kHidden));
    filter.SetHiddenBinFolder(QStringLiteral("~Recycle"));
    EXPECT_FALSE(Shown(filter, "~recycle", kFolder | Attr::kHidden));
    EXPECT_TRUE(Shown(filter, "~Recycle"));  // a file of that name is not the bin
    filter.SetHiddenBinFolder(QString());
    EXPECT_TRUE(Shown(filter, "~Recycle", kFolder));
}

}  // namespace
