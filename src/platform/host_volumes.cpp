#include "platform/host_volumes.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

#include "platform/device_path.h"
#include "platform/host_io.h"

namespace {

HostVolume MakeVolume(const QString& name, const QString& hostDir) {
    HostVolume v;
    v.name = name;
    v.hostRoot = QFile::encodeName(QDir(hostDir).absolutePath());
    struct statvfs vfs {};
    if (statvfs(v.hostRoot.constData(), &vfs) == 0) v.readOnly = (vfs.f_flag & ST_RDONLY) != 0;
    struct statfs fs {};
    if (statfs(v.hostRoot.constData(), &fs) == 0) v.fat = fs.f_type == MSDOS_SUPER_MAGIC;
    return v;
}

}  // namespace

HostVolumes::HostVolumes(const Config& config)
    : discover_(config.discoverRemovableMedia),
      reservedNames_(config.reservedNames),
      root_(MakeVolume(QString(), config.rootDir)) {
    for (const Card& card : config.cards)
        AddCard(card.name, card.hostDir);
    Refresh();
}

QString HostVolumes::DefaultRootDir() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/nuvio-explorer/device");
}

bool HostVolumes::SeedDevice(const QString& rootDir) {
    QDir dir(rootDir);
    if (dir.exists()) return true;
    bool ok = dir.mkpath(QStringLiteral("."));
    for (const char* sub :
         {"My Documents", "Program Files", "Windows/Start Menu/Programs", "Temp"}) {
        ok = dir.mkpath(QString::fromLatin1(sub)) && ok;
    }
    return ok;
}

void HostVolumes::Refresh() {
    if (!discover_) return;
    qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (scannedAt_ >= 0 && now - scannedAt_ < 1000) return;
    scannedAt_ = now;
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) return;
    for (const QString& base :
         {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user}) {
        const QStringList names = QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& name : names)
            AddCard(name, base + QLatin1Char('/') + name);
    }
}

// Taken by a card, a reserved name or an entry of the root folder, in any case.
bool HostVolumes::NameTaken(const QString& name) const {
    for (const HostVolume& v : cards_) {
        if (v.name.compare(name, Qt::CaseInsensitive) == 0) return true;
    }
    if (reservedNames_.contains(name, Qt::CaseInsensitive)) return true;
    int fd = OpenDirAt(AT_FDCWD, root_.hostRoot.constData());
    DIR* dir = fd >= 0 ? fdopendir(fd) : nullptr;
    if (!dir) {
        if (fd >= 0) close(fd);
        return false;
    }
    bool taken = false;
    while (dirent* entry = readdir(dir)) {
        if (entry->d_type == DT_LNK || IsOwnHostName(entry->d_name)) continue;
        if (DecodeHostName(entry->d_name).compare(name, Qt::CaseInsensitive) == 0) {
            taken = true;
            break;
        }
    }
    closedir(dir);
    return taken;
}

void HostVolumes::AddCard(const QString& name, const QString& hostDir) {
    if (!IsValidDeviceName(name)) return;
    HostVolume volume = MakeVolume(name, hostDir);
    for (const HostVolume& v : cards_) {
        if (v.hostRoot == volume.hostRoot) return;
    }
    // A clashing name gets a number, as a copy does.
    for (int n = 2; NameTaken(volume.name); ++n)
        volume.name = name + QStringLiteral(" (%1)").arg(n);
    cards_.push_back(volume);
}

bool HostVolumes::Mounted(const HostVolume& volume) {
    HostStat st;
    return StatHost(volume.hostRoot, &st) && st.isDir;
}

const HostVolume* HostVolumes::FindCard(const QString& name) {
    for (const HostVolume& v : cards_) {
        if (v.name.compare(name, Qt::CaseInsensitive) == 0) return Mounted(v) ? &v : nullptr;
    }
    return nullptr;
}

QList<const HostVolume*> HostVolumes::MountedCards() {
    Refresh();
    QList<const HostVolume*> mounted;
    for (const HostVolume& v : cards_) {
        if (Mounted(v)) mounted.append(&v);
    }
    return mounted;
}
