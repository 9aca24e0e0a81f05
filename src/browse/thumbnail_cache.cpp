#include "browse/thumbnail_cache.h"

#include <QBuffer>
#include <QImageReader>

#include "app/path_helpers.h"
#include "platform/device_fs.h"

namespace {

constexpr int kHoldBackMs = 150;
constexpr int kKeptPictures = 400;
// Decoding more than this would hold the list up: such pictures keep their type icon. Readers
// that scale while decoding (JPEG) may take larger ones.
constexpr qint64 kMaxPixels = 24'000'000;
constexpr qint64 kMaxScaledPixels = 250'000'000;

}  // namespace

ThumbnailCache::ThumbnailCache(DeviceFs& fs, QObject* parent) : QObject(parent), fs_(fs) {
    pictures_.setMaxCost(kKeptPictures);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ThumbnailCache::MakeNext);
}

bool ThumbnailCache::IsPicture(const QString& name) {
    static const QStringList kExtensions = {
        QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
        QStringLiteral("bmp"), QStringLiteral("gif"),  QStringLiteral("webp")};
    return kExtensions.contains(Extension(name), Qt::CaseInsensitive);
}

QString ThumbnailCache::Key(const QString& path, FileTime written, int side) const {
    return path.toLower() + QLatin1Char('|') + QString::number(written) + QLatin1Char('|') +
           QString::number(side);
}

QPixmap ThumbnailCache::Find(const QString& path, FileTime written, int side) {
    const QString key = Key(path, written, side);
    if (const QPixmap* found = pictures_.object(key)) return *found;
    if (!queuedPaths_.contains(key) && IsPicture(path)) {
        queue_.append(key);
        queuedPaths_.insert(key, path);
        queuedSides_.insert(key, side);
        if (!timer_.isActive()) timer_.start(0);
    }
    return QPixmap();
}

void ThumbnailCache::DropQueue() {
    queue_.clear();
    queuedPaths_.clear();
    queuedSides_.clear();
}

void ThumbnailCache::HoldBack() {
    if (!queue_.isEmpty()) timer_.start(kHoldBackMs);
}

void ThumbnailCache::MakeNext() {
    if (queue_.isEmpty()) return;
    const QString key = queue_.takeFirst();
    const QString path = queuedPaths_.take(key);
    const int side = queuedSides_.take(key);
    if (!queue_.isEmpty()) timer_.start(0);

    // A file that cannot be read or shown keeps its type icon: an empty picture says so.
    auto* picture = new QPixmap;
    std::unique_ptr<DeviceFile> file = fs_.Open(path, OpenMode::Read);
    if (file && file->Size() > 0 && file->Size() <= kMaxFileBytes) {
        QByteArray bytes(file->Size(), '\0');
        qint64 done = 0;
        while (done < bytes.size()) {
            const qint64 got = file->Read(bytes.data() + done, bytes.size() - done);
            if (got <= 0) break;
            done += got;
        }
        bytes.truncate(done);
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        reader.setAutoTransform(true);
        const QSize size = reader.size();
        const qint64 pixels = size.isValid() ? qint64(size.width()) * size.height() : 0;
        const bool scales = reader.supportsOption(QImageIOHandler::ScaledSize);
        if (pixels > 0 && pixels <= (scales ? kMaxScaledPixels : kMaxPixels)) {
            // Scaled while decoding, which JPEG does far faster than decoding whole.
            reader.setScaledSize(size.scaled(side, side, Qt::KeepAspectRatio));
            const QImage image = reader.read();
            if (!image.isNull()) *picture = QPixmap::fromImage(image);
        }
    }
    pictures_.insert(key, picture);
    emit ready(path);
}
