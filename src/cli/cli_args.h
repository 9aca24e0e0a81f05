#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include "cli/cli_texts.h"

// The options of one command: flags, options with a value ("--x V" or "--x=V") and the
// positional arguments. "--" ends the options; "-h" and "--help" ask for the usage.
struct ParsedArgs {
    QSet<QString> flags;
    QHash<QString, QString> values;
    QStringList positionals;
    bool help = false;
    QString error;  // the first malformed or unknown option

    bool Has(const QString& flag) const { return flags.contains(flag); }
    QString Value(const QString& option) const { return values.value(option); }
};

ParsedArgs ParseArgs(const QStringList& arguments, const QStringList& flags,
                     const QStringList& valued = {});

// A list position as typed: decimal digits only, within int.
bool ParseIndex(const QString& text, int* index);

// Exit codes of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitSomeFailed = 1;
inline constexpr int kExitUsage = 2;

// --help: the usage (a "Cli" source text) on standard output; kExitOk.
int PrintUsage(const char* usage);
// Bad usage: the error and the usage on standard error; kExitUsage.
int UsageError(const char* usage, const QString& error);
