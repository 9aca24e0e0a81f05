#pragma once

#include <functional>

#include "recycle/recycle_archive_entries.h"

// Walks the entries of an open unzFile from the first, describing each; visit runs with the
// entry current (so it may open and read it) and answers false to stop. Returns 0 when the
// walk ended at the last entry or was stopped, else the failing library call's code.
int ForEachZipEntry(void* unzipFile, const std::function<bool(const ArchiveEntry&)>& visit);
