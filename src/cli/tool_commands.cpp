#include "cli/tool_commands.h"

#include <QCoreApplication>
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

constexpr char kFindUsage[] = QT_TRANSLATE_NOOP(
    "Cli",
    "用法: nuvio find [--text T] [--json] FOLDER PATTERN\n"
    "尋找 FOLDER 之下名稱符合 PATTERN (* 和 ?, 不分大小寫) 的檔案, 使用 --text 時,\n"
    "內容還必須包含 T (不分大小寫, UTF-16 或 UTF-8). 結果從最深的資料匣開始, 和\n"
    "檔案總管的尋找對話方塊一樣, 最後是數目.\n"
    "  --json   一個 {path, size, written, mime, attributes} 陣列, 沒有數目\n");

constexpr char kDumpUsage[] = QT_TRANSLATE_NOOP(
    "Cli",
    "用法: nuvio dump [--chars] [--page N] FILE\n"
    "和檔案總管的傾倒檢視器一樣顯示檔案的一頁: 十列, 每列 18 個位元組和它們的位移,\n"
    "以 16 進位 (超過結尾為 \"--\") 或使用 --chars 以字元顯示.\n"
    "  --page N   第 N 頁 (從 1 開始); 超過結尾時, 為到達結尾的那一頁\n");

constexpr char kInfoUsage[] = QT_TRANSLATE_NOOP(
    "Cli",
    "用法: nuvio info [--json]\n"
    "程式記憶體, 儲存記憶體和每張儲存卡的空間, 以仟位元組為單位, 和檔案總管的系統資訊\n"
    "一樣.\n"
    "  --json   {program, storage: {totalKb, freeKb}, cards: [{name, totalKb, freeKb}]}\n");

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
        return UsageError(kFindUsage, Cli::tr("需要 FOLDER 和 PATTERN"));
    const QString pattern = args.positionals[1];
    if (pattern.isEmpty() || pattern.contains(QLatin1Char('\\')) ||
        pattern.contains(QLatin1Char('/'))) {
        return UsageError(kFindUsage, Cli::tr("PATTERN 是名稱樣式"));
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
    if (args.positionals.size() != 1) return UsageError(kDumpUsage, Cli::tr("只能指定一個 FILE"));
    int page = 1;
    if (args.values.contains(QStringLiteral("--page")) &&
        (!ParseIndex(args.Value(QStringLiteral("--page")), &page) || page < 1)) {
        return UsageError(kDumpUsage, Cli::tr("--page 需要從 1 開始的數字"));
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
    if (!args.positionals.isEmpty()) return UsageError(kInfoUsage, Cli::tr("不接受參數"));
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
    const QString total = QCoreApplication::translate("Cli", "  全部空間 : ");
    const QString free = QCoreApplication::translate("Cli", "  剩餘空間 : ");
    const QString unit = QCoreApplication::translate("Cli", " 仟位元組\n");
    QString out = QCoreApplication::translate("Cli", "應用程式\n") + total + figures.ProgramTotalText() + unit + free +
                  figures.ProgramFreeText() + unit;
    out += QCoreApplication::translate("Cli", "記憶體\n") + total + figures.StorageTotalText() + unit + free +
           figures.StorageFreeText() + unit;
    if (figures.cards.isEmpty()) {
        out += QCoreApplication::translate("Cli", "擴充記憶體 :\n") + total + QStringLiteral("0") + unit + free +
               QStringLiteral("0") + unit;
    }
    SystemFigures each = figures;
    for (const QString& card : figures.cards) {
        ChooseCard(context.fs(), each, card);
        out += QCoreApplication::translate("Cli", "擴充記憶體 : ") + card + QLatin1Char('\n') + total +
               each.CardTotalText() + unit + free + each.CardFreeText() + unit;
    }
    WriteOut(out);
    return context.ExitCode();
}
