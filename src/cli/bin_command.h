#pragma once

#include <QStringList>

class CliContext;

// nuvio bin: the recycle bin's entries and the operations of the recycle-bin dialog.
int RunBin(CliContext& context, const QStringList& arguments);
