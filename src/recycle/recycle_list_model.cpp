#include "recycle/recycle_list_model.h"

#include <QIcon>

#include "app/load_str.h"
#include "app/path_helpers.h"
#include "browse/format.h"
#include "browse/get_type_and_icon.h"
#include "browse/icon_cache.h"
#include "platform/file_time.h"
#include "recycle/recycle_bin.h"
#include "resources/ids.h"
#include "shell/nuvio_icon.h"

RecycleListModel::RecycleListModel(DeviceFs& fs, ShellServices& shell, RecycleBin& bin,
                                   IconCache& icons, QObject* parent)
    : QAbstractTableModel(parent), fs_(fs), shell_(shell), bin_(bin), icons_(icons) {
    Reload();
}

void RecycleListModel::Reload() {
    beginResetModel();
    rows_.clear();
    rows_.reserve(size_t(bin_.entries().size()));
    for (const RecycleEntry& entry : bin_.entries())
        rows_.push_back({FileNamePart(entry.originalPath), -1, std::nullopt});
    endResetModel();
}

int RecycleListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int RecycleListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

const RecycleListModel::RowRecord& RecycleListModel::Resolve(int row) const {
    RowRecord& record = rows_[size_t(row)];
    if (record.type) return record;
    const RecycleEntry& entry = bin_.entries()[row];
    QString text;
    if (!PathExists(fs_, entry.archivePath)) {
        text = LoadStr(IDS_UNKNOWN_FILE_TYPE);
        record.image = IconCache::kUnknownFileIcon;
    } else if (entry.IsFolder()) {
        text = LoadStr(IDS_FOLDER);
        record.image = IconCache::kFolderIcon;
    } else {
        record.image = GetTypeAndIcon(shell_, entry.originalPath, &text, icons_, entry.attributes);
    }
    record.type = text;
    return record;
}

QString RecycleListModel::TypeText(int row) const {
    if (row < 0 || row >= rowCount()) return QString();
    return *Resolve(row).type;
}

QVariant RecycleListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.row() >= bin_.entries().size()) {
        return QVariant();
    }
    const int row = index.row();
    const RecycleEntry& entry = bin_.entries()[row];
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case kName:
                    return rows_[size_t(row)].name;
                case kFolder:
                    return FolderPart(entry.originalPath);
                case kDate: {
                    // Stored as local time; the file list's date text shows the same.
                    const QDateTime deleted = entry.deleteTime.ToDateTime();
                    if (!deleted.isValid()) return QString();
                    return FormatDateText(FileTimeFromDateTime(deleted), QLocale());
                }
                case kSize:
                    return FormatSizeText(entry.size);
                case kType:
                    return TypeText(row);
            }
            break;
        case Qt::DecorationRole:
            if (index.column() == kName) {
                const int image = Resolve(row).image;
                if (icons_.IsValidIndex(image)) return IconFromNames(icons_.At(image).iconNames);
            }
            break;
        case Qt::TextAlignmentRole:
            if (index.column() == kSize) return int(Qt::AlignRight | Qt::AlignVCenter);
            return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return QVariant();
}

QVariant RecycleListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::TextAlignmentRole) {
        return int((section == kSize ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) return QVariant();
    switch (section) {
        case kName:
            return LoadStr(IDS_COLUMN_NAME);
        case kFolder:
            return tr("原始資料匣");
        case kDate:
            return tr("刪除日期");
        case kSize:
            return LoadStr(IDS_COLUMN_SIZE);
        default:
            return LoadStr(IDS_COLUMN_TYPE);
    }
}

void RecycleListModel::RemoveRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}
