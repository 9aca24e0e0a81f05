#pragma once

#include <QString>

class IconCache;
class ShellServices;
struct FileItem;

// Derives the row's image index and type text when they are not known yet and returns the
// index. Plain folders share the cache's folder record; files and storage cards are asked of
// the shell (one new cache record each).
int EnsureItemIcon(FileItem& item, const QString& currentFolder, ShellServices& shell,
                   IconCache& cache);
