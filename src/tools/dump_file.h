#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class DeviceFile;
class DeviceFs;
class UserPrompt;

// The file the dump viewer shows, open for reading until the viewer closes; it reads one
// page at a time and never writes.
class DumpFile {
public:
    // Opens an existing file. When it cannot be opened (a folder, a missing or locked file)
    // message IDS_CANNOT_OPEN_FILE is shown with the exclamation icon and null is returned.
    static std::unique_ptr<DumpFile> Open(DeviceFs& fs, const QString& path, UserPrompt& prompt);
    ~DumpFile();

    qint64 Size() const { return size_; }

    // The bytes of the page at offset: 180, fewer at the end of the file, and only those that
    // could be read when reading fails (nothing is reported).
    QByteArray ReadPage(qint64 offset);

private:
    DumpFile(std::unique_ptr<DeviceFile> file, qint64 size);

    std::unique_ptr<DeviceFile> file_;
    qint64 size_ = 0;
};
