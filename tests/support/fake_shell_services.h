#pragma once

#include <QHash>
#include <QStringList>

#include "platform/shell_services.h"

class DeviceFs;

// A ShellServices that types files from a table of extensions and records every question.
class FakeShellServices : public ShellServices {
public:
    // Lower-case extension -> type; files of other extensions are of unknown type. Folders
    // and storage cards are typed as "Folder" / "Card".
    QHash<QString, FileTypeInfo> types;
    QStringList typeQueries;  // every path asked about, in order

    // OpenFile answers what openResults holds for the path; else a file of a known type
    // opens and any other has no application.
    QHash<QString, OpenResult> openResults;
    QStringList openedFiles;  // every path asked to open, in order
    QStringList ranPrograms;  // every path RunProgram started, in order

    // Shortcut path -> command text; other files are no shortcuts.
    QHash<QString, QString> shortcuts;
    QList<QPair<QString, QString>> createdShortcuts;  // (shortcut path, target)
    // When set, a created shortcut is also written as a file on this device.
    DeviceFs* device = nullptr;

    QList<bool> inputPanelCalls;  // every ShowInputPanel argument, in order

    // Every transfer service is offered; a start fails while transferStarts is false. The
    // paths handed on, in order.
    bool transferStarts = true;
    QStringList mailed;
    QStringList sentOverLink;
    QStringList receivedInto;

    FakeShellServices();

    std::optional<FileTypeInfo> GetFileType(const QString& path,
                                            std::optional<quint32> attributes) override;
    OpenResult OpenFile(const QString& path) override;
    bool RunProgram(const QString& path) override;
    std::optional<QString> GetShortcutCommand(const QString& shortcutPath) override;
    bool CreateShortcut(const QString& shortcutPath, const QString& target) override;
    std::optional<QString> GetSpecialFolder(int, bool) override { return std::nullopt; }
    void ShowInputPanel(bool on) override { inputPanelCalls.append(on); }
    bool HasTransferService(TransferService) const override { return true; }
    bool SendByMail(const QString& path) override {
        mailed.append(path);
        return transferStarts;
    }
    bool SendOverLink(const QString& path) override {
        sentOverLink.append(path);
        return transferStarts;
    }
    bool ReceiveOverLink(const QString& folder) override {
        receivedInto.append(folder);
        return transferStarts;
    }
};
