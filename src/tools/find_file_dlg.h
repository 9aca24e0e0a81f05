#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <functional>

#include "browse/icon_cache.h"

class DeviceFs;
class FileSearch;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class SettingsStore;
class ShellServices;
struct FoundFile;

// The find files dialog: files below a folder whose names match a pattern and whose content
// holds a text, deepest folders first, with their icons and folders. The search runs inside
// the start button's handler but keeps the window painting; the same button stops it.
class CFindFileDlg : public QDialog {
    Q_OBJECT
public:
    // documentIcons seeds the dialog's own icon table with its built-in records.
    CFindFileDlg(DeviceFs& fs, const SettingsStore& settings, ShellServices& shell,
                 const IconCache& documentIcons, QWidget* parent = nullptr);
    ~CFindFileDlg() override;

    // Searches with the fields' values and returns when the search has ended; during a
    // search it stops it instead.
    void OnStartSearch();
    bool IsSearching() const { return search_ != nullptr; }
    qint64 ResultCount() const { return count_; }
    const IconCache& icons() const { return icons_; }

    // Closing during a search stops it and closes once it has ended.
    void done(int result) override;

    // What a result leads to: a tap opens it; tap-and-hold also offers its folder, shown
    // with the file selected (the dialog closes for that).
    using ResultAction = std::function<void(const QString& folder, const QString& name)>;
    void SetResultActions(ResultAction open, ResultAction goToFolder);
    // The current folder and every mounted card join the folder list.
    void OfferFolders(const QStringList& folders);
    void OpenResult(int index);
    void GoToFolderOf(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddResult(const FoundFile& file);
    void ShowFolder(const QString& folder);
    void ShowResultMenu(const QPoint& globalPos);
    // Lets the window paint and take clicks now and then; false once the search is stopped.
    bool KeepResponsive();

    DeviceFs& fs_;
    ShellServices& shell_;
    IconCache icons_;
    QLineEdit* text_ = nullptr;
    QComboBox* pattern_ = nullptr;
    QComboBox* folder_ = nullptr;
    QTreeWidget* results_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* start_ = nullptr;
    FileSearch* search_ = nullptr;  // while a search runs
    QElapsedTimer sincePaint_;
    qint64 count_ = 0;
    int pendingClose_ = -1;  // the result of a close asked for during a search
    ResultAction open_;
    ResultAction goToFolder_;
};
