#pragma once

#include <QStringList>

class CliContext;

// nuvio encrypt and decrypt: the explorer's password commands over named files.
int RunEncrypt(CliContext& context, const QStringList& arguments);
int RunDecrypt(CliContext& context, const QStringList& arguments);
