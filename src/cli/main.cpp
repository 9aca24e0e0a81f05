#include <QCoreApplication>
#include <QLocale>

#include "app/device_options.h"
#include "app/interface_language.h"
#include "cli/attrib_command.h"
#include "cli/bin_command.h"
#include "cli/cli_args.h"
#include "cli/cli_context.h"
#include "cli/crypt_commands.h"
#include "cli/fav_command.h"
#include "cli/file_commands.h"
#include "cli/ls_command.h"
#include "cli/tool_commands.h"

namespace {

constexpr char kUsage[] =
    "usage: nuvio [--root DIR] [--card NAME=DIR]... COMMAND [ARGS...]\n"
    "Works on the explorer's device and settings. Paths are device paths such as\n"
    "'\\My Documents\\a.txt' (\"/\" works as \"\\\"); a relative path starts in the folder the\n"
    "explorer showed last.\n"
    "\n"
    "commands:\n"
    "  ls       list a folder              attrib   show or change attributes\n"
    "  mkdir    create folders             cp, mv   copy or move items\n"
    "  rm       delete into the bin        ln       create a shortcut file\n"
    "  bin      the recycle bin            encrypt, decrypt   password encryption\n"
    "  find     find files                 dump     a file's bytes page by page\n"
    "  info     memory and storage         fav      favourite folders\n"
    "\n"
    "nuvio COMMAND --help tells more. Exit status: 0 done, 1 some item failed or a\n"
    "question went unanswered (answer with --yes or --no), 2 bad usage.\n"
    "  --root DIR        a host folder as the device's root instead of the explorer's\n"
    "  --card NAME=DIR   a host folder as the storage card \\NAME (repeatable)\n"
    "  --version         print the version and exit\n";

using Command = int (*)(CliContext&, const QStringList&);

struct CommandEntry {
    const char* name;
    Command run;
};

// The commands that only read: they see a device that refuses every change.
bool OnlyReads(const QString& name, const QStringList& args) {
    static const QStringList kReaders = {QStringLiteral("ls"), QStringLiteral("find"),
                                         QStringLiteral("dump"), QStringLiteral("info")};
    const QString action = args.value(0);
    return kReaders.contains(name) ||
           (name == QLatin1String("bin") && (action == QLatin1String("list") ||
                                             action == QLatin1String("where"))) ||
           (name == QLatin1String("fav") && action == QLatin1String("list"));
}

constexpr CommandEntry kCommands[] = {
    {"ls", RunLs},           {"attrib", RunAttrib},   {"mkdir", RunMkdir}, {"cp", RunCopy},
    {"mv", RunMove},         {"rm", RunRemove},       {"ln", RunLink},     {"bin", RunBin},
    {"encrypt", RunEncrypt}, {"decrypt", RunDecrypt}, {"find", RunFind},   {"dump", RunDump},
    {"info", RunInfo},       {"fav", RunFav},
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nuvio"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NUVIO_VERSION));
    InstallInterfaceTranslations(app, ChooseInterfaceLanguage(QLocale::system()));

    const DeviceOptions device = ParseDeviceOptions(QCoreApplication::arguments().mid(1));
    if (!device.error.isEmpty()) return UsageError(kUsage, device.error);
    const QString name = device.rest.value(0);
    if (name.isEmpty()) return UsageError(kUsage, QStringLiteral("no command"));
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) return PrintUsage(kUsage);
    if (name == QLatin1String("--version")) return PrintUsage("nuvio " NUVIO_VERSION "\n");
    for (const CommandEntry& command : kCommands) {
        if (name == QLatin1String(command.name)) {
            const QStringList args = device.rest.mid(1);
            CliContext context(device, OnlyReads(name, args));
            return command.run(context, args);
        }
    }
    return UsageError(kUsage, QStringLiteral("unknown command %1").arg(name));
}
