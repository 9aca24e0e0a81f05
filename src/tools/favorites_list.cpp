#include "tools/favorites_list.h"

#include "app/load_str.h"
#include "app/path_helpers.h"
#include "app/system_file.h"
#include "platform/device_fs.h"
#include "resources/ids.h"
#include "tools/favorites_file.h"

namespace {

const QString kPersonalFolder = QStringLiteral("\\My Documents");
const QString kProgramsFolder = QStringLiteral("\\Windows\\Start Menu\\Programs");

}  // namespace

FavoritesList::FavoritesList(DeviceFs& fs) : fs_(fs) {}

QString FavoritesList::FilePath(DeviceFs& fs) {
    return JoinPath(GetProgramFolder(fs), QStringLiteral("ngoto.got"));
}

QString FavoritesList::ProposedName(const QString& folder) {
    if (folder == QLatin1String("\\")) return folder;
    return FileNamePart(folder);
}

void FavoritesList::LoadFavorites() {
    ClearFavorites();
    dirty_ = false;
    const QString path = FilePath(fs_);
    if (!PathExists(fs_, path)) {
        // The personal folder is made when missing, as the platform's folder query does.
        if (!PathExists(fs_, kPersonalFolder)) fs_.CreateDirectory(kPersonalFolder);
        entries_.append({LoadStr(IDS_MY_DOCUMENTS), kPersonalFolder});
        if (PathExists(fs_, kProgramsFolder)) {
            entries_.append({LoadStr(IDS_PROGRAMS), kProgramsFolder});
        }
        dirty_ = true;
        return;
    }
    const std::optional<QByteArray> data = ReadWholeFile(fs_, path, kFavoritesMaxFileBytes);
    if (!data) return;
    if (std::optional<QList<FavoriteEntry>> entries = DecodeFavorites(*data)) {
        entries_ = std::move(*entries);
    }
}

bool FavoritesList::SaveFavorites() {
    if (entries_.isEmpty()) return true;
    const std::optional<QByteArray> data = EncodeFavorites(entries_);
    if (!data || !ReplaceWholeFile(fs_, FilePath(fs_), *data)) return false;
    dirty_ = false;
    return true;
}

void FavoritesList::ClearFavorites() {
    entries_.clear();
}

std::optional<FavoriteEntry> FavoritesList::GetFavorite(int index) const {
    if (index < 0 || index >= Count()) return std::nullopt;
    return entries_[index];
}

bool FavoritesList::AddFavorite(const QString& name, const QString& folder) {
    if (IsFull() || !IsStorableFavoriteText(name) || !IsStorableFavoriteText(folder)) {
        return false;
    }
    entries_.append({name, folder});
    dirty_ = true;
    return true;
}

bool FavoritesList::RenameFavorite(int index, const QString& name) {
    if (index < 0 || index >= Count() || !IsStorableFavoriteText(name)) return false;
    if (name.compare(entries_[index].name, Qt::CaseInsensitive) == 0) return false;
    entries_[index].name = name;
    dirty_ = true;
    return true;
}

int FavoritesList::DeleteFavorite(int index) {
    if (index < 0 || index >= Count()) return -1;
    entries_.removeAt(index);
    dirty_ = true;
    if (entries_.isEmpty()) return -1;
    return qMin(index, Count() - 1);
}

bool FavoritesList::MoveFavoriteUp(int index) {
    return MoveFavorite(index, index - 1);
}

bool FavoritesList::MoveFavoriteDown(int index) {
    return MoveFavorite(index, index + 1);
}

bool FavoritesList::MoveFavorite(int from, int to) {
    if (from < 0 || from >= Count() || to < 0 || to >= Count()) return false;
    entries_.move(from, to);
    dirty_ = true;
    return true;
}

bool FavoritesList::ReplaceFavorites(const QList<FavoriteEntry>& entries) {
    for (const FavoriteEntry& entry : entries) {
        if (!IsStorableFavoriteText(entry.name) || !IsStorableFavoriteText(entry.folder)) {
            return false;
        }
    }
    entries_ = entries;
    dirty_ = true;
    return true;
}
