#include "cli/cli_context.h"

#include <QFile>
#include <QTemporaryDir>

#include "app/device_options.h"
#include "app/path_helpers.h"
#include "app/settings_defaults.h"
#include "app/settings_store.h"
#include "platform/desktop_shell_services.h"
#include "platform/host_path_map.h"
#include "platform/read_only_device_fs.h"
#include "recycle/file_doc.h"
#include "resources/ids.h"

namespace {

std::unique_ptr<HostDeviceFs> OpenDevice(const DeviceOptions& options, bool readOnly) {
    if (!readOnly) SeedDefaultDevice(options);
    return std::make_unique<HostDeviceFs>(options.config);
}

// A command that only reads works on a copy of the settings: what the document saves at the
// end (a bin path it worked out) must not tell a later run that a bin exists.
std::unique_ptr<SettingsStore> OpenSettings(const DeviceOptions& options, QTemporaryDir* scratch) {
    std::unique_ptr<SettingsStore> store = OpenDeviceSettings(options);
    if (!scratch) return store;
    const QString copy = scratch->filePath(QStringLiteral("settings.ini"));
    QFile::copy(store->FileName(), copy);
    return SettingsStore::FromFile(copy);
}

}  // namespace

CliContext::CliContext(const DeviceOptions& options, bool readOnly)
    : fs_(OpenDevice(options, readOnly)),
      readOnlyFs_(readOnly ? std::make_unique<ReadOnlyDeviceFs>(*fs_) : nullptr),
      scratch_(readOnly ? std::make_unique<QTemporaryDir>() : nullptr),
      settings_(OpenSettings(options, scratch_.get())),
      shell_(std::make_unique<DesktopShellServices>(fs())) {}

DeviceFs& CliContext::fs() {
    if (readOnlyFs_) return *readOnlyFs_;
    return *fs_;
}

CliContext::~CliContext() {
    doc_.reset();
    settings_->Sync();
}

CFileDoc& CliContext::doc() {
    if (!doc_) {
        doc_ = std::make_unique<CFileDoc>(fs(), *settings_, prompt_, clock_, *shell_);
        doc_->OnNewDocument();
    }
    return *doc_;
}

RecycleBin& CliContext::bin() {
    RecycleBin& bin = doc().bin();
    // A command that only reads takes the bin as it is (the check may rebuild it).
    if (!binChecked_ && !readOnlyFs_) {
        binChecked_ = true;
        // Notices of the check are advice; a bin that stays missing fails the command later.
        prompt_.SetMessagesFail(false);
        bin.CheckRecycleBin();
        prompt_.SetMessagesFail(true);
    }
    return bin;
}

QString CliContext::WorkDirectory() {
    auto isFolder = [this](const QString& path) {
        FindData record;
        return path.startsWith(QLatin1Char('\\')) && PathExists(fs(), path, &record) &&
               record.IsFolder();
    };
    const QString stored = settings_->GetText(IDS_SECTION_MAIN, IDS_KEY_WORK_DIRECTORY);
    if (isFolder(stored)) return stored;
    const SettingDefault* fallback = FindSettingDefault(IDS_SECTION_MAIN, IDS_KEY_WORK_DIRECTORY);
    if (fallback && fallback->text) {
        const QString folder = QString::fromUtf16(fallback->text);
        if (isFolder(folder)) return folder;
    }
    return QStringLiteral("\\");
}

QString CliContext::ResolvePath(const QString& argument) {
    // The document makes the device's standard folders on a fresh device, as the explorer's
    // start does: it must exist before any argument is looked up.
    doc();
    if (std::optional<QString> device = DevicePathOfHost(fs(), HostPathOfArgument(argument))) {
        return *device;
    }
    QString path = argument;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (path.isEmpty()) return path;
    if (!path.startsWith(QLatin1Char('\\'))) path = JoinPath(WorkDirectory(), path);
    while (path.size() > 1 && path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    return path;
}

void CliContext::Fail(const QString& text) {
    ReportText(text);
    failed_ = true;
}

int CliContext::ExitCode() const {
    return failed_ || prompt_.Failed() ? 1 : 0;
}
