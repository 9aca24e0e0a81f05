#include "cli/file_commands.h"

#include "app/load_str.h"
#include "app/message.h"
#include "app/path_helpers.h"
#include "cli/cli_args.h"
#include "cli/cli_context.h"
#include "cli/cli_texts.h"
#include "cli/terminal_progress.h"
#include "fileops/delete_items.h"
#include "fileops/file_names.h"
#include "fileops/left_out_report.h"
#include "fileops/transfer_items.h"
#include "platform/device_fs.h"
#include "platform/shell_services.h"
#include "recycle/file_doc.h"
#include "resources/ids.h"

namespace {

constexpr char kMkdirUsage[] = QT_TRANSLATE_NOOP(
    "Cli",
    "用法: nuvio mkdir PATH...\n"
    "建立每個資料匣; 它的上層資料匣必須存在.\n");

constexpr char kCopyUsage[] = QT_TRANSLATE_NOOP(
    "Cli",
    "用法: nuvio cp [--yes|--no] SRC... DEST\n"
    "把檔案和資料匣複製到資料匣 DEST (或把一個項目複製成新名稱 DEST), 和檔案總管的\n"
    "貼上一樣: 複製到自己的資料匣時加上編號 (a(2).txt), 唯讀記憶體中的檔案不複製,\n"
    "取代現有的項目要先詢問:\n"
    "  --yes   取代所有現有的項目\n"
    "  --no    保留所有現有的項目\n"
    "都沒有指定時, 保留現有的項目並報告. 只有大小寫不同的兩個名稱不會互相取代: 第二個\n"
    "會加上編號. 沒有複製或改名的項目都會列出, 結束狀態為 1. 終端機上會顯示百分比.\n");

constexpr char kMoveUsage[] = QT_TRANSLATE_NOOP(
    "Cli",
    "用法: nuvio mv [--yes|--no] SRC... DEST\n"
    "把檔案和資料匣移到資料匣 DEST (或把一個項目移成新名稱 DEST): 每個項目和 cp 一樣\n"
    "複製, 複製完成後刪除來源. 資料匣不能移到它自己裡面.\n"
    "  --yes   取代所有現有的項目\n"
    "  --no    保留所有現有的項目\n"
    "都沒有指定時, 保留現有的項目並報告.\n");

constexpr char kRemoveUsage[] = QT_TRANSLATE_NOOP(
    "Cli",
    "用法: nuvio rm [--purge] [--yes|--no] PATH...\n"
    "把檔案和資料匣刪除到資源回收筒 (使用 --purge 或資源回收筒關閉時永久刪除).\n"
    "唯讀記憶體中的檔案保留. 詢問:\n"
    "  --yes   也刪除唯讀檔; 永久刪除放不進資源回收筒的項目\n"
    "  --no    保留唯讀檔; 資源回收筒空間不足時全部保留\n"
    "都沒有指定時, 採用安全的回答並報告.\n");

constexpr char kLinkUsage[] = QT_TRANSLATE_NOOP(
    "Cli",
    "用法: nuvio ln TARGET LINK\n"
    "建立指向 TARGET 的捷徑檔 LINK (沒有 \".lnk\" 時會加上); LINK 是資料匣時, 捷徑以\n"
    "TARGET 的名稱建立在其中 (名稱已被使用時加上編號).\n");

bool SetAnswer(CliContext& context, const ParsedArgs& args) {
    const bool yes = args.Has(QStringLiteral("--yes"));
    const bool no = args.Has(QStringLiteral("--no"));
    if (yes && no) return false;
    context.prompt().SetAnswer(yes ? CliAnswer::Yes : (no ? CliAnswer::No : CliAnswer::Safe));
    return true;
}

bool IsFolder(DeviceFs& fs, const QString& path) {
    FindData record;
    return PathExists(fs, path, &record) && record.IsFolder();
}

// The named items that exist; the others, and the root, which no command takes whole, are
// reported.
QStringList ExistingItems(CliContext& context, const QStringList& arguments, const char* refusal) {
    QStringList paths;
    for (const QString& argument : arguments) {
        const QString path = context.ResolvePath(argument);
        if (path.isEmpty() || !PathExists(context.fs(), path)) {
            context.Fail(FormatStr(IDS_FILE_NOT_FOUND, argument));
        } else if (path == QLatin1String("\\")) {
            context.Fail(Cli::tr(refusal).arg(path));
        } else {
            paths.append(path);
        }
    }
    return paths;
}

int RunTransfer(CliContext& context, const QStringList& arguments, bool move) {
    const char* usage = move ? kMoveUsage : kCopyUsage;
    const QStringList flags = {QStringLiteral("--yes"), QStringLiteral("--no")};
    const ParsedArgs args = ParseArgs(arguments, flags);
    if (args.help) return PrintUsage(usage);
    if (!args.error.isEmpty()) return UsageError(usage, args.error);
    if (!SetAnswer(context, args)) return UsageError(usage, Cli::tr("--yes 和 --no 只能擇一"));
    if (args.positionals.size() < 2) return UsageError(usage, Cli::tr("需要 SRC 和 DEST"));

    DeviceFs& fs = context.fs();
    const QString destination = context.ResolvePath(args.positionals.last());
    const bool intoFolder = IsFolder(fs, destination);
    // One item may also go to a new name in an existing folder.
    if (!intoFolder && (args.positionals.size() != 2 || destination.isEmpty() ||
                        !IsFolder(fs, FolderPart(destination)))) {
        context.Fail(FormatStr(IDS_FOLDER_NOT_FOUND, destination));
        return context.ExitCode();
    }
    QList<TransferItem> items;
    const QStringList sources = args.positionals.mid(0, args.positionals.size() - 1);
    for (const QString& source : ExistingItems(context, sources, kTextCannotCopy)) {
        items.append(
            {source, intoFolder ? JoinPath(destination, FileNamePart(source)) : destination});
    }
    std::unique_ptr<TerminalProgress> progress = TerminalProgress::Create();
    const TransferResult result = TransferItems(fs, context.prompt(), items, move, progress.get());
    progress.reset();
    for (int i = 0; i < items.size(); ++i) {
        const QString& source = items[i].source;
        switch (result.outcomes[i]) {
            case TransferOutcome::Missing:
                context.Fail(FormatStr(IDS_FILE_NOT_FOUND, source));
                break;
            case TransferOutcome::CopyFailed:
                context.Fail(Cli::tr(kTextCannotCopy).arg(source));
                break;
            case TransferOutcome::SourceKept:
                context.Fail(Cli::tr(kTextCannotDelete).arg(source));
                break;
            default:  // done, or reported by the rules themselves
                break;
        }
    }
    // Every name is told: a list cut short would hide what to look for.
    ReportLeftOut(context.prompt(), result.leftOut, result.renamed, int(result.leftOut.size()) +
                                                                        int(result.renamed.size()));
    return context.ExitCode();
}

}  // namespace

