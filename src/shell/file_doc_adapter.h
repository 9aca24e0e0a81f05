#pragma once

#include "shell/frame_document.h"

class CFileDoc;

// The application's document as the main window sees it.
class FileDocAdapter : public FrameDocument {
public:
    explicit FileDocAdapter(CFileDoc& document) : document_(document) {}

    IconCache& iconCache() override;
    FavoritesList& favorites() override;
    QString BinFolderPath() const override;
    bool IndexIsCurrent() const override;
    void CheckRecycleBin() override;
    void CompressRecycleBin() override;
    RecycleBin* bin() override;
    QString cryptoProviderName() const override;

private:
    CFileDoc& document_;
};
