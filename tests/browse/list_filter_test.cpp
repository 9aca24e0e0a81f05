#include "browse/list_filter.h"

#include <gtest/gtest.h>

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
