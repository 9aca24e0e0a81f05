#include "cli/bin_command.h"

#include <QJsonObject>
#include <algorithm>

#include "app/load_str.h"
#include "app/message.h"
#include "app/path_helpers.h"
#include "app/settings_store.h"
#include "browse/format.h"
#include "cli/cli_args.h"
#include "cli/cli_context.h"
#include "cli/cli_output.h"
#include "cli/cli_texts.h"
#include "cli/file_commands.h"
#include "fileops/delete_items.h"
#include "platform/device_fs.h"
#include "platform/file_time.h"
#include "recycle/recycle_bin.h"
#include "resources/ids.h"

namespace {

constexpr char kUsage[] = QT_TRANSLATE_NOOP(
    "Cli",
    "用法: nuvio bin list [--json]\n"
    "      nuvio bin put PATH...\n"
    "      nuvio bin restore [--yes|--no] INDEX...\n"
    "      nuvio bin erase INDEX...\n"
    "      nuvio bin purge [--force]\n"
    "      nuvio bin where\n"
    "      nuvio bin move main|CARDNAME\n"
    "檔案總管的資源回收筒. INDEX 是項目在 bin list 中的位置.\n"
    "  list     列出項目: 位置, 刪除時間, 大小, 原始路徑 (--json: 一個\n"
    "           {index, name, original, archive, deleted, size, attributes} 陣列)\n"
    "  put      把項目放入資源回收筒 (即使刪除到資源回收筒已關閉)\n"
    "  restore  把項目還原到原來的位置; 取代現有的項目要先詢問:\n"
    "           --yes 取代, --no 保留 (都沒有指定時: 保留並報告)\n"
    "  erase    永久刪除項目和它們的壓縮檔\n"
    "  purge    刪除超過資源回收筒保存時間的項目 (除非 --force,\n"
    "           一天一次)\n"
    "  where    顯示資源回收筒的資料匣\n"
    "  move     把資源回收筒連同壓縮檔移到主記憶體或儲存卡\n");

// Positions as typed, each once, ascending; false on a malformed one.
bool ParseRows(const QStringList& texts, QList<int>* rows) {
    for (const QString& text : texts) {
        int row = 0;
        if (!ParseIndex(text, &row)) return false;
        if (!rows->contains(row)) rows->append(row);
    }
    std::sort(rows->begin(), rows->end());
    return !rows->isEmpty();
}

// The positions that name entries; the others are reported.
QList<int> ExistingRows(CliContext& context, const QList<int>& rows, int count) {
    QList<int> kept;
    for (int row : rows) {
        if (row < count) {
            kept.append(row);
        } else {
            context.Fail(Cli::tr(kTextNoBinEntry).arg(row));
        }
    }
    return kept;
}

int List(CliContext& context, const ParsedArgs& args) {
    const RecycleBin& bin = context.bin();
    QJsonArray json;
    QList<QStringList> table;
    for (int i = 0; i < bin.entries().size(); ++i) {
        const RecycleEntry& entry = bin.entries()[i];
        if (args.Has(QStringLiteral("--json"))) {
            QJsonObject object;
            object.insert(QStringLiteral("index"), i);
            object.insert(QStringLiteral("name"), FileNamePart(entry.originalPath));
            object.insert(QStringLiteral("original"), entry.originalPath);
            object.insert(QStringLiteral("archive"), entry.archivePath);
            object.insert(QStringLiteral("deleted"), IsoLocalTime(entry.deleteTime));
            object.insert(QStringLiteral("size"), qint64(entry.size));
            object.insert(QStringLiteral("attributes"), qint64(entry.attributes));
            json.append(object);
        } else {
            const QDateTime deleted = entry.deleteTime.ToDateTime();
            table.append(
                {QString::number(i),
                 deleted.isValid() ? FormatDateText(FileTimeFromDateTime(deleted)) : QString(),
                 FormatSizeText(entry.size), entry.originalPath});
        }
    }
    if (args.Has(QStringLiteral("--json"))) {
        PrintJson(json);
    } else {
        WriteOut(FormatTable(table, {0, 2}));
    }
    return context.ExitCode();
}

int Put(CliContext& context, const ParsedArgs& args) {
    if (args.positionals.isEmpty()) return UsageError(kUsage, Cli::tr("未指定路徑"));
    QStringList paths;
    for (const QString& argument : args.positionals) {
        const QString path = context.ResolvePath(argument);
        if (path.isEmpty() || path == QLatin1String("\\") || !PathExists(context.fs(), path)) {
            context.Fail(FormatStr(IDS_FILE_NOT_FOUND, argument));
        } else {
            paths.append(path);
        }
    }
    if (paths.isEmpty()) return context.ExitCode();
    DeleteOptions options;
    options.bin = &context.bin();
    options.binOnly = true;
    return DeleteAndReport(context, paths, options);
}

// Restore or erase: rows that stay in the list are reported, except those kept on --no.
int RestoreOrErase(CliContext& context, const ParsedArgs& args, bool restore) {
    QList<int> requested;
    if (!ParseRows(args.positionals, &requested)) {
        return UsageError(kUsage, Cli::tr("INDEX 是項目的位置"));
    }
    RecycleBin& bin = context.bin();
    const QList<int> rows = ExistingRows(context, requested, int(bin.entries().size()));
    if (rows.isEmpty()) return context.ExitCode();
    QList<int> removed;
    RecycleBin::RestoreObserver observer;
    observer.rowRemoved = [&removed](int row) { removed.append(row); };
    if (restore) {
        bin.RestoreFromBin(rows, observer);
    } else {
        bin.EraseFromBin(rows, observer);
    }
    bin.FlushRecycleIndex(false);
    const bool keptOnPurpose = restore && context.prompt().answer() == CliAnswer::No;
    for (int row : rows) {
        if (removed.contains(row) || keptOnPurpose) continue;
        context.Fail(Cli::tr(restore ? kTextNotRestored : kTextNotErased).arg(row));
    }
    return context.ExitCode();
}

int Purge(CliContext& context, const ParsedArgs& args) {
    RecycleBin& bin = context.bin();
    bin.PurgeExpired(args.Has(QStringLiteral("--force")));
    bin.FlushRecycleIndex(false);
    return context.ExitCode();
}

int Where(CliContext& context) {
    const RecycleBin& bin = context.bin();
    WriteOut(bin.binPath() + QLatin1Char('\n'));
    // A bin folder not made yet (a fresh device: this command makes nothing) is made where
    // it says by the first deletion; only a bin with no place is missing.
    if (bin.binPath().isEmpty() || bin.binPath().startsWith(QLatin1Char('*'))) {
        context.Fail(LoadStr(IDS_RECYCLE_BIN_NOT_FOUND));
    }
    return context.ExitCode();
}

int Move(CliContext& context, const ParsedArgs& args) {
    if (args.positionals.size() != 1) return UsageError(kUsage, Cli::tr("請指定 main 或儲存卡名稱"));
    const QString wanted = args.positionals[0];
    QString card = QStringLiteral("\\");  // main memory: no card chosen
    if (wanted != QLatin1String("main")) {
        card.clear();
        for (const QString& name : context.fs().StorageCards()) {
            if (name.compare(wanted, Qt::CaseInsensitive) == 0) card = name;
        }
        if (card.isEmpty()) {
            context.Fail(LoadStr(IDS_STORAGE_CARD_REMOVED));
            return context.ExitCode();
        }
    }
    RecycleBin& bin = context.bin();
    SettingsStore& settings = context.settings();
    const QString oldCard = settings.GetText(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD);
    // The bin finds its card through this setting, as after the dialog's OK.
    settings.SetProfileTextById(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD, card);
    const int position = card == QLatin1String("\\") ? 0 : 1;
    if (!bin.RelocateBin(position, oldCard)) context.Fail(LoadStr(IDS_STORAGE_CARD_REMOVED));
    bin.FlushRecycleIndex(false);
    return context.ExitCode();
}

}  // namespace

