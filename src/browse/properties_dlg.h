#pragma once

#include <QDialog>
#include <QIcon>
#include <QList>
#include <array>

class CommandHost;
class QCheckBox;
class QLabel;

// Properties of the rows selected in the file list or, in folder mode (tree focused or no
// selection), of the current folder: name, type, place, size, contents, times and the
// attribute boxes. OK applies to each selected file only the boxes the user changed.
class CPropertiesDlg : public QDialog {
    Q_OBJECT
public:
    CPropertiesDlg(CommandHost& frame, bool folderMode, QWidget* parent = nullptr);

    bool folderMode() const { return folderMode_; }
    bool attributesChanged() const { return attributesChanged_; }
    // The boxes as ApplyAttributes takes them (mixed or disabled boxes keep each file's bit).
    std::array<int, 4> BoxStates() const;
    // After OK: the attributes go to the selected files and their rows are refreshed.
    void ApplyToSelection();

    void accept() override;

private:
    void Fill();
    QLabel* Value(int id);

    CommandHost& frame_;
    bool folderMode_;
    bool treeFocused_;
    bool attributesChanged_ = false;
    bool applied_ = false;
    QLabel* iconLabel_ = nullptr;
    std::array<QCheckBox*, 4> boxes_{};
    QCheckBox* romBox_ = nullptr;
};

// The properties command: the dialog in folder mode when the tree has the focus.
void RunPropertiesCommand(CommandHost& frame);
