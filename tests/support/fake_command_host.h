#pragma once

#include <QDialog>
#include <memory>

#include "app/command_host.h"
#include "app/progress.h"
#include "shell/command_rules.h"
#include "shell/command_table.h"

// A command host without a window: commands run against the given services and folder, their
// dialogs are counted and rejected and their progress goes nowhere.
class FakeCommandHost : public CommandHost {
public:
    FakeCommandHost(DeviceFs& fs, SettingsStore& settings, UserPrompt& prompt, ShellServices& shell,
                    FrameDocument& document)
        : fs_(fs), settings_(settings), prompt_(prompt), shell_(shell), document_(document) {}

    DeviceFs& fs() const override { return fs_; }
    SettingsStore& settings() const override { return settings_; }
    UserPrompt& prompt() const override { return prompt_; }
    ShellServices& shell() const override { return shell_; }
    FrameDocument& GetDocument() const override { return document_; }

    QString GetCurrentFolder() const override { return folder; }
    bool SetCurrentFolder(const QString& path, bool) override {
        folder = path;
        return true;
    }
    CFileView* GetFileView() const override { return nullptr; }
    NTreeView* GetTreeView() const override { return nullptr; }
    CommandFacts GatherFacts() const override { return {}; }
    CommandTable& commands() override { return table_; }
    void UpdateCommandUi() override {}
    void SetCutMark(bool on) override { cut_ = on; }
    bool cutMark() const override { return cut_; }
    QWidget* DialogParent() override { return nullptr; }
    int RunDialog(QDialog&) override {
        ++dialogsRun;
        return QDialog::Rejected;
    }
    std::unique_ptr<Progress> BeginProgress(const QString&) override { return nullptr; }

    QString folder = QStringLiteral("\\");
    int dialogsRun = 0;

private:
    DeviceFs& fs_;
    SettingsStore& settings_;
    UserPrompt& prompt_;
    ShellServices& shell_;
    FrameDocument& document_;
    CommandTable table_{[](int) { return CommandUpdate(); }};
    bool cut_ = false;
};
