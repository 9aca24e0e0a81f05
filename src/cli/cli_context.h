#pragma once

#include <QString>
#include <memory>

#include "app/clock.h"
#include "cli/cli_prompt.h"
#include "platform/host_device_fs.h"

class CFileDoc;
class RecycleBin;
class SettingsStore;
class ShellServices;

// What the commands work on: the explorer's device and settings store, its document (built
// when a command first needs it, saved when the run ends, as at the explorer's exit), the
// answers given on the command line, and whether some item failed.
class CliContext {
public:
    explicit CliContext(const HostDeviceFs::Config& config);
    ~CliContext();
    CliContext(const CliContext&) = delete;
    CliContext& operator=(const CliContext&) = delete;

    DeviceFs& fs() { return *fs_; }
    SettingsStore& settings() { return *settings_; }
    ShellServices& shell() { return *shell_; }
    CliPrompt& prompt() { return prompt_; }
    const Clock& clock() const { return clock_; }
    CFileDoc& doc();
    // The document's bin, after the explorer's start-up check of its folder (which may
    // rebuild a missing one, messages IDS_STORAGE_CARD_REMOVED and IDS_RECYCLE_BIN_DAMAGED).
    RecycleBin& bin();

    // The folder the explorer showed last; its default, or the root, when that is gone.
    QString WorkDirectory();
    // The device path an argument names: "/" counts as "\", a relative path starts at the
    // work directory, trailing separators go. Empty for an empty argument. Sets up the
    // document first, so that the standard folders exist.
    QString ResolvePath(const QString& argument);

    // Reports a text of the program on standard error and marks the run as failed.
    void Fail(const QString& text);
    // 1 when some item failed or a question went unanswered, else 0.
    int ExitCode() const;

private:
    std::unique_ptr<HostDeviceFs> fs_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<ShellServices> shell_;
    Clock clock_;
    CliPrompt prompt_;
    std::unique_ptr<CFileDoc> doc_;  // last: it saves into the others when destroyed
    bool failed_ = false;
    bool binChecked_ = false;
};
