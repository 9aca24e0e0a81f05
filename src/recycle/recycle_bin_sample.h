#pragma once

#include <QWidget>
#include <memory>

class CommandHost;

// The recycle-bin dialog over a bin of sample entries that lives as long as the dialog,
// for `--screenshot --dialog 6009`. Nothing is written to the device.
std::unique_ptr<QWidget> MakeRecycleBinSample(CommandHost& frame);
