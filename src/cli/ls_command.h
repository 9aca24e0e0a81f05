#pragma once

#include <QStringList>

class CliContext;

// nuvio ls: a folder's rows as the explorer's file list holds them.
int RunLs(CliContext& context, const QStringList& arguments);
