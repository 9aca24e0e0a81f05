#include "cli/attrib_command.h"

#include "app/message.h"
#include "app/path_helpers.h"
#include "browse/format.h"
#include "cli/cli_args.h"
#include "cli/cli_context.h"
#include "cli/cli_output.h"
#include "platform/device_fs.h"
#include "resources/ids.h"

namespace {

constexpr char kUsage[] = QT_TRANSLATE_NOOP(
    "Cli",
    "用法: nuvio attrib [+r|-r|+h|-h|+s|-s|+a|-a]... PATH...\n"
    "設定 (+) 或清除 (-) 唯讀, 隱藏, 系統和保存屬性; 沒有指定變更時, 顯示每個路徑的\n"
    "屬性字母 (A 保存, H 隱藏, R 唯讀, S 系統, O 在唯讀記憶體中). 唯讀記憶體中的\n"
    "檔案無法變更.\n");

// The bit of a change token such as "+r" or "-H"; 0 for anything else.
quint32 ChangeBit(const QString& token) {
    if (token.size() != 2 || (token[0] != QLatin1Char('+') && token[0] != QLatin1Char('-'))) {
        return 0;
    }
    switch (token[1].toLower().unicode()) {
        case u'r':
            return Attr::kReadOnly;
        case u'h':
            return Attr::kHidden;
        case u's':
            return Attr::kSystem;
        case u'a':
            return Attr::kArchive;
        default:
            return 0;
    }
}

}  // namespace

int RunAttrib(CliContext& context, const QStringList& arguments) {
    // "-h" clears the hidden bit here, so change tokens are taken out before the options.
    quint32 set = 0;
    quint32 clear = 0;
    QStringList rest;
    bool optionsEnded = false;
    for (const QString& arg : arguments) {
        const quint32 bit = optionsEnded ? 0 : ChangeBit(arg);
        if (arg == QLatin1String("--")) optionsEnded = true;
        if (bit == 0) {
            rest.append(arg);
        } else if (arg[0] == QLatin1Char('+')) {
            set |= bit;
            clear &= ~bit;
        } else {
            clear |= bit;
            set &= ~bit;
        }
    }
    const ParsedArgs args = ParseArgs(rest, {});
    if (args.help) return PrintUsage(kUsage);
    if (!args.error.isEmpty()) return UsageError(kUsage, args.error);
    if (args.positionals.isEmpty()) return UsageError(kUsage, Cli::tr("未指定路徑"));

    const bool change = (set | clear) != 0;
    QList<QStringList> table;
    for (const QString& argument : args.positionals) {
        const QString path = context.ResolvePath(argument);
        FindData record;
        if (path.isEmpty() || !PathExists(context.fs(), path, &record)) {
            context.Fail(FormatStr(IDS_FILE_NOT_FOUND, argument));
            continue;
        }
        if (!change) {
            table.append({FormatAttrText(record.attributes), path});
            continue;
        }
        const quint32 wanted = (record.attributes | set) & ~clear;
        if (wanted == record.attributes) continue;
        // A change counts only when it stuck: a volume that cannot keep a bit must not be
        // reported as changed.
        const quint32 asked = set | clear;
        if (IsRomFile(record.attributes) || !context.fs().SetAttributes(path, wanted) ||
            (context.fs().GetAttributes(path).value_or(~wanted) & asked) != (wanted & asked)) {
            context.Fail(FormatStr(IDS_CANNOT_SET_ATTRIBUTES, path));
        }
    }
    if (!table.isEmpty()) WriteOut(FormatTable(table));
    return context.ExitCode();
}
