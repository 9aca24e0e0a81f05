#pragma once

#include <QDialog>

#include "tools/favorites_list.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Renames, deletes and reorders the favourites (template 6008). It works on a copy; OK puts
// the rows in their order back into the document's list, and only when something changed.
class CEditFavoritesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CEditFavoritesDlg(FavoritesList& favorites, QWidget* parent = nullptr);

    int currentRow() const { return currentRow_; }
    bool changed() const { return changed_; }
    QTreeWidget* list() const { return list_; }

    void accept() override;

private:
    void FillRows();
    void SelectCurrent();
    void UpdateButtons();
    void OnRowChanged();
    void OnNameEdited(QTreeWidgetItem* item, int column);
    void OnRename();
    void OnDelete();
    void OnMove(int step);

    FavoritesList& favorites_;
    FavoritesList rows_;
    int currentRow_ = -1;
    bool changed_ = false;
    bool filling_ = false;

    QTreeWidget* list_ = nullptr;
    QPushButton* renameButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* upButton_ = nullptr;
    QPushButton* downButton_ = nullptr;
};
