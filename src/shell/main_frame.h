#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "app/command_host.h"
#include "browse/file_view.h"
#include "browse/folder_tree.h"
#include "shell/address_bar.h"
#include "shell/command_rules.h"
#include "shell/navigation_history.h"

class CommandTable;
class Progress;
class QDialog;
class DeviceFs;
class FolderWatcher;
class FrameDocument;
class QMenu;
class QSplitter;
class QToolBar;
class SettingsStore;
class ShellServices;
class UserPrompt;

// Work the frame posts to itself, to run once the current event is done.
enum class FrameMessage { CheckRecycleBin, CompressRecycleBin, ShowCommandFile, DecryptCommandFile };

// The single top-level window. It owns the current folder, which changes only through
// SetCurrentFolder; the menu bar with its tool buttons; the address bar; and a splitter with
// the folder tree above the file list. Every command goes through its command table; the
// private messages that finish start-up and a second start arrive as queued calls.
class CMainFrame : public QMainWindow,
                   public CommandHost,
                   public FileViewHost,
                   public FolderTreeHost,
                   public AddressBarHost {
    Q_OBJECT
public:
    struct Services {
        DeviceFs& fs;
        SettingsStore& settings;
        UserPrompt& prompt;
        ShellServices& shell;
        FrameDocument& document;
    };

    explicit CMainFrame(const Services& services, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // False, changing nothing, when the path is not an existing folder or is the current
    // one. With synchronise, the tree walks there and the list is refilled.
    bool SetCurrentFolder(const QString& path, bool synchronise) override;
    QString GetCurrentFolder() const override { return currentFolder_; }

    // Runs a command through the command table; false when it is disabled or has no handler.
    bool OnCommand(int id) override;
    void PostCommand(int id);
    // Runs the message after the current event.
    void PostMessage(FrameMessage message);
    void OnMessage(FrameMessage message);

    CommandTable& commands() override { return *commands_; }
    CommandFacts GatherFacts() const override;
    // Applies every update rule (menus run it when they open; tool buttons when idle).
    void UpdateCommandUi() override;
    // A popup menu of commands (0: a separator) with their string-table texts, enabled by
    // their rules, routed to OnCommand.
    std::unique_ptr<QMenu> BuildPopupMenu(const QList<int>& commandIds);
    QMenu* MenuBarPopup(int index) const;

    // The clipboard transfer marks content that comes from a cut.
    void SetCutMark(bool on) override;
    bool cutMark() const override { return cutMark_; }

    // Sizes rows, icons, tool buttons, menu entries and dialog buttons for the screen and the
    // touch size setting.
    void ApplyTouchSize();
    // A small screen is taken whole; a desktop gets the size the window had last.
    void ShowOnScreen();
    void ToggleAddressBar();
    bool IsAddressBarShown() const;
    void FocusActiveView() override;
    // Writes the window's settings and those of its panes; once.
    void SaveSettings();

    // The icon the file list shows for a row of that name; the unknown-file icon without one.
    QIcon ListIcon(const QString& name) const;

    CFileView* GetFileView() const override { return fileView_; }
    NTreeView* GetTreeView() const override { return tree_; }
    CAddressBar* GetAddressBar() const { return addressBar_; }
    QSplitter* splitter() const { return splitter_; }
    FrameDocument& GetDocument() const override { return document_; }
    DeviceFs& fs() const override { return fs_; }
    SettingsStore& settings() const override { return settings_; }
    UserPrompt& prompt() const override { return prompt_; }
    ShellServices& shell() const override { return shell_; }
    QWidget* DialogParent() override { return this; }

    // Every modal dialog of a command runs through here, so that tests can drive the real
    // dialog and answer it without a modal loop.
    using DialogRunner = std::function<int(QDialog& dialog)>;
    int RunDialog(QDialog& dialog) override;
    void SetDialogRunner(DialogRunner runner) { dialogRunner_ = std::move(runner); }
    // The progress sink of long work: a progress window that appears once the work has
    // lasted about a second; tests put their own sink here.
    using ProgressFactory = std::function<std::unique_ptr<Progress>(const QString& title)>;
    std::unique_ptr<Progress> BeginProgress(const QString& title) override;
    void SetProgressFactory(ProgressFactory factory) { progressFactory_ = std::move(factory); }

    // FileViewHost, FolderTreeHost, AddressBarHost.
    QString BinFolderPath() const override;
    void OpenFolder(const QString& path) override;
    void ShowPopupMenu(const QList<int>& commandIds, const QPoint& globalPos) override;
    void FolderRenamed(const QString& oldName, const QString& newName) override;
    void EnsureListPaneHeight(int minimum) override;
    bool RecycleIndexIsCurrent() const override;
    void CompressRecycleBin() override;
    void TreeFolderSelected(const QString& path) override;
    void TreeFolderRenamed(const QString& newPath) override;
    const FavoritesList& Favorites() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Shares the splitter's height between the tree and the list as the splitter resizes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenuBar();
    void BuildToolButtons();
    void RegisterHandlers();
    void ScheduleCommandUi();
    // A menu closed: unless another opened, the menu bar gives the focus back to its pane.
    void LeaveMenuBar();

    void BuildKeys();
    // Back or forward in the visited folders; a folder that is gone is passed over.
    void GoInHistory(bool forward);
    // The list and the tree follow changes other programs made to the current folder.
    // Watches the list's folder and the tree's listed levels.
    void WatchCurrentFolder();
    void OnFolderChangedOutside(const QStringList& paths);
    void OnUpOneLevel();
    void OnNewFolder();
    void OnRefresh();
    void OnOpen();
    void OnRename();
    void OnSelectRows(SelectMode mode);
    void OnFavorite(int id);
    void OnAbout();
    void OnShowCommandFile();
    void OnDecryptCommandFile();

    DeviceFs& fs_;
    SettingsStore& settings_;
    UserPrompt& prompt_;
    ShellServices& shell_;
    FrameDocument& document_;

    QString currentFolder_;
    std::unique_ptr<CommandTable> commands_;
    CAddressBar* addressBar_ = nullptr;
    QSplitter* splitter_ = nullptr;
    NTreeView* tree_ = nullptr;
    CFileView* fileView_ = nullptr;
    QList<QMenu*> menus_;
    QToolBar* toolButtons_ = nullptr;
    FolderWatcher* watcher_ = nullptr;
    bool watchScheduled_ = false;
    NavigationHistory history_;
    bool inHistory_ = false;
    DialogRunner dialogRunner_;
    ProgressFactory progressFactory_;

    int viewHeight_ = 100;
    bool treeHeightChosen_ = false;  // not the default, or the split bar dragged in this run
    bool cutMark_ = false;
    bool saved_ = false;
    bool updatePending_ = false;
    mutable bool factsCached_ = false;
    mutable CommandFacts facts_;
};
