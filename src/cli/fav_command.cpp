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

constexpr char kUsage[] =
    "usage: nuvio fav list [--json]\n"
    "       nuvio fav add NAME FOLDER\n"
    "       nuvio fav rm INDEX\n"
    "The explorer's favourite folders, in menu order; INDEX is a position as list shows it.\n"
    "  list   position, name and folder (--json: an array of {name, folder})\n"
    "  add    appends a favourite (at most 100); the folder must exist\n"
    "  rm     removes a favourite. Removing the last one leaves the file as it was, as in\n"
    "         the explorer, so the favourites come back.\n";

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
        context.Fail(QString::fromUtf8(kTextCannotAddFavorite).arg(name));
    }
    return context.ExitCode();
}

int Remove(CliContext& context, const QString& text) {
    int index = 0;
    if (!ParseIndex(text, &index)) {
        return UsageError(kUsage, QStringLiteral("INDEX is a position"));
    }
    FavoritesList& favorites = context.doc().favorites();
    if (index >= favorites.Count()) {
        context.Fail(QString::fromUtf8(kTextNoFavorite).arg(index));
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
    return UsageError(kUsage, action.isEmpty() ? QStringLiteral("no fav command")
                                               : QStringLiteral("wrong fav command"));
}
