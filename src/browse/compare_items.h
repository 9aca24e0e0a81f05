#pragma once

#include <QString>
#include <utility>
#include <vector>

#include "browse/file_item.h"

// The orders of the file list. Folders always go before files; with the direction flag 0
// names and types run A to Z, sizes largest first and dates newest first, the flag 1
// reverses each of these.
enum SortMethod : int {
    kSortByName = 0,
    kSortBySize = 1,
    kSortByDate = 2,
    kSortByType = 3,
    kSortByAttributes = 4,
};
inline constexpr int kSortMethodCount = 5;

// Compares rows for one sort method and direction. Type names must have been derived before
// sorting by type (a missing one compares as empty). Rows equal under the method are ordered
// by name, so that every sort has one result.
class ItemComparer {
public:
    ItemComparer(int sortMethod, bool directionFlag);

    // Negative when a goes before b, positive when after, 0 when equal.
    int operator()(const FileItem& a, const FileItem& b) const;

private:
    int CompareByMethod(const FileItem& a, const FileItem& b) const;
    QString AttrText(quint32 attributes) const;

    int method_;
    bool direction_;
    // The few attribute words of a folder, each formatted once per sort.
    mutable std::vector<std::pair<quint32, QString>> attrTexts_;
};

int CompareItems(const FileItem& a, const FileItem& b, int sortMethod, bool directionFlag);

// Sorts rows as ItemComparer orders them. By name, the rows are ordered through keys made of
// each name's first characters, so that a folder of a million rows is not sorted by moving
// the rows and reaching every name's text at each comparison.
void SortItems(std::vector<FileItem>& rows, int sortMethod, bool directionFlag);
