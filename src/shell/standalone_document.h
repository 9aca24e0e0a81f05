#pragma once

#include "browse/icon_cache.h"
#include "shell/frame_document.h"
#include "tools/favorites_list.h"

class DeviceFs;

// A document of its own for windows that run without the recycle bin (tests, screenshots):
// the built-in icon records, a favourites list and a bin folder that is only a path.
class StandaloneDocument : public FrameDocument {
public:
    explicit StandaloneDocument(DeviceFs& fs,
                                const QString& binFolderPath = QStringLiteral("*~Recycle"));

    IconCache& iconCache() override { return icons_; }
    FavoritesList& favorites() override { return favorites_; }
    QString BinFolderPath() const override { return binFolderPath_; }
    bool IndexIsCurrent() const override { return true; }
    void CheckRecycleBin() override {}
    void CompressRecycleBin() override {}
    RecycleBin* bin() override { return nullptr; }
    QString cryptoProviderName() const override;

    void SetBinFolderPath(const QString& path) { binFolderPath_ = path; }

private:
    IconCache icons_;
    FavoritesList favorites_;
    QString binFolderPath_;
};
