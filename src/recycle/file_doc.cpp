#include "recycle/file_doc.h"

#include "app/path_helpers.h"
#include "crypt/crypto_provider.h"
#include "platform/device_fs.h"
#include "platform/shell_services.h"

namespace {

const QString kPersonalFolder = QStringLiteral("\\My Documents");

}  // namespace

// Construction, in order: favourites (a first start makes the default list), the recycle
// bin (settings, bin folder, index, purge), the crypto provider's name.
CFileDoc::CFileDoc(DeviceFs& fs, SettingsStore& settings, UserPrompt& prompt, const Clock& clock,
                   ShellServices& shell)
    : fs_(fs), shell_(shell), favorites_(fs), bin_(fs, settings, prompt, clock) {
    favorites_.LoadFavorites();
    bin_.Open();
    cryptoProviderName_ = ChooseCryptoProvider();
}

// Destruction, in order: the bin's settings, the icon cache, the favourites when they
// changed, the index when it changed and the bin's folder.
CFileDoc::~CFileDoc() {
    bin_.SaveSettings();
    iconCache_.TrimIconCache(true);
    if (favorites_.IsDirty()) favorites_.SaveFavorites();
    favorites_.ClearFavorites();
    bin_.Close();
}

bool CFileDoc::OnNewDocument() {
    BuildIconCache(iconCache_);
    return true;
}

void CFileDoc::BuildIconCache(IconCache& cache) {
    // Folders look like the user's documents folder, when the shell knows it.
    std::optional<FileTypeInfo> folder;
    if (PathExists(fs_, kPersonalFolder)) folder = shell_.GetFileType(kPersonalFolder);
    if (folder) {
        cache.BuildIconCache(folder->typeText, folder->iconNames);
    } else {
        cache.BuildIconCache(QString());
    }
}
