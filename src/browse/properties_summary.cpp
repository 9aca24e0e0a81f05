#include "browse/properties_summary.h"

#include "app/load_str.h"
#include "app/path_helpers.h"
#include "fileops/tree_ops.h"
#include "platform/device_fs.h"
#include "resources/ids.h"

PropertiesSummary SummarizeItems(DeviceFs& fs, const QStringList& paths, bool rootItem) {
    PropertiesSummary summary;
    const bool several = paths.size() > 1;
    for (const QString& path : paths) {
        FindData record;
        if (rootItem) {
            record.attributes = Attr::kDirectory;
        } else if (!PathExists(fs, path, &record)) {
            continue;
        }
        summary.bytes += record.IsFolder() ? 0 : record.size;
        if (record.IsFolder()) {
            summary.hasFolder = true;
            if (several) ++summary.folders;
            const TreeMeasure measure = MeasureTree(fs, path);
            summary.folders += measure.folders;
            summary.files += measure.files;
            summary.bytes += measure.bytes;
        } else {
            ++summary.files;
        }
        for (size_t box = 0; box < summary.kBoxBits.size(); ++box) {
            const int has = (record.attributes & summary.kBoxBits[box]) ? PropertiesSummary::kSet
                                                                        : PropertiesSummary::kClear;
            int& state = summary.states[box];
            if (!summary.found) {
                state = has;
            } else if (state != has) {
                state = PropertiesSummary::kMixed;
            }
        }
        if (record.attributes & Attr::kInRom) summary.inRom = true;
        if (!summary.found) {
            summary.found = true;
            summary.firstPath = path;
            summary.first = record;
        }
    }
    return summary;
}

namespace {

// The texts' "%ld" and "%d" take 64-bit counts here.
QByteArray WideFormat(int id) {
    return LoadStr(id)
        .replace(QStringLiteral("%ld"), QStringLiteral("%lld"))
        .replace(QStringLiteral("%d"), QStringLiteral("%lld"))
        .toUtf8();
}

}  // namespace

QString PropertiesSizeText(quint64 bytes) {
    constexpr quint64 kMega = 1024 * 1024;
    const auto exact = static_cast<long long>(bytes);
    if (bytes > kMega) {
        return QString::asprintf(WideFormat(IDS_SIZE_MB).constData(), double(bytes) / kMega, exact);
    }
    if (bytes >= 1024) {
        return QString::asprintf(WideFormat(IDS_SIZE_KB).constData(), double(bytes) / 1024, exact);
    }
    return QStringLiteral("%1 %2").arg(bytes).arg(LoadStr(IDS_BYTES));
}

QString PropertiesContentsText(quint64 files, quint64 folders) {
    return QString::asprintf(WideFormat(IDS_CONTENTS_COUNT).constData(),
                             static_cast<long long>(files), static_cast<long long>(folders));
}

quint32 ApplyBoxStates(quint32 attributes, const std::array<int, 4>& boxes) {
    for (size_t box = 0; box < boxes.size(); ++box) {
        const quint32 bit = PropertiesSummary::kBoxBits[box];
        if (boxes[box] == PropertiesSummary::kSet) attributes |= bit;
        if (boxes[box] == PropertiesSummary::kClear) attributes &= ~bit;
    }
    return attributes;
}

bool ApplyAttributes(DeviceFs& fs, const QString& path, const std::array<int, 4>& boxes) {
    FindData record;
    if (!PathExists(fs, path, &record) || (record.attributes & Attr::kInRom)) return false;
    return fs.SetAttributes(path, ApplyBoxStates(record.attributes, boxes));
}
