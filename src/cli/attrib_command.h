#pragma once

#include <QStringList>

class CliContext;

// nuvio attrib: shows or changes the read-only, hidden, system and archive bits.
int RunAttrib(CliContext& context, const QStringList& arguments);
