#pragma once

#include <dirent.h>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "platform/device_fs.h"
#include "platform/host_volumes.h"

// Enumerates one host folder (plus the storage cards when it is the root).
class HostFindHandle : public FindHandle {
public:
    // Takes the folder's descriptor (-1 for none); extra entries come first (the cards).
    HostFindHandle(HostVolumes& volumes, const HostVolume* volume, int folderFd, QByteArray folder,
                   QString pattern, QList<FindData> extra);
    ~HostFindHandle() override;
    bool Valid() const { return dir_ != nullptr; }
    void SetFoldersOnly(bool on) { foldersOnly_ = on; }

    bool Next(FindData& out) override;
    QStringList Skipped() const override { return skipped_; }

private:
    HostVolumes& volumes_;
    const HostVolume* volume_;
    QStringList skipped_;
    QByteArray folder_;
    QString pattern_;
    QList<FindData> extra_;
    DIR* dir_ = nullptr;
    bool matchAll_ = false;
    bool foldersOnly_ = false;
};