int RunBin(CliContext& context, const QStringList& arguments) {
    const QString action = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    QStringList flags;
    if (action == QLatin1String("list")) {
        flags = {QStringLiteral("--json")};
    } else if (action == QLatin1String("restore")) {
        flags = {QStringLiteral("--yes"), QStringLiteral("--no")};
    } else if (action == QLatin1String("purge")) {
        flags = {QStringLiteral("--force")};
    }
    const ParsedArgs args =
        ParseArgs(action.startsWith(QLatin1Char('-')) ? arguments : rest, flags);
    if (args.help) return PrintUsage(kUsage);
    if (!args.error.isEmpty()) return UsageError(kUsage, args.error);
    const bool yes = args.Has(QStringLiteral("--yes"));
    const bool no = args.Has(QStringLiteral("--no"));
    if (yes && no) return UsageError(kUsage, Cli::tr("--yes 和 --no 只能擇一"));
    context.prompt().SetAnswer(yes ? CliAnswer::Yes : (no ? CliAnswer::No : CliAnswer::Safe));

    const bool noPositionals = args.positionals.isEmpty();
    if (action == QLatin1String("list") && noPositionals) return List(context, args);
    if (action == QLatin1String("put")) return Put(context, args);
    if (action == QLatin1String("restore")) return RestoreOrErase(context, args, true);
    if (action == QLatin1String("erase")) return RestoreOrErase(context, args, false);
    if (action == QLatin1String("purge") && noPositionals) return Purge(context, args);
    if (action == QLatin1String("where") && noPositionals) return Where(context);
    if (action == QLatin1String("move")) return Move(context, args);
    const bool known =
        QStringList{QStringLiteral("list"), QStringLiteral("purge"), QStringLiteral("where")}
            .contains(action);
    return UsageError(kUsage, known ? Cli::tr("bin %1 不接受參數").arg(action)
                              : action.isEmpty()
                                  ? Cli::tr("未指定 bin 命令")
                                  : Cli::tr("不明的 bin 命令 %1").arg(action));
}
