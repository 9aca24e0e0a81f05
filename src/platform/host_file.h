#pragma once

#include <QtGlobal>
#include <memory>

#include "platform/device_fs.h"

// A device file over an open host descriptor, which it owns.
std::unique_ptr<DeviceFile> MakeHostFile(int fd);

// Kernel-side copy of size bytes: a reflink where the file system shares extents, else
// copy_file_range, else plain reads and writes. cloneFails remembers a file system that
// cannot share extents; err gets errno on failure.
bool CopyHostContent(int in, int out, qint64 size, bool* cloneFails, int* err);
