#pragma once

#include <QString>

#include "browse/icon_cache.h"
#include "recycle/recycle_bin.h"
#include "tools/favorites_list.h"

class Clock;
class DeviceFs;
class SettingsStore;
class ShellServices;
class UserPrompt;

// The application's single document: owner of the state that is not a view setting — the
// favourites, the recycle bin, the icon cache of the file list and the name of the crypto
// provider. Loads them when built and saves what changed when destroyed.
class CFileDoc {
public:
    CFileDoc(DeviceFs& fs, SettingsStore& settings, UserPrompt& prompt, const Clock& clock,
             ShellServices& shell);
    ~CFileDoc();
    CFileDoc(const CFileDoc&) = delete;
    CFileDoc& operator=(const CFileDoc&) = delete;

    // New or opened document: the icon cache gets its three built-in records.
    bool OnNewDocument();
    // Appends the built-in records (folder, unknown file, program) to a cache.
    void BuildIconCache(IconCache& cache);
    void TrimIconCache(bool all) { iconCache_.TrimIconCache(all); }
    QString GetFolderTypeName() const { return iconCache_.GetFolderTypeName(); }

    IconCache& iconCache() { return iconCache_; }
    FavoritesList& favorites() { return favorites_; }
    RecycleBin& bin() { return bin_; }
    const QString& cryptoProviderName() const { return cryptoProviderName_; }
    static constexpr quint32 kCryptAcquireFlags = 0xF0000000;

private:
    DeviceFs& fs_;
    ShellServices& shell_;
    IconCache iconCache_;
    FavoritesList favorites_;
    RecycleBin bin_;
    QString cryptoProviderName_;
};
