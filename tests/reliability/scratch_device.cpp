#include "scratch_device.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

#include "app/path_helpers.h"

namespace {

// A memory file system where there is one: the targets write for every input, and a flush
// to a disk shared with others would be most of their time.
QString ScratchParent() {
    // The suite's runner names a folder it removes afterwards: libFuzzer may end a run without
    // destroying the device.
    const QString chosen = qEnvironmentVariable("NUVIO_SCRATCH_DIR");
    if (!chosen.isEmpty()) return chosen;
    const QString shm = QStringLiteral("/dev/shm");
    return QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm : QDir::tempPath();
}

}  // namespace

ScratchDevice::ScratchDevice() : dir_(ScratchParent() + QStringLiteral("/nuvio-fuzz-XXXXXX")) {
    root_ = dir_.path() + QStringLiteral("/root");
    QDir().mkpath(root_);
    HostDeviceFs::Config config;
    config.rootDir = root_;
    fs_ = std::make_unique<HostDeviceFs>(config);
}

void ScratchDevice::Clear() {
    // Restored folders may be read-only (no write bits): give them back before emptying.
    QDirIterator it(root_, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner |
                                        QFile::ReadOwner | QFile::ExeOwner);
    }
    QDir(root_).removeRecursively();
    QDir().mkpath(root_);
}

bool ScratchDevice::Put(const QString& path, const QByteArray& content) {
    MakePath(*fs_, FolderPart(path));
    std::unique_ptr<DeviceFile> file = fs_->Open(path, OpenMode::CreateAlways);
    return file && file->Write(content.constData(), content.size()) && file->Close();
}

void ScratchDevice::CheckNothingOutside() const {
    const QStringList entries =
        QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : entries) {
        if (name == QLatin1String("root")) continue;
        std::fprintf(stderr, "written outside the device: %s\n", qPrintable(name));
        std::abort();
    }
}
