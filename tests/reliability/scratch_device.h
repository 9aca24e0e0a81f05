#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/path_helpers.h"
#include "platform/host_device_fs.h"

// A throw-away device for the fuzz targets: its root is the only host folder in a private
// temporary folder, so anything written outside the device shows up beside it. The folder is
// in memory where it can be (the targets write for every input), or where the suite's runner
// says: libFuzzer may end a run without destroying the device.
class ScratchDevice {
public:
    ScratchDevice() : dir_(Parent() + QStringLiteral("/nuvio-fuzz-XXXXXX")) {
        root_ = dir_.path() + QStringLiteral("/root");
        QDir().mkpath(root_);
        HostDeviceFs::Config config;
        config.rootDir = root_;
        fs_ = std::make_unique<HostDeviceFs>(config);
    }

    DeviceFs& fs() { return *fs_; }

    // Empties the device; restored folders may be read-only, so their bits come back first.
    void Clear() {
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

    // Writes a file through the device (parents made as needed); false when it could not.
    bool Put(const QString& path, const QByteArray& content) {
        MakePath(*fs_, FolderPart(path));
        std::unique_ptr<DeviceFile> file = fs_->Open(path, OpenMode::CreateAlways);
        return file && file->Write(content.constData(), content.size()) && file->Close();
    }

    // Aborts, naming the entry, when anything but the root is in the private folder.
    void CheckNothingOutside() const {
        for (const QString& name :
             QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
            if (name == QLatin1String("root")) continue;
            std::fprintf(stderr, "written outside the device: %s\n", qPrintable(name));
            std::abort();
        }
    }

private:
    static QString Parent() {
        const QString chosen = qEnvironmentVariable("NUVIO_SCRATCH_DIR");
        if (!chosen.isEmpty()) return chosen;
        const QFileInfo shm(QStringLiteral("/dev/shm"));
        return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    }

    QTemporaryDir dir_;
    QString root_;
    std::unique_ptr<HostDeviceFs> fs_;
};
