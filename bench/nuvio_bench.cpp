// Runs one core operation on a device rooted at a host folder, for the comparisons in
// bench/run. Prints nothing on success; the caller times the process.
#include <QCoreApplication>
#include <QTextStream>
#include <functional>
#include <map>

#include <QTemporaryDir>

#include "app/clock.h"
#include "app/settings_store.h"
#include "app/user_prompt.h"
#include "browse/folder_listing.h"
#include "browse/icon_cache.h"
#include "crypt/encrypt_file.h"
#include "fileops/tree_ops.h"
#include "platform/host_device_fs.h"
#include "platform/mime_shell_services.h"
#include "recycle/recycle_bin.h"
#include "resources/ids.h"
#include "tools/find_files.h"

namespace {

using Command = std::function<int(HostDeviceFs&, const QStringList&)>;

// Answers every question with Yes, as a user who confirms.
class YesPrompt : public UserPrompt {
public:
    MessageAnswer ShowMessageBox(const MessageRequest&) override { return MessageAnswer::Yes; }
    ConfirmAnswer Confirm(const ConfirmRequest&) override { return ConfirmAnswer::YesToAll; }
};

// A bin in main memory whose settings live beside the device folder.
int WithBin(HostDeviceFs& fs, const std::function<bool(RecycleBin&)>& work) {
    auto settings = SettingsStore::FromFile(QFile::decodeName(
        QFile::encodeName(fs.HostPath(QStringLiteral("\\"))) + "/../bench-settings.ini"));
    settings->SetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_POS, 0);
    YesPrompt prompt;
    Clock clock;
    RecycleBin bin(fs, *settings, prompt, clock);
    bin.Open();
    bool ok = work(bin);
    bin.SaveSettings();
    bin.Close();
    return ok ? 0 : 1;
}

int Usage() {
    QTextStream(stderr)
        << "usage: nuvio-bench ROOT COMMAND ARGS...\n"
           "  copytree SRC DST | removetree PATH | measure PATH | filllist FOLDER [ROUNDS]\n"
           "  encrypt FILE TARGET PASSWORD | binput PATH | binrestore\n"
           "  find FOLDER PATTERN TEXT\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() < 2) return Usage();
    HostDeviceFs::Config config;
    config.rootDir = args.takeFirst();
    HostDeviceFs fs(config);
    const QString command = args.takeFirst();

    const std::map<QString, std::pair<int, Command>> commands = {
        {"copytree",
         {2, [](HostDeviceFs& fs,
                const QStringList& a) { return CopyTree(fs, a[0], a[1]).Complete() ? 0 : 1; }}},
        {"removetree",
         {1, [](HostDeviceFs& fs,
                const QStringList& a) { return RemoveTree(fs, a[0]).Complete() ? 0 : 1; }}},
        {"measure",
         {1,
          [](HostDeviceFs& fs, const QStringList& a) {
              TreeMeasure m = MeasureTree(fs, a[0]);
              QTextStream(stdout) << m.folders << " folders, " << m.files << " files, " << m.bytes
                                  << " bytes\n";
              return 0;
          }}},
        {"filllist",
         {1,
          [](HostDeviceFs& fs, const QStringList& a) {
              QTemporaryDir dir;
              auto settings = SettingsStore::FromFile(dir.filePath("settings.ini"));
              MimeShellServices shell(fs);
              IconCache icons;
              icons.BuildIconCache(QString());
              FolderListing listing(fs, *settings, shell, icons);
              listing.FillList(a[0], QStringLiteral("*~Recycle"));
              QTextStream(stdout) << listing.RowCount() << " rows\n";
              return listing.RowCount() > 0 ? 0 : 1;
          }}},
        {"binput",
         {1,
          [](HostDeviceFs& fs, const QStringList& a) {
              return WithBin(
                  fs, [&](RecycleBin& bin) { return bin.MoveToRecycleBin(a[0]).has_value(); });
          }}},
        {"binrestore",
         {0,
          [](HostDeviceFs& fs, const QStringList&) {
              return WithBin(fs, [&](RecycleBin& bin) {
                  QList<int> rows;
                  for (int i = 0; i < bin.entries().size(); ++i)
                      rows.append(i);
                  bin.RestoreFromBin(rows);
                  return !rows.isEmpty() && bin.entries().isEmpty();
              });
          }}},
        {"find",
         {3,
          [](HostDeviceFs& fs, const QStringList& a) {
              FileSearch search(fs, a[0], a[1], a[2]);
              QTextStream out(stdout);
              search.OnFound([&](const FoundFile& found) { out << found.Path() << '\n'; });
              return search.Run() > 0 ? 0 : 1;
          }}},
        {"encrypt",
         {3,
          [](HostDeviceFs& fs, const QStringList& a) {
              return EncryptFile(fs, a[0], a[1], a[2]) == CryptResult::Ok ? 0 : 1;
          }}},
    };
    auto it = commands.find(command);
    if (it == commands.end() || args.size() != it->second.first) return Usage();
    return it->second.second(fs, args);
}
