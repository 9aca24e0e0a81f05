#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

// Adds the folder being shown to the favourites (template 6007): the name to show, proposed
// by the command and taken as typed, over the folder, which cannot be changed.
class CAddFavoriteDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxNameLength = 127;

    CAddFavoriteDlg(const QString& name, const QString& folder, QWidget* parent = nullptr);

    QString name() const;
    QString folder() const { return folder_; }

private:
    QString folder_;
    QLineEdit* nameEdit_ = nullptr;
};
