#include "cli/tool_commands.h"

#include <QJsonObject>
#include <algorithm>
#include <memory>

#include "app/message.h"
#include "app/path_helpers.h"
#include "cli/cli_args.h"
#include "cli/cli_context.h"
#include "cli/cli_output.h"
#include "resources/ids.h"
#include "tools/dump_file.h"
#include "tools/dump_page.h"
#include "tools/find_files.h"
#include "tools/system_figures.h"

namespace {

constexpr char kFindUsage[] =
    "usage: nuvio find [--text T] [--json] FOLDER PATTERN\n"
    "Finds the files below FOLDER whose names match PATTERN (* and ?, any letter case) and,\n"
    "with --text, whose content holds T (any letter case, UTF-16 or UTF-8). Results come\n"
    "deepest folder first, as the explorer's find dialog lists them, then the count.\n"
    "  --json   an array of {path, size, written, mime, attributes}, without the count\n";

constexpr char kDumpUsage[] =
    "usage: nuvio dump [--chars] [--page N] FILE\n"
    "Shows one page of the file as the explorer's dump viewer does: ten rows of 18 bytes\n"
    "with their offsets, in hexadecimal (\"--\" past the end) or with --chars as characters.\n"
    "  --page N   the Nth page (from 1); past the end, the page that reaches the end\n";

constexpr char kInfoUsage[] =
    "usage: nuvio info [--json]\n"
    "Program memory, storage memory and each storage card's space in kilobytes, as the\n"
    "explorer's system information shows them.\n"
    "  --json   {program, storage: {totalKb, freeKb}, cards: [{name, totalKb, freeKb}]}\n";

int RunFindSearch(CliContext& context, const QString& folder, const QString& pattern,
                  const QString& text, bool json) {
    FileSearch search(context.fs(), folder, pattern, text);
    QJsonArray array;
    search.OnFound([&](const FoundFile& file) {
        if (json) {
            QJsonObject object;
            object.insert(QStringLiteral("path"), file.Path());
            object.insert(QStringLiteral("size"), qint64(file.record.size));
            object.insert(QStringLiteral("written"), IsoLocalTime(file.record.lastWriteTime));
            object.insert(QStringLiteral("mime"),
                          MimeTypeOf(file.record.name, file.record.IsFolder()));
            object.insert(QStringLiteral("attributes"), qint64(file.record.attributes));
            array.append(object);
        } else {
            WriteOut(file.Path() + QLatin1Char('\n'));
        }
    });
    const qint64 count = search.Run();
    if (json) {
        PrintJson(array);
    } else {
        WriteOut(FileSearch::CountText(count) + QLatin1Char('\n'));
    }
    return context.ExitCode();
}

}  // namespace

int RunFind(CliContext& context, const QStringList& arguments) {
    const ParsedArgs args =
        ParseArgs(arguments, {QStringLiteral("--json")}, {QStringLiteral("--text")});
    if (args.help) return PrintUsage(kFindUsage);
    if (!args.error.isEmpty()) return UsageError(kFindUsage, args.error);
    if (args.positionals.size() != 2)
        return UsageError(kFindUsage, QStringLiteral("FOLDER PATTERN"));
    const QString pattern = args.positionals[1];
    if (pattern.isEmpty() || pattern.contains(QLatin1Char('\\')) ||
        pattern.contains(QLatin1Char('/'))) {
        return UsageError(kFindUsage, QStringLiteral("PATTERN is a name pattern"));
    }
    const QString folder = context.ResolvePath(args.positionals[0]);
    FindData record;
    if (folder.isEmpty() || !PathExists(context.fs(), folder, &record) || !record.IsFolder()) {
        context.Fail(FormatStr(IDS_FOLDER_NOT_FOUND, folder));
        return context.ExitCode();
    }
    return RunFindSearch(context, folder, pattern, args.Value(QStringLiteral("--text")),
                         args.Has(QStringLiteral("--json")));
}

