#pragma once

#include <QStringList>

class CliContext;

// nuvio mkdir, cp, mv, rm and ln: the explorer's new folder, paste, delete and paste as
// shortcut over named items.
int RunMkdir(CliContext& context, const QStringList& arguments);
int RunCopy(CliContext& context, const QStringList& arguments);
int RunMove(CliContext& context, const QStringList& arguments);
int RunRemove(CliContext& context, const QStringList& arguments);
int RunLink(CliContext& context, const QStringList& arguments);
