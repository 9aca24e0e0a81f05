#include "platform/host_find_handle.h"

#include <unistd.h>

#include "platform/device_path.h"
#include "platform/host_attributes.h"
#include "platform/host_io.h"

HostFindHandle::HostFindHandle(HostVolumes& volumes, const HostVolume* volume, int folderFd,
                               QByteArray folder, QString pattern, QList<FindData> extra)
    : volumes_(volumes),
      volume_(volume),
      folder_(std::move(folder)),
      pattern_(std::move(pattern)),
      extra_(std::move(extra)) {
    if (folderFd >= 0) {
        dir_ = fdopendir(folderFd);
        if (!dir_) close(folderFd);
    }
    matchAll_ = pattern_ == QLatin1String("*.*") || pattern_ == QLatin1String("*");
}

HostFindHandle::~HostFindHandle() {
    if (dir_) closedir(dir_);
}

bool HostFindHandle::Next(FindData& out) {
    while (!extra_.isEmpty()) {
        out = extra_.takeFirst();
        return true;
    }
    if (!dir_) return false;
    while (dirent* entry = readdir(dir_)) {
        const char* raw = entry->d_name;
        if (IsOwnHostName(raw)) continue;
        if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0))) continue;
        QString name = DecodeHostName(raw);
        // Links are never followed and some host names cannot be device names: a walk
        // reports both instead of missing them silently.
        if (name.isEmpty() || entry->d_type == DT_LNK) {
            if (matchAll_) skipped_.append(QString::fromUtf8(raw));
            continue;
        }
        if (foldersOnly_ && entry->d_type != DT_DIR && entry->d_type != DT_UNKNOWN) continue;
        if (!matchAll_ && !MatchPattern(pattern_, name)) continue;
        if (volume_->name.isEmpty() && volumes_.FindCard(name)) continue;  // the card wins
        HostStat st;
        bool link = false;
        if (!HostStatAt(dirfd(dir_), raw, &st, &link) || link) {
            if (link) skipped_.append(name);
            continue;
        }
        // Reading by the folder's path is twice as fast as through the descriptor and
        // changes nothing, whatever it reaches.
        quint32 attributes = ReadHostAttributes(JoinHostPath(folder_, raw), st, name,
                                                volume_->readOnly, volume_->fat);
        FillFind(st, attributes, name, &out);
        return true;
    }
    return false;
}
