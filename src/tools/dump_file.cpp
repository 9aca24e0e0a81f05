#include "tools/dump_file.h"

#include <algorithm>

#include "app/message.h"
#include "platform/device_fs.h"
#include "resources/ids.h"
#include "tools/dump_page.h"

DumpFile::DumpFile(std::unique_ptr<DeviceFile> file, qint64 size)
    : file_(std::move(file)), size_(size) {}

DumpFile::~DumpFile() = default;

std::unique_ptr<DumpFile> DumpFile::Open(DeviceFs& fs, const QString& path, UserPrompt& prompt) {
    auto file = fs.Open(path, OpenMode::Read);
    const qint64 size = file ? file->Size() : -1;
    if (size < 0) {
        ShowMessage(prompt, IDS_CANNOT_OPEN_FILE, IDS_APP_TITLE, MessageStyle::Exclamation);
        return nullptr;
    }
    return std::unique_ptr<DumpFile>(new DumpFile(std::move(file), size));
}

QByteArray DumpFile::ReadPage(qint64 offset) {
    if (offset < 0 || offset >= size_ || !file_->Seek(offset)) return {};
    QByteArray page(std::min<qint64>(kDumpPageBytes, size_ - offset), Qt::Uninitialized);
    qint64 total = 0;
    while (total < page.size()) {
        const qint64 got = file_->Read(page.data() + total, page.size() - total);
        if (got <= 0) break;
        total += got;
    }
    page.truncate(total);
    return page;
}
