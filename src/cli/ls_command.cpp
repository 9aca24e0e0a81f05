#include "cli/ls_command.h"

#include <QJsonObject>

#include "app/message.h"
#include "app/path_helpers.h"
#include "browse/compare_items.h"
#include "browse/folder_listing.h"
#include "browse/format.h"
#include "cli/cli_args.h"
#include "cli/cli_context.h"
#include "cli/cli_output.h"
#include "recycle/file_doc.h"
#include "resources/ids.h"

namespace {

constexpr char kUsage[] = QT_TRANSLATE_NOOP(
    "Cli",
    "用法: nuvio ls [-a] [--sort name|size|date|type|attr] [--reverse] [--json] [FOLDER]\n"
    "和檔案總管的檔案清單一樣列出資料匣 (沒有指定時為檔案總管最後的資料匣): 名稱,\n"
    "大小, 日期, 類型和屬性, 資料匣在前, 除非指定 --sort, 否則依檔案總管儲存的順序.\n"
    "  -a         列出全部: 隱藏檔, 唯讀記憶體和系統檔, 以及資源回收筒\n"
    "  --sort K   依 name, size, date, type 或 attr 排序 (名稱 A 到 Z,\n"
    "             最大和最新的在前)\n"
    "  --reverse  反向排序\n"
    "  --json     一個 {name, folder, size, written, type, mime, attributes} 陣列\n");

int SortMethodNamed(const QString& name) {
    static const char* const kNames[kSortMethodCount] = {"name", "size", "date", "type", "attr"};
    for (int i = 0; i < kSortMethodCount; ++i) {
        if (name == QLatin1String(kNames[i])) return i;
    }
    return -1;
}

}  // namespace

int RunLs(CliContext& context, const QStringList& arguments) {
    const ParsedArgs args = ParseArgs(
        arguments, {QStringLiteral("-a"), QStringLiteral("--reverse"), QStringLiteral("--json")},
        {QStringLiteral("--sort")});
    if (args.help) return PrintUsage(kUsage);
    if (!args.error.isEmpty()) return UsageError(kUsage, args.error);
    if (args.positionals.size() > 1) return UsageError(kUsage, Cli::tr("只能指定一個資料匣"));
    int method = -1;
    if (args.values.contains(QStringLiteral("--sort"))) {
        method = SortMethodNamed(args.Value(QStringLiteral("--sort")));
        if (method < 0) return UsageError(kUsage, Cli::tr("不明的排序方式"));
    }
    const bool all = args.Has(QStringLiteral("-a"));

    QString folder = args.positionals.isEmpty() ? context.WorkDirectory()
                                                : context.ResolvePath(args.positionals[0]);
    FindData record;
    if (folder.isEmpty() || !PathExists(context.fs(), folder, &record) || !record.IsFolder()) {
        context.Fail(FormatStr(IDS_FOLDER_NOT_FOUND, folder));
        return context.ExitCode();
    }

    CFileDoc& doc = context.doc();
    FolderListing listing(context.fs(), context.settings(), context.shell(), doc.iconCache());
    if (all) {
        listing.filter().hideHidden = false;
        listing.filter().hideRomFiles = false;
        listing.filter().hideSystemExt = false;
        listing.filter().showOnly = false;
    }
    // Choosing a method flips the direction as a header tap does; at most two taps reach
    // any method and direction.
    const int target = method >= 0 ? method : listing.sortMethod();
    bool direction = method >= 0 ? false : listing.directionFlag();
    if (args.Has(QStringLiteral("--reverse"))) direction = !direction;
    for (int i = 0; i < 3; ++i) {
        if (listing.sortMethod() == target && listing.directionFlag() == direction) break;
        listing.ChooseSortMethod(target);
    }
    listing.FillList(folder, all ? QString() : doc.bin().binPath());

    if (args.Has(QStringLiteral("--json"))) {
        QJsonArray json;
        for (int row = 0; row < listing.RowCount(); ++row) {
            listing.EnsureItemIcon(row);
            const FileItem& item = listing.Item(row);
            QJsonObject object;
            object.insert(QStringLiteral("name"), item.name);
            object.insert(QStringLiteral("folder"), item.IsFolder());
            object.insert(QStringLiteral("size"), qint64(item.size));
            object.insert(QStringLiteral("written"), IsoLocalTime(item.written));
            object.insert(QStringLiteral("type"), item.typeName.value_or(QString()));
            object.insert(QStringLiteral("mime"), MimeTypeOf(item.name, item.IsFolder()));
            object.insert(QStringLiteral("attributes"), qint64(item.attributes));
            json.append(object);
        }
        PrintJson(json);
        return context.ExitCode();
    }
    // Written as it goes: a folder of a million entries is not held twice as text.
    WriteTable(listing.RowCount(), [&listing](qsizetype row) {
        listing.EnsureItemIcon(int(row));
        const FileItem& item = listing.Item(int(row));
        return QStringList{item.name, item.IsFolder() ? QString() : FormatSizeText(item.size),
                           FormatDateText(item.written), item.typeName.value_or(QString()),
                           FormatAttrText(item.attributes)};
    }, {1});
    return context.ExitCode();
}
