#pragma once

#include <QCache>
#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QStringList>
#include <QTimer>

#include "platform/file_attributes.h"

class DeviceFs;

// Small pictures of image files for the large-icon view. A view asks only for the rows it
// paints; a miss queues the file and returns nothing, and the queue is worked one picture
// per turn of the event loop, held back while the list scrolls, so a scroll never waits.
// Pictures are kept by path and write time.
class ThumbnailCache : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;

    ThumbnailCache(DeviceFs& fs, QObject* parent = nullptr);

    // The picture of the file at this side, or a null pixmap (queued when it can be made).
    QPixmap Find(const QString& path, FileTime written, int side);
    // Whether the name is that of a picture file we can read.
    static bool IsPicture(const QString& name);
    // Nothing queued is made any more (the folder changed).
    void DropQueue();
    // The list scrolled: work waits until it has been still for a moment.
    void HoldBack();

signals:
    void ready(const QString& path);

private:
    void MakeNext();
    QString Key(const QString& path, FileTime written, int side) const;

    DeviceFs& fs_;
    QCache<QString, QPixmap> pictures_;
    QStringList queue_;  // keys
    QHash<QString, QString> queuedPaths_;  // key -> path
    QHash<QString, int> queuedSides_;
    QTimer timer_;
};
