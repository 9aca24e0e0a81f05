#pragma once

#include <QString>

class FavoritesList;
class IconCache;
class RecycleBin;

// The part of the document the main window and its panes use: the icon cache of the file
// list, the favourites and the recycle bin's folder and start-up work.
class FrameDocument {
public:
    virtual ~FrameDocument() = default;
    virtual IconCache& iconCache() = 0;
    virtual FavoritesList& favorites() = 0;
    // The bin folder ("*..." while it has no place yet).
    virtual QString BinFolderPath() const = 0;
    // False after an old-version recycle index was read: the bin is converted once.
    virtual bool IndexIsCurrent() const = 0;
    // Start-up check of the bin folder.
    virtual void CheckRecycleBin() = 0;
    virtual void CompressRecycleBin() = 0;
    // The recycle bin; null for a window that runs without one.
    virtual RecycleBin* bin() = 0;
    // The provider named in files this document encrypts.
    virtual QString cryptoProviderName() const = 0;
};
