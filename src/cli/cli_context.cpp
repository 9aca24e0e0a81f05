#include "cli/cli_context.h"

#include "app/path_helpers.h"
#include "app/settings_defaults.h"
#include "app/settings_store.h"
#include "platform/desktop_shell_services.h"
#include "recycle/file_doc.h"
#include "resources/ids.h"

CliContext::CliContext(const HostDeviceFs::Config& config)
    : fs_(std::make_unique<HostDeviceFs>(config)),
      settings_(std::make_unique<SettingsStore>()),
      shell_(std::make_unique<DesktopShellServices>(*fs_)) {}

CliContext::~CliContext() {
    doc_.reset();
    settings_->Sync();
}

CFileDoc& CliContext::doc() {
    if (!doc_) {
        doc_ = std::make_unique<CFileDoc>(*fs_, *settings_, prompt_, clock_, *shell_);
        doc_->OnNewDocument();
    }
    return *doc_;
}

RecycleBin& CliContext::bin() {
    RecycleBin& bin = doc().bin();
    if (!binChecked_) {
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
        return path.startsWith(QLatin1Char('\\')) && PathExists(*fs_, path, &record) &&
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
