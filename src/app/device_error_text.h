#pragma once

#include <QString>

#include "platform/device_fs.h"

// Why a device call failed, as the user reads it; empty when there is nothing to say.
QString DeviceErrorText(DeviceError error);

// The message of a failed operation with its cause on a line of its own after it, so that
// the message itself stays as it is.
QString WithCause(const QString& text, DeviceError error);
