#include "browse/compare_items.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "browse/column_order.h"
#include "support/qt_printers.h"

namespace {

FileItem Item(const char* name, quint64 size = 0, FileTime written = 0, bool folder = false) {
    FindData data;
    data.name = QString::fromUtf8(name);
    data.size = size;
    data.lastWriteTime = written;
    data.attributes = folder ? Attr::kDirectory : Attr::kArchive;
    return MakeFileItem(data);
}

FileItem Folder(const char* name) {
    return Item(name, 0, 0, true);
}

QStringList Sorted(std::vector<FileItem> items, int method, bool flag) {
    const ItemComparer compare(method, flag);
    std::sort(items.begin(), items.end(),
              [&](const FileItem& a, const FileItem& b) { return compare(a, b) < 0; });
    QStringList names;
    for (const FileItem& item : items)
        names.append(item.name);
    return names;
}

TEST(CompareItems, NamesIgnoreCaseAndFoldersStayFirstInBothDirections) {
    const std::vector<FileItem> items{Item("beta.txt"), Folder("zeta"), Item("Alpha.txt"),
                                      Folder("Able"), Item("gamma")};
    EXPECT_EQ(Sorted(items, kSortByName, false),
              QStringList({"Able", "zeta", "Alpha.txt", "beta.txt", "gamma"}));
    EXPECT_EQ(Sorted(items, kSortByName, true),
              QStringList({"zeta", "Able", "gamma", "beta.txt", "Alpha.txt"}));
}

// The fast path for ASCII names must give the same order as the full comparison, or a sort
// mixing both would be inconsistent.
TEST(CompareItems, NameOrderMatchesQtCaseInsensitiveComparison) {
    const QStringList names{"a",     "A",    "_x",     "Zeta",    "zeta2",  "é",
                            "É.txt", "e",    "Straße", "STRASSE", "\u212a", "k",
                            "K",     "資料", "資料匣", "",        "a b",    "ab"};
    for (const QString& x : names) {
        for (const QString& y : names) {
            const int expected = QString::compare(x, y, Qt::CaseInsensitive);
            const FileItem a = Item(x.toUtf8().constData()), b = Item(y.toUtf8().constData());
            const int got = CompareItems(a, b, kSortByName, false);
            EXPECT_EQ(got, expected < 0 ? -1 : (expected > 0 ? 1 : 0)) << x << " vs " << y;
        }
    }
}

// The keyed sort by name gives the comparer's order, whether the first 16 characters decide
// or not (long shared prefixes, names that are not ASCII there, folders).
TEST(CompareItems, SortItemsByNameGivesTheComparersOrder) {
    std::vector<FileItem> items;
    for (const char* name : {"file000010.txt", "FILE000002.txt", "file00000000000000000b",
                             "file00000000000000000A", "資料", "Straße", "strasse2", "a", "B",
                             "é", "Ab", "abcdefghijklmnop", "abcdefghijklmnopé", "_x", "zz"})
        items.push_back(Item(name));
    items.push_back(Folder("Zeta"));
    items.push_back(Folder("alpha"));
    for (bool flag : {false, true}) {
        std::vector<FileItem> sorted = items;
        SortItems(sorted, kSortByName, flag);
        QStringList names;
        for (const FileItem& item : sorted)
            names.append(item.name);
        EXPECT_EQ(names, Sorted(items, kSortByName, flag)) << flag;
    }
}

// All 64 bits take part: 4 GiB + 1 byte is larger than 3 GiB although its low word is 1.
TEST(CompareItems, SizesRunLargestFirstOnAll64Bits) {
    const quint64 giB = quint64(1) << 30;
    std::vector<FileItem> items{Item("small", 10),    Item("huge", 4 * giB + 1),
                                Item("big", 3 * giB), Folder("b-folder"),
                                Folder("a-folder"),   Item("also-small", 10)};
    EXPECT_EQ(Sorted(items, kSortBySize, false),
              QStringList({"a-folder", "b-folder", "huge", "big", "also-small", "small"}));
    EXPECT_EQ(Sorted(items, kSortBySize, true),
              QStringList({"b-folder", "a-folder", "small", "also-small", "big", "huge"}));
}

// Dates run newest first; type and attribute texts ("A", "AH", "R", ...) decide, then names.
TEST(CompareItems, DatesTypesAndAttributesThenNames) {
    std::vector<FileItem> dated{Item("old", 0, 100), Item("new", 0, 300), Item("mid", 0, 200),
                                Folder("dir")};
    EXPECT_EQ(Sorted(dated, kSortByDate, false), QStringList({"dir", "new", "mid", "old"}));
    EXPECT_EQ(Sorted(dated, kSortByDate, true), QStringList({"dir", "old", "mid", "new"}));

    FileItem a = Item("a.txt"), b = Item("b.jpg"), c = Item("c.txt"), d = Folder("d");
    a.typeName = QStringLiteral("text document");
    b.typeName = QStringLiteral("JPEG image");
    c.typeName = QStringLiteral("Text Document");
    d.typeName = QStringLiteral("folder");
    EXPECT_EQ(Sorted({c, a, d, b}, kSortByType, false),
              QStringList({"d", "b.jpg", "a.txt", "c.txt"}));

    FileItem plain = Item("plain"), hidden = Item("hidden"), readOnly = Item("readonly");
    plain.attributes = 0;
    hidden.attributes = Attr::kArchive | Attr::kHidden;
    readOnly.attributes = Attr::kReadOnly;
    EXPECT_EQ(Sorted({readOnly, hidden, Item("archived"), plain, Item("another")},
                     kSortByAttributes, false),
              QStringList({"plain", "another", "archived", "hidden", "readonly"}));
}

}  // namespace

TEST(ColumnOrder, OnlyAWholeOrderOfTheColumnsIsTaken) {
    EXPECT_EQ(ParseColumnOrder("4;0;1;2;3;", 5), QList<int>({4, 0, 1, 2, 3}));
    // Numbers past the column count are not read.
    EXPECT_EQ(ParseColumnOrder("1;0;2;3;4;7;", 5), QList<int>({1, 0, 2, 3, 4}));
    for (const char* malformed : {";", "", "0;1;2;3;", "0;0;1;2;3;", "0;1;2;3;5;", "a;b;c;d;e;"})
        EXPECT_FALSE(ParseColumnOrder(malformed, 5)) << malformed;
    EXPECT_EQ(FormatColumnOrder({0, 1, 2, 3, 4}), "0;1;2;3;4;");
    EXPECT_EQ(ParseColumnOrder(FormatColumnOrder({3, 1, 4, 0, 2}), 5), QList<int>({3, 1, 4, 0, 2}));
}
