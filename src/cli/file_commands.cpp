#include "cli/file_commands.h"

#include "app/device_error_text.h"
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

constexpr char kMkdirUsage[] =
    "usage: nuvio mkdir PATH...\n"
    "Creates each folder; its parent must exist.\n";

constexpr char kCopyUsage[] =
    "usage: nuvio cp [--yes|--no] SRC... DEST\n"
    "Copies files and folders into the folder DEST (or one item to the new name DEST) as\n"
    "the explorer's paste does: a copy into its own folder is numbered (a(2).txt), files in\n"
    "ROM are not copied, and replacing an existing item is a question:\n"
    "  --yes   replace every existing item\n"
    "  --no    keep every existing item\n"
    "Without either, existing items are kept and reported. Two names that differ only in\n"
    "letter case never replace each other: the second gets a numbered name. Whatever is\n"
    "left out or renamed is named, with exit status 1. A terminal shows the percentage.\n";

constexpr char kMoveUsage[] =
    "usage: nuvio mv [--yes|--no] SRC... DEST\n"
    "Moves files and folders into the folder DEST (or one item to the new name DEST): each\n"
    "is copied as by cp, and its source is removed once the copy is complete. A folder\n"
    "cannot go into itself.\n"
    "  --yes   replace every existing item\n"
    "  --no    keep every existing item\n"
    "Without either, existing items are kept and reported.\n";

constexpr char kRemoveUsage[] =
    "usage: nuvio rm [--purge] [--yes|--no] PATH...\n"
    "Deletes files and folders into the recycle bin (for good with --purge or when the\n"
    "bin is turned off). Files in ROM stay. Questions:\n"
    "  --yes   delete read-only files too; delete for good what does not fit in the bin\n"
    "  --no    keep read-only files; keep everything when the bin has no room\n"
    "Without either, the safe answer is taken and reported.\n";

constexpr char kLinkUsage[] =
    "usage: nuvio ln TARGET LINK\n"
    "Creates the shortcut file LINK (\".lnk\" is added when missing) to TARGET; when LINK\n"
    "is a folder, the shortcut is made in it under TARGET's name (numbered when taken).\n";

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
            context.Fail(QString::fromUtf8(refusal).arg(path));
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
    if (!SetAnswer(context, args)) return UsageError(usage, QStringLiteral("--yes or --no"));
    if (args.positionals.size() < 2) return UsageError(usage, QStringLiteral("SRC and DEST"));

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
                context.Fail(
                    WithCause(QString::fromUtf8(kTextCannotCopy).arg(source), result.causes[i]));
                break;
            case TransferOutcome::SourceKept:
                context.Fail(
                    WithCause(QString::fromUtf8(kTextCannotDelete).arg(source), result.causes[i]));
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
    if (args.positionals.isEmpty()) return UsageError(kMkdirUsage, QStringLiteral("no path"));
    DeviceFs& fs = context.fs();
    for (const QString& argument : args.positionals) {
        const QString path = context.ResolvePath(argument);
        if (PathExists(fs, path)) {
            context.Fail(path + QLatin1Char('\n') + LoadStr(IDS_FOLDER_EXISTS));
        } else if (!IsFolder(fs, FolderPart(path))) {
            context.Fail(FormatStr(IDS_FOLDER_NOT_FOUND, FolderPart(path)));
        } else if (!fs.CreateDirectory(path)) {
            context.Fail(
                WithCause(QString::fromUtf8(kTextCannotCreateFolder).arg(path), fs.LastError()));
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
        return UsageError(kRemoveUsage, QStringLiteral("--yes or --no"));
    }
    if (args.positionals.isEmpty()) return UsageError(kRemoveUsage, QStringLiteral("no path"));

    const QStringList paths = ExistingItems(context, args.positionals, kTextCannotDelete);
    if (paths.isEmpty()) return context.ExitCode();
    DeleteOptions options;
    if (!args.Has(QStringLiteral("--purge"))) options.bin = &context.bin();
    return DeleteAndReport(context, paths, options);
}

int DeleteAndReport(CliContext& context, const QStringList& paths, const DeleteOptions& options) {
    std::unique_ptr<TerminalProgress> progress = TerminalProgress::Create();
    QList<DeviceError> causes;
    const QList<DeleteOutcome> outcomes =
        DeleteItems(context.fs(), context.prompt(), paths, options, progress.get(), &causes);
    progress.reset();
    for (int i = 0; i < paths.size(); ++i) {
        if (outcomes[i] == DeleteOutcome::Failed) {
            context.Fail(WithCause(QString::fromUtf8(kTextCannotDelete).arg(paths[i]), causes[i]));
        }
    }
    return context.ExitCode();
}

int RunLink(CliContext& context, const QStringList& arguments) {
    const ParsedArgs args = ParseArgs(arguments, {});
    if (args.help) return PrintUsage(kLinkUsage);
    if (!args.error.isEmpty()) return UsageError(kLinkUsage, args.error);
    if (args.positionals.size() != 2) return UsageError(kLinkUsage, QStringLiteral("TARGET LINK"));

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
        context.Fail(QString::fromUtf8(kTextCannotCreateShortcut).arg(link));
    }
    return context.ExitCode();
}
