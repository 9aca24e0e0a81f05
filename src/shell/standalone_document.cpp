#include "shell/standalone_document.h"

#include "crypt/crypto_provider.h"

StandaloneDocument::StandaloneDocument(DeviceFs& fs, const QString& binFolderPath)
    : favorites_(fs), binFolderPath_(binFolderPath) {
    icons_.BuildIconCache(QString());
}

QString StandaloneDocument::cryptoProviderName() const {
    return ChooseCryptoProvider();
}
