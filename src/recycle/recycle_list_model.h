#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <optional>
#include <vector>

class DeviceFs;
class IconCache;
class RecycleBin;
class ShellServices;

// The rows of the recycle-bin dialog, one per entry of the bin in list order: name, original
// folder, delete date, size and type. Types and icons are looked up only for rows shown, in
// the dialog's own icon cache.
class RecycleListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kName, kFolder, kDate, kSize, kType, kColumnCount };

    RecycleListModel(DeviceFs& fs, ShellServices& shell, RecycleBin& bin, IconCache& icons,
                     QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The bin dropped the entry at this row.
    void RemoveRow(int row);
    // The bin read its index again (another process changed it): every row anew.
    void Reload();
    // The type text of a row, looked up when not yet known.
    QString TypeText(int row) const;

private:
    struct RowRecord {
        QString name;
        int image = -1;
        std::optional<QString> type;
    };
    const RowRecord& Resolve(int row) const;

    DeviceFs& fs_;
    ShellServices& shell_;
    RecycleBin& bin_;
    IconCache& icons_;
    mutable std::vector<RowRecord> rows_;
};
