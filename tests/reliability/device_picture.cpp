#include "device_picture.h"

#include <QCryptographicHash>

#include "app/path_helpers.h"
#include "support/temp_device.h"

namespace {

void Walk(TempDevice& device, const QString& folder, DevicePicture& picture) {
    for (const QString& name : device.List(folder)) {
        if (name.endsWith(QLatin1Char('\\'))) {
            Walk(device, JoinPath(folder, name.chopped(1)), picture);
            continue;
        }
        const QString path = JoinPath(folder, name);
        const QByteArray content = device.Read(path);
        picture.files.insert(
            path, {QCryptographicHash::hash(content, QCryptographicHash::Md5), content.size()});
    }
}

bool InBin(const QString& path) {
    return path.contains(QLatin1String("\\~Recycle\\"), Qt::CaseInsensitive);
}

}  // namespace

bool IsBinIndex(const QString& path) {
    return InBin(path) && path.endsWith(QLatin1String("\\~Recycle.bin"), Qt::CaseInsensitive);
}

DevicePicture DevicePicture::Take(TempDevice& device) {
    DevicePicture picture;
    Walk(device, QStringLiteral("\\"), picture);
    return picture;
}

DevicePicture DevicePicture::WithoutBins() const {
    DevicePicture picture;
    for (auto it = files.begin(); it != files.end(); ++it) {
        if (!InBin(it.key())) picture.files.insert(it.key(), it.value());
    }
    return picture;
}

bool DevicePicture::HasContent(const QByteArray& md5) const {
    for (const Fact& fact : files) {
        if (fact.md5 == md5) return true;
    }
    return false;
}

FaultVerdict Judge(const DevicePicture& origin, const DevicePicture& before,
                   const DevicePicture& done, const DevicePicture& afterFault,
                   const DevicePicture& afterRecovery) {
    FaultVerdict verdict;
    for (auto it = afterFault.files.begin(); it != afterFault.files.end(); ++it) {
        // A bin's index lists what a partial run did; it is complete, not half-written (its
        // callers check that it reads).
        if (IsBinIndex(it.key())) continue;
        if (before.files.value(it.key()) == it.value()) continue;
        if (done.files.value(it.key()) == it.value()) continue;
        verdict.strays.append(it.key());
    }
    for (auto it = origin.files.begin(); it != origin.files.end(); ++it) {
        const QString& path = it.key();
        const DevicePicture::Fact& fact = it.value();
        if (afterRecovery.files.value(path) == fact) continue;
        bool moved = false;
        for (auto d = done.files.begin(); d != done.files.end() && !moved; ++d)
            moved = d.value() == fact && afterRecovery.files.value(d.key()) == fact;
        if (moved) continue;
        const bool deletedOnPurpose = !done.HasContent(fact.md5);
        const bool asDone = afterRecovery.files.contains(path) &&
                            afterRecovery.files.value(path) == done.files.value(path);
        if (deletedOnPurpose && (!afterRecovery.files.contains(path) || asDone)) continue;
        verdict.bytesLost += fact.size;
        verdict.lost.append(path);
    }
    return verdict;
}
