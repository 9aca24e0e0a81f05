#include "browse/file_list_model.h"

#include <QDateTime>
#include <QHash>
#include <QIcon>
#include <algorithm>

#include "app/load_str.h"
#include "app/path_helpers.h"
#include "browse/folder_listing.h"
#include "browse/format.h"
#include "browse/icon_cache.h"
#include "browse/thumbnail_cache.h"
#include "platform/file_time.h"
#include "platform/shell_services.h"
#include "resources/ids.h"
#include "shell/nuvio_icon.h"

namespace {

// Above this many vanished rows one reset is cheaper than removing them one by one.
constexpr int kRowByRowRemovalLimit = 64;

}  // namespace

FileListModel::FileListModel(FolderListing& listing, IconCache& icons, QObject* parent)
    : QAbstractTableModel(parent), listing_(listing), icons_(icons) {}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : listing_.RowCount();
}

int FileListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !listing_.IsValidRow(index.row())) return QVariant();
    const int row = index.row();
    const FileItem& item = listing_.Item(row);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            switch (index.column()) {
                case kName:
                    return item.name;
                case kSize:
                    return item.IsFolder() ? QString() : FormatSizeText(item.size);
                case kDate:
                    return FormatDateText(item.written, QLocale(), dateWithTime_);
                case kType:
                    listing_.EnsureItemIcon(row);
                    return listing_.Item(row).typeName.value_or(QString());
                case kAttributes:
                    return FormatAttrText(item.attributes);
            }
            break;
        case Qt::DecorationRole:
            if (index.column() == kName && thumbnails_ && !item.IsFolder()) {
                const QPixmap picture = thumbnails_->Find(
                    JoinPath(listing_.currentFolder(), item.name), item.written, thumbnailSide_);
                if (!picture.isNull()) return QIcon(picture);
            }
            if (index.column() == kName) {
                const int icon = listing_.EnsureItemIcon(row);
                if (icons_.IsValidIndex(icon)) return IconFromNames(icons_.At(icon).iconNames);
                return NuvioIcon(BuiltInIconName(IDI_FILE));
            }
            break;
        case Qt::TextAlignmentRole:
            if (index.column() == kSize) return int(Qt::AlignRight | Qt::AlignVCenter);
            return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return QVariant();
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) return LoadStr(IDS_COLUMN_NAME + section);
    if (role == Qt::TextAlignmentRole) {
        return int((section == kSize ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    return QVariant();
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == kName) flags |= Qt::ItemIsEditable;
    return flags;
}

bool FileListModel::setData(const QModelIndex& index, const QVariant& text, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() != kName ||
        !listing_.IsValidRow(index.row())) {
        return false;
    }
    const QString newName = text.toString();
    const QString& oldName = listing_.Item(index.row()).name;
    // An empty text counts as a cancelled edit.
    if (newName.isEmpty() || newName == oldName) return false;
    emit renameRequested(index.row(), oldName, newName);
    return true;
}

void FileListModel::FillList(const QString& folder, const QString& binFolderPath) {
    beginResetModel();
    listing_.FillList(folder, binFolderPath);
    endResetModel();
}

int FileListModel::InsertItem(const FindData& record, int position) {
    if (position < 0 || position > listing_.RowCount()) position = listing_.RowCount();
    beginInsertRows(QModelIndex(), position, position);
    const int row = listing_.InsertItem(record, position);
    endInsertRows();
    return row;
}

bool FileListModel::RefreshRow(int row, bool reloadIcon) {
    if (!listing_.RefreshRow(row, reloadIcon)) return false;
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
    return true;
}

bool FileListModel::RemoveRow(int row) {
    if (!listing_.IsValidRow(row)) return false;
    beginRemoveRows(QModelIndex(), row, row);
    listing_.DeleteRow(row, false);
    endRemoveRows();
    return true;
}

void FileListModel::RemoveAll() {
    if (listing_.RowCount() == 0) return;
    beginResetModel();
    listing_.RemoveRows();
    endResetModel();
}

void FileListModel::RemoveVanishedRows(const QList<int>& rows, DeviceFs& fs) {
    QList<int> candidates = rows;
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    QList<int> gone;
    for (int row : candidates) {
        QString path;
        if (listing_.GetItemPath(row, &path) && !PathExists(fs, path)) gone.append(row);
    }
    if (gone.isEmpty()) return;
    if (gone.size() > kRowByRowRemovalLimit) {
        beginResetModel();
        listing_.RemoveVanishedRows(gone);
        endResetModel();
        return;
    }
    // From the last to the first, so that the numbers of the rows still to go stay valid.
    std::sort(gone.begin(), gone.end(), std::greater<int>());
    for (int row : gone)
        RemoveRow(row);
}

bool FileListModel::RenameItem(int row, const QString& newName, UserPrompt& prompt) {
    if (!listing_.IsValidRow(row)) return false;
    if (!listing_.RenameItem(row, newName, prompt)) return false;
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
    return true;
}

template <typename Sort>
void FileListModel::Resort(Sort sort) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QStringList names;
    names.reserve(before.size());
    for (const QModelIndex& index : before)
        names.append(listing_.IsValidRow(index.row()) ? listing_.Item(index.row()).name
                                                      : QString());
    sort();
    // Names are unique within a folder, so they find each entry's new row.
    QModelIndexList after;
    after.reserve(before.size());
    if (!before.isEmpty()) {
        QHash<QString, int> rowOf;
        rowOf.reserve(listing_.RowCount());
        for (int row = 0; row < listing_.RowCount(); ++row)
            rowOf.insert(listing_.Item(row).name, row);
        for (qsizetype i = 0; i < before.size(); ++i) {
            const int row = rowOf.value(names[i], -1);
            after.append(row < 0 ? QModelIndex() : index(row, before[i].column()));
        }
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void FileListModel::ChooseSortMethod(int method) {
    Resort([&] { listing_.ChooseSortMethod(method); });
}

void FileListModel::SortRows() {
    Resort([&] { listing_.SortRows(); });
}

void FileListModel::ReloadIcons() {
    if (listing_.RowCount() == 0) return;
    emit dataChanged(index(0, kName), index(listing_.RowCount() - 1, kName), {Qt::DecorationRole});
}

void FileListModel::SetDateWithTime(bool on) {
    if (on == dateWithTime_) return;
    dateWithTime_ = on;
    if (rowCount() > 0) emit dataChanged(index(0, kDate), index(rowCount() - 1, kDate));
}

QString FileListModel::SampleDateText(bool withTime) {
    // A two-digit month and day and a long day period make the widest text.
    const QDateTime widest(QDate(2026, 12, 28), QTime(23, 58));
    const FileTime time = FileTimeFromDateTime(widest.toUTC());
    return FormatDateText(time, QLocale(), withTime);
}

void FileListModel::SetThumbnails(ThumbnailCache* thumbnails, int side) {
    if (thumbnails == thumbnails_ && side == thumbnailSide_) return;
    thumbnails_ = thumbnails;
    thumbnailSide_ = side;
    if (rowCount() > 0) emit dataChanged(index(0, kName), index(rowCount() - 1, kName));
}

void FileListModel::ThumbnailReady(const QString& path) {
    if (!thumbnails_ || FolderPart(path).compare(listing_.currentFolder(), Qt::CaseInsensitive)) {
        return;
    }
    const int row = listing_.FindRowByName(FileNamePart(path));
    if (row >= 0) emit dataChanged(index(row, kName), index(row, kName), {Qt::DecorationRole});
}