int RunMkdir(CliContext& context, const QStringList& arguments) {
    const ParsedArgs args = ParseArgs(arguments, {});
    if (args.help) return PrintUsage(kMkdirUsage);
    if (!args.error.isEmpty()) return UsageError(kMkdirUsage, args.error);
    if (args.positionals.isEmpty()) return UsageError(kMkdirUsage, Cli::tr("未指定路徑"));
    DeviceFs& fs = context.fs();
    for (const QString& argument : args.positionals) {
        const QString path = context.ResolvePath(argument);
        if (PathExists(fs, path)) {
            context.Fail(path + QLatin1Char('\n') + LoadStr(IDS_FOLDER_EXISTS));
        } else if (!IsFolder(fs, FolderPart(path))) {
            context.Fail(FormatStr(IDS_FOLDER_NOT_FOUND, FolderPart(path)));
        } else if (!fs.CreateDirectory(path)) {
            context.Fail(Cli::tr(kTextCannotCreateFolder).arg(path));
        }
    }
    return context.ExitCode();
}

int RunCopy(CliContext& context, const QStringList& arguments) {
    return RunTransfer(context, arguments, false);
}

int RunMove(CliContext& context, const QStringList& arguments) {
    return RunTransfer(context, arguments, true);
}

int RunRemove(CliContext& context, const QStringList& arguments) {
    const ParsedArgs args = ParseArgs(
        arguments, {QStringLiteral("--purge"), QStringLiteral("--yes"), QStringLiteral("--no")});
    if (args.help) return PrintUsage(kRemoveUsage);
    if (!args.error.isEmpty()) return UsageError(kRemoveUsage, args.error);
    if (!SetAnswer(context, args)) {
        return UsageError(kRemoveUsage, Cli::tr("--yes 和 --no 只能擇一"));
    }
    if (args.positionals.isEmpty()) return UsageError(kRemoveUsage, Cli::tr("未指定路徑"));

    const QStringList paths = ExistingItems(context, args.positionals, kTextCannotDelete);
    if (paths.isEmpty()) return context.ExitCode();
    DeleteOptions options;
    if (!args.Has(QStringLiteral("--purge"))) options.bin = &context.bin();
    return DeleteAndReport(context, paths, options);
}

