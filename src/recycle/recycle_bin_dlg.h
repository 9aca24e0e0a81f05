#pragma once

#include <QDialog>

#include "browse/icon_cache.h"

class ColumnRoom;
class CommandHost;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeView;
class RecycleBin;
class RecycleListModel;

// The recycle-bin dialog (template 6009): lists the bin's entries, restores and erases the
// selected ones at once, and gathers the enable flag and the bin's place (main memory or a
// storage card), which the command applies after OK.
class CRecycleBinDlg : public QDialog {
    Q_OBJECT
public:
    CRecycleBinDlg(CommandHost& frame, RecycleBin& bin, bool enabled, int position);
    ~CRecycleBinDlg() override;

    // Set by OK when the enable flag, the position or the chosen card differ from what the
    // dialog was opened with.
    bool changed() const { return changed_; }
    bool enabled() const { return enabled_; }
    int position() const { return position_; }
    int cardCount() const { return cardCount_; }

    void accept() override;

    QTreeView* list() const { return list_; }
    RecycleListModel* model() const { return model_; }

private:
    void FillLocations();
    void ApplyColumnSettings();
    void SaveColumnSettings();
    QList<int> SelectedRows() const;
    void UpdateButtons();
    void UpdateSizeLine();
    void OnRestore();
    void OnErase();
    void OnSelectAll();
    void OnAdvanced();

    CommandHost& frame_;
    RecycleBin& bin_;
    IconCache icons_;
    bool enabled_;
    int position_;
    bool changed_ = false;
    int cardCount_ = 0;

    QCheckBox* enableBox_ = nullptr;
    QComboBox* locations_ = nullptr;
    QLabel* sizeLine_ = nullptr;
    QTreeView* list_ = nullptr;
    ColumnRoom* columnRoom_ = nullptr;
    RecycleListModel* model_ = nullptr;
    QPushButton* restoreButton_ = nullptr;
    QPushButton* eraseButton_ = nullptr;
    QPushButton* selectAllButton_ = nullptr;
    QPushButton* advancedButton_ = nullptr;
};