int RunDump(CliContext& context, const QStringList& arguments) {
    const ParsedArgs args =
        ParseArgs(arguments, {QStringLiteral("--chars")}, {QStringLiteral("--page")});
    if (args.help) return PrintUsage(kDumpUsage);
    if (!args.error.isEmpty()) return UsageError(kDumpUsage, args.error);
    if (args.positionals.size() != 1) return UsageError(kDumpUsage, QStringLiteral("one FILE"));
    int page = 1;
    if (args.values.contains(QStringLiteral("--page")) &&
        (!ParseIndex(args.Value(QStringLiteral("--page")), &page) || page < 1)) {
        return UsageError(kDumpUsage, QStringLiteral("--page takes a number from 1"));
    }
    const QString path = context.ResolvePath(args.positionals[0]);
    std::unique_ptr<DumpFile> file = DumpFile::Open(context.fs(), path, context.prompt());
    if (!file) return context.ExitCode();
    // Next moves on while the page does not reach the end, so the last page reachable that
    // way starts at the last multiple of a page before the end.
    const qint64 size = file->Size();
    const qint64 lastOffset = size > 0 ? (size - 1) / kDumpPageBytes * kDumpPageBytes : 0;
    const qint64 offset = std::min(qint64(page - 1) * kDumpPageBytes, lastOffset);
    const DumpMode mode =
        args.Has(QStringLiteral("--chars")) ? DumpMode::Characters : DumpMode::Hex;
    const DumpPage rows =
        BuildDumpPage(file->ReadPage(offset), offset, size, mode, DumpHalf::First);
    QString out;
    for (const DumpRow& row : rows)
        out += row.offsetText + QStringLiteral("  ") + row.text + QLatin1Char('\n');
    WriteOut(out);
    return context.ExitCode();
}

int RunInfo(CliContext& context, const QStringList& arguments) {
    const ParsedArgs args = ParseArgs(arguments, {QStringLiteral("--json")});
    if (args.help) return PrintUsage(kInfoUsage);
    if (!args.error.isEmpty()) return UsageError(kInfoUsage, args.error);
    if (!args.positionals.isEmpty()) return UsageError(kInfoUsage, QStringLiteral("no arguments"));
    const SystemFigures figures = GatherSystemFigures(context.fs());
    if (args.Has(QStringLiteral("--json"))) {
        auto space = [](const SpaceFigures& f) {
            return QJsonObject{{QStringLiteral("totalKb"), qint64(f.totalKb)},
                               {QStringLiteral("freeKb"), qint64(f.freeKb)}};
        };
        QJsonArray cards;
        for (const QString& card : figures.cards) {
            QJsonObject object = space(CardSpace(context.fs(), card));
            object.insert(QStringLiteral("name"), card);
            cards.append(object);
        }
        PrintJson(QJsonObject{{QStringLiteral("program"), space(figures.program)},
                              {QStringLiteral("storage"), space(figures.storage)},
                              {QStringLiteral("cards"), cards}});
        return context.ExitCode();
    }
    // The labels and unit of the system information dialog.
    const QString total = QStringLiteral("  全部空間 : ");
    const QString free = QStringLiteral("  剩餘空間 : ");
    const QString unit = QStringLiteral(" 仟位元組\n");
    QString out = QStringLiteral("應用程式\n") + total + figures.ProgramTotalText() + unit + free +
                  figures.ProgramFreeText() + unit;
    out += QStringLiteral("記憶體\n") + total + figures.StorageTotalText() + unit + free +
           figures.StorageFreeText() + unit;
    if (figures.cards.isEmpty()) {
        out += QStringLiteral("擴充記憶體 :\n") + total + QStringLiteral("0") + unit + free +
               QStringLiteral("0") + unit;
    }
    SystemFigures each = figures;
    for (const QString& card : figures.cards) {
        ChooseCard(context.fs(), each, card);
        out += QStringLiteral("擴充記憶體 : ") + card + QLatin1Char('\n') + total +
               each.CardTotalText() + unit + free + each.CardFreeText() + unit;
    }
    WriteOut(out);
    return context.ExitCode();
}