int DeleteAndReport(CliContext& context, const QStringList& paths, const DeleteOptions& options) {
    std::unique_ptr<TerminalProgress> progress = TerminalProgress::Create();
    const QList<DeleteOutcome> outcomes =
        DeleteItems(context.fs(), context.prompt(), paths, options, progress.get());
    progress.reset();
    for (int i = 0; i < paths.size(); ++i) {
        if (outcomes[i] == DeleteOutcome::Failed) {
            context.Fail(Cli::tr(kTextCannotDelete).arg(paths[i]));
        }
    }
    return context.ExitCode();
}

int RunLink(CliContext& context, const QStringList& arguments) {
    const ParsedArgs args = ParseArgs(arguments, {});
    if (args.help) return PrintUsage(kLinkUsage);
    if (!args.error.isEmpty()) return UsageError(kLinkUsage, args.error);
    if (args.positionals.size() != 2) return UsageError(kLinkUsage, Cli::tr("需要 TARGET 和 LINK"));

    DeviceFs& fs = context.fs();
    const QString target = context.ResolvePath(args.positionals[0]);
    if (target.isEmpty() || !PathExists(fs, target)) {
        context.Fail(FormatStr(IDS_FILE_NOT_FOUND, args.positionals[0]));
        return context.ExitCode();
    }
    const QString lnk = QStringLiteral(".lnk");
    QString link = context.ResolvePath(args.positionals[1]);
    if (IsFolder(fs, link)) {
        // As paste as shortcut names it: the target's name and ".lnk", numbered when taken.
        link = MakeUniqueName(fs, JoinPath(link, FileNamePart(target)) + lnk);
    } else {
        if (Extension(link).compare(QStringLiteral("lnk"), Qt::CaseInsensitive) != 0) link += lnk;
        if (PathExists(fs, link)) {
            context.Fail(FormatStr(IDS_FILE_EXISTS, FileNamePart(link)));
            return context.ExitCode();
        }
        if (!IsFolder(fs, FolderPart(link))) {
            context.Fail(FormatStr(IDS_FOLDER_NOT_FOUND, FolderPart(link)));
            return context.ExitCode();
        }
    }
    const QString quote = LoadStr(IDS_QUOTE);
    if (!context.shell().CreateShortcut(link, quote + target + quote)) {
        context.Fail(Cli::tr(kTextCannotCreateShortcut).arg(link));
    }
    return context.ExitCode();
}
