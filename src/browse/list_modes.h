#pragma once

// The modes of the file list, shared by its window and the command rules.

// The four views of the rows; the numbers are those stored in "FileViewMode".
enum class ViewMode { LargeIcons = 0, SmallIcons = 1, List = 2, Details = 3 };

// What SelectRows does to every row.
enum class SelectMode { None, All, Invert };

// The three choices of SelectRow: select or deselect the row, alone (it becomes the current
// row and the only one selected) or beside the others, and whether the view scrolls to it.
enum class RowSelect { Select, Deselect };
enum class RowScope { Add, Alone };
enum class RowScroll { Stay, IntoView };
