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

constexpr char kUsage[] = QT_TRANSLATE_NOOP(
    "Cli",
    "用法: nuvio [--root DIR] [--card NAME=DIR]... COMMAND [ARGS...]\n"
    "在檔案總管的裝置和設定上工作. 路徑是裝置路徑, 如 '\\My Documents\\a.txt'\n"
    "(\"/\" 等同 \"\\\"); 相對路徑從檔案總管最後顯示的資料匣開始.\n"
    "\n"
    "命令:\n"
    "  ls       列出資料匣                 attrib   顯示或變更屬性\n"
    "  mkdir    建立資料匣                 cp, mv   複製或移動項目\n"
    "  rm       刪除到資源回收筒           ln       建立捷徑檔\n"
    "  bin      資源回收筒                 encrypt, decrypt  密碼加密\n"
    "  find     尋找檔案                   dump     逐頁顯示檔案的位元組\n"
    "  info     記憶體和儲存空間           fav      我的最愛資料匣\n"
    "\n"
    "nuvio COMMAND --help 有更多說明. 結束狀態: 0 完成, 1 有項目失敗或有問題沒有\n"
    "回答 (請以 --yes 或 --no 回答), 2 用法錯誤.\n"
    "  --root DIR        以主機的資料匣作為裝置的根目錄, 取代檔案總管的裝置\n"
    "  --card NAME=DIR   以主機的資料匣作為儲存卡 \\NAME (可重複)\n"
    "  --version         顯示版本後結束\n");

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
    if (name.isEmpty()) return UsageError(kUsage, Cli::tr("未指定命令"));
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) return PrintUsage(kUsage);
    if (name == QLatin1String("--version")) return PrintUsage("nuvio " NUVIO_VERSION "\n");
    for (const CommandEntry& command : kCommands) {
        if (name == QLatin1String(command.name)) {
            const QStringList args = device.rest.mid(1);
            CliContext context(device, OnlyReads(name, args));
            return command.run(context, args);
        }
    }
    return UsageError(kUsage, Cli::tr("不明的命令 %1").arg(name));
}
