#include "cli/fav_command.h"

#include <QJsonObject>

#include "app/message.h"
#include "app/path_helpers.h"
#include "cli/cli_args.h"
#include "cli/cli_context.h"
#include "cli/cli_output.h"
#include "cli/cli_texts.h"
#include "recycle/file_doc.h"
#include "resources/ids.h"

namespace {

constexpr char kUsage[] = QT_TRANSLATE_NOOP(
    "Cli",
    "用法: nuvio fav list [--json]\n"
    "      nuvio fav add NAME FOLDER\n"
    "      nuvio fav rm INDEX\n"
    "檔案總管的我的最愛資料匣, 依選單順序; INDEX 是 list 顯示的位置.\n"
    "  list   位置, 名稱和資料匣 (--json: 一個 {name, folder} 陣列)\n"
    "  add    加入一個我的最愛 (最多 100 個); 資料匣必須存在\n"
    "  rm     移除一個我的最愛. 移除最後一個時, 檔案保持原樣, 和\n"
    "         檔案總管一樣, 所以我的最愛會再出現.\n");

int List(CliContext& context, bool json) {
    const FavoritesList& favorites = context.doc().favorites();
    QJsonArray array;
    QList<QStringList> table;
    for (int i = 0; i < favorites.Count(); ++i) {
        const FavoriteEntry& entry = favorites.Entries()[i];
        if (json) {
            QJsonObject object;
            object.insert(QStringLiteral("name"), entry.name);
            object.insert(QStringLiteral("folder"), entry.folder);
            array.append(object);
        } else {
            table.append({QString::number(i), entry.name, entry.folder});
        }
    }
    if (json) {
        PrintJson(array);
    } else {
        WriteOut(FormatTable(table, {0}));
    }
    return context.ExitCode();
}

int Add(CliContext& context, const QString& name, const QString& argument) {
    const QString folder = context.ResolvePath(argument);
    FindData record;
    if (folder.isEmpty() || !PathExists(context.fs(), folder, &record) || !record.IsFolder()) {
        context.Fail(FormatStr(IDS_FOLDER_NOT_FOUND, folder.isEmpty() ? argument : folder));
        return context.ExitCode();
    }
    FavoritesList& favorites = context.doc().favorites();
    if (favorites.IsFull()) {
        ShowMessage(context.prompt(), IDS_TOO_MANY_FAVORITES, IDS_APP_TITLE, MessageStyle::Exclamation);
    } else if (!favorites.AddFavorite(name, folder)) {
        context.Fail(Cli::tr(kTextCannotAddFavorite).arg(name));
    }
    return context.ExitCode();
}

int Remove(CliContext& context, const QString& text) {
    int index = 0;
    if (!ParseIndex(text, &index)) {
        return UsageError(kUsage, Cli::tr("INDEX 是一個位置"));
    }
    FavoritesList& favorites = context.doc().favorites();
    if (index >= favorites.Count()) {
        context.Fail(Cli::tr(kTextNoFavorite).arg(index));
        return context.ExitCode();
    }
    favorites.DeleteFavorite(index);
    return context.ExitCode();
}

}  // namespace

int RunFav(CliContext& context, const QStringList& arguments) {
    const QString action = arguments.value(0);
    const QStringList flags =
        action == QLatin1String("list") ? QStringList{QStringLiteral("--json")} : QStringList{};
    const ParsedArgs args =
        ParseArgs(action.startsWith(QLatin1Char('-')) ? arguments : arguments.mid(1), flags);
    if (args.help) return PrintUsage(kUsage);
    if (!args.error.isEmpty()) return UsageError(kUsage, args.error);
    const QStringList& positionals = args.positionals;
    if (action == QLatin1String("list") && positionals.isEmpty()) {
        return List(context, args.Has(QStringLiteral("--json")));
    }
    if (action == QLatin1String("add") && positionals.size() == 2) {
        return Add(context, positionals[0], positionals[1]);
    }
    if (action == QLatin1String("rm") && positionals.size() == 1) {
        return Remove(context, positionals[0]);
    }
    return UsageError(kUsage, action.isEmpty() ? Cli::tr("未指定 fav 命令")
                                               : Cli::tr("錯誤的 fav 命令"));
}
