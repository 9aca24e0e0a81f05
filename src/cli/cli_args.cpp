#include "cli/cli_args.h"

#include "cli/cli_output.h"

ParsedArgs ParseArgs(const QStringList& arguments, const QStringList& flags,
                     const QStringList& valued) {
    ParsedArgs parsed;
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        // A lone "-" and anything after "--" are plain arguments.
        if (optionsEnded || arg.size() < 2 || !arg.startsWith(QLatin1Char('-'))) {
            parsed.positionals.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            parsed.help = true;
            continue;
        }
        const int eq = arg.indexOf(QLatin1Char('='));
        const QString name = eq > 0 ? arg.left(eq) : arg;
        if (valued.contains(name)) {
            if (eq > 0) {
                parsed.values.insert(name, arg.mid(eq + 1));
            } else if (i + 1 < arguments.size()) {
                parsed.values.insert(name, arguments[++i]);
            } else if (parsed.error.isEmpty()) {
                parsed.error = Cli::tr("%1 需要一個值").arg(name);
            }
        } else if (eq < 0 && flags.contains(arg)) {
            parsed.flags.insert(arg);
        } else if (parsed.error.isEmpty()) {
            parsed.error = Cli::tr("不明的選項 %1").arg(arg);
        }
    }
    return parsed;
}

bool ParseIndex(const QString& text, int* index) {
    if (text.isEmpty() || text.size() > 9) return false;
    int value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
        value = value * 10 + (c.unicode() - u'0');
    }
    *index = value;
    return true;
}

int PrintUsage(const char* usage) {
    WriteOut(Cli::tr(usage));
    return kExitOk;
}

int UsageError(const char* usage, const QString& error) {
    WriteErr(QStringLiteral("nuvio: ") + error + QLatin1Char('\n') + Cli::tr(usage));
    return kExitUsage;
}
