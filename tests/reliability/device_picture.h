#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

class TempDevice;

// Every file of a device with its checksum and size, taken before and after an operation
// to tell which bytes are still there.
struct DevicePicture {
    struct Fact {
        QByteArray md5;
        qint64 size = 0;
        bool operator==(const Fact&) const = default;
    };
    QMap<QString, Fact> files;  // device path -> content

    static DevicePicture Take(TempDevice& device);
    // Without the files of the bin folders (the bins' own files change with every save).
    DevicePicture WithoutBins() const;
    // True when some file in this picture has that content.
    bool HasContent(const QByteArray& md5) const;
};

// The index file of a bin folder.
bool IsBinIndex(const QString& path);

// What a fault left behind, judged against the device before the operation (before), the
// device after the operation ran without a fault (done) and the user's files before anything
// of the case happened (origin).
struct FaultVerdict {
    qint64 bytesLost = 0;  // origin bytes found nowhere they may be
    QStringList lost;      // their paths
    QStringList strays;    // files in neither the before nor the done state (half-written)
};

// strays: every file after the fault must be as in before or as in done (bin indexes aside).
// lost: every file of origin must still be at its place, or where done has its content; a
// file that done no longer has anywhere (deleted on purpose) may be gone, but not altered.
FaultVerdict Judge(const DevicePicture& origin, const DevicePicture& before,
                   const DevicePicture& done, const DevicePicture& afterFault,
                   const DevicePicture& afterRecovery);
