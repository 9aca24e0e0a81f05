#pragma once

#include <QString>

#include "crypt/crypt_result.h"
#include "platform/device_fs.h"

class UserPrompt;

// Shows the message of a failed encryption or decryption as "%s\n%s": the item's name over
// the message, or the target over message IDS_CANNOT_OPEN_FILE when the target could not be
// written; why the device refused (cause) follows. False when the failure ends the whole
// command (a target that cannot be written, a cancel).
bool ReportCryptFailure(UserPrompt& prompt, CryptResult result, const QString& name,
                        const QString& target, DeviceError cause = DeviceError::None);
