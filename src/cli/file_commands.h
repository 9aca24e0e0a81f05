#pragma once

#include <QStringList>

class CliContext;
struct DeleteOptions;

// nuvio mkdir, cp, mv, rm and ln: the explorer's new folder, paste, delete and paste as
// shortcut over named items.
int RunMkdir(CliContext& context, const QStringList& arguments);
int RunCopy(CliContext& context, const QStringList& arguments);
int RunMove(CliContext& context, const QStringList& arguments);
int RunRemove(CliContext& context, const QStringList& arguments);
int RunLink(CliContext& context, const QStringList& arguments);

// Deletes the items through the core's delete rules and reports each that failed; returns the
// exit code.
int DeleteAndReport(CliContext& context, const QStringList& paths, const DeleteOptions& options);
