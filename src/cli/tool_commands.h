#pragma once

#include <QStringList>

class CliContext;

// nuvio find, dump and info: the explorer's find dialog, file dump viewer and system
// information, over the same engines.
int RunFind(CliContext& context, const QStringList& arguments);
int RunDump(CliContext& context, const QStringList& arguments);
int RunInfo(CliContext& context, const QStringList& arguments);
