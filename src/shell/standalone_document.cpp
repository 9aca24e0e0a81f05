#include "shell/standalone_document.h"

StandaloneDocument::StandaloneDocument(DeviceFs& fs, const QString& binFolderPath)
    : favorites_(fs), binFolderPath_(binFolderPath) {
    icons_.BuildIconCache(QString());
}
