#include "shell/command_line.h"

#include <QStringList>

#include "app/path_helpers.h"
#include "app/settings_store.h"
#include "platform/host_path_map.h"
#include "resources/ids.h"

CommandLineResult HandleCommandLine(DeviceFs& fs, SettingsStore& settings, const QString& text,
                                    bool firstInstance) {
    CommandLineResult result;
    if (text.isEmpty()) return result;
    QString path = text;
    if (text.startsWith(QLatin1Char('"'))) {
        const QStringList tokens = text.split(QLatin1Char('"'), Qt::SkipEmptyParts);
        if (tokens.isEmpty()) return result;
        path = tokens.first();
    }
    // "Open with" from other programs names host files: a path or a file:// URI.
    if (std::optional<QString> device = DevicePathOfHost(fs, HostPathOfArgument(path))) {
        path = *device;
    }
    FindData record;
    if (!PathExists(fs, path, &record)) return result;
    QString extension;
    if (record.IsFolder()) {
        result.folder = path;
    } else {
        result.folder = FolderPart(path);
        extension = Extension(path);
    }
    if (!result.folder.isEmpty()) {
        if (firstInstance) {
            settings.SetProfileTextById(IDS_SECTION_MAIN, IDS_KEY_WORK_DIRECTORY, result.folder);
        }
        result.encrypted = extension.compare(QLatin1String("enc"), Qt::CaseInsensitive) == 0;
    }
    settings.SetProfileTextById(IDS_SECTION_MAIN, IDS_KEY_COMMAND_FILE, path);
    result.handled = true;
    result.path = path;
    return result;
}
