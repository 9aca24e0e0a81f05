#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

class DeviceFs;
class FolderListing;
class IconCache;
class ThumbnailCache;
class UserPrompt;
struct FindData;

// The rows of the file list for its two views: five columns over the folder listing.
// Texts and icons are derived only when a view asks for a row it shows. Every change of the
// listing goes through here, so that the views hear of it.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kName = 0, kSize, kDate, kType, kAttributes, kColumnCount };

    FileListModel(FolderListing& listing, IconCache& icons, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An in-place edit of a name only asks for the rename (renameRequested); the row changes
    // when the rename has been done.
    bool setData(const QModelIndex& index, const QVariant& text, int role = Qt::EditRole) override;

    void FillList(const QString& folder, const QString& binFolderPath);
    int InsertItem(const FindData& record, int position);
    bool RefreshRow(int row, bool reloadIcon);
    // Removes the row only; its file is the caller's.
    bool RemoveRow(int row);
    void RemoveAll();
    // Removes those of the rows whose entries are gone.
    void RemoveVanishedRows(const QList<int>& rows, DeviceFs& fs);
    bool RenameItem(int row, const QString& newName, UserPrompt& prompt);
    // Re-sorts (after a sort method was chosen or the view mode changed), keeping selections
    // and the current row on their entries.
    void ChooseSortMethod(int method);
    void SortRows();
    // Drops the icons resolved so far (the icon cache was rebuilt).
    void ReloadIcons();
    // Whether the date column shows the time of day; the widest text of either form.
    void SetDateWithTime(bool on);
    static QString SampleDateText(bool withTime);
    // Pictures show themselves at this side (none: their type icons only).
    void SetThumbnails(ThumbnailCache* thumbnails, int side);
    // A picture was made for the file of that path.
    void ThumbnailReady(const QString& path);

signals:
    void renameRequested(int row, const QString& oldName, const QString& newName);

private:
    template <typename Sort>
    void Resort(Sort sort);

    FolderListing& listing_;
    IconCache& icons_;
    bool dateWithTime_ = true;
    ThumbnailCache* thumbnails_ = nullptr;
    int thumbnailSide_ = 0;
};
