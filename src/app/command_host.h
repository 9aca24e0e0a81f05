#pragma once

#include <QString>
#include <memory>

class CFileView;
class CommandTable;
class DeviceFs;
class FrameDocument;
class NTreeView;
class Progress;
class QDialog;
class QWidget;
class SettingsStore;
class ShellServices;
class UserPrompt;
struct CommandFacts;

// What commands, their dialogs and the panes need of the main window: its services, the
// current folder and selection, the dialog and progress hooks and the command states.
// CMainFrame implements it; commands depend on this instead of on the whole window.
class CommandHost {
public:
    virtual ~CommandHost() = default;

    // The clipboard format by which the system knows its own cut and copy data (the
    // registered format "NuvioCopyFile" where the platform has registered formats).
    static QString ClipboardFormat();

    virtual DeviceFs& fs() const = 0;
    virtual SettingsStore& settings() const = 0;
    virtual UserPrompt& prompt() const = 0;
    virtual ShellServices& shell() const = 0;
    virtual FrameDocument& GetDocument() const = 0;

    virtual QString GetCurrentFolder() const = 0;
    // False, changing nothing, when the path is not an existing folder or is the current one.
    virtual bool SetCurrentFolder(const QString& path, bool synchronise) = 0;
    virtual CFileView* GetFileView() const = 0;
    virtual NTreeView* GetTreeView() const = 0;
    virtual CommandFacts GatherFacts() const = 0;

    virtual CommandTable& commands() = 0;
    // Applies every update rule after a command changed what they decide on.
    virtual void UpdateCommandUi() = 0;
    // The clipboard transfer marks content that comes from a cut.
    virtual void SetCutMark(bool on) = 0;
    virtual bool cutMark() const = 0;

    // The owner of the command's dialogs.
    virtual QWidget* DialogParent() = 0;
    // Every modal dialog of a command runs through here, so that tests can answer it.
    virtual int RunDialog(QDialog& dialog) = 0;
    // The progress sink of long work.
    virtual std::unique_ptr<Progress> BeginProgress(const QString& title) = 0;
};
