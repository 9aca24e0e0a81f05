#pragma once

#include <QString>

#include "crypt/crypt_result.h"
#include "platform/device_fs.h"

class Progress;

// Encrypts source into target with the password under the provider (the document's choice,
// ChooseCryptoProvider, when empty). The target appears only when it is complete; on any
// failure or a cancel the source and an existing target are as they were. Progress hears
// the bytes of this one file; cause hears why the device refused when it did.
CryptResult EncryptFile(DeviceFs& fs, const QString& source, const QString& target,
                        const QString& password, const QString& provider = QString(),
                        Progress* progress = nullptr, DeviceError* cause = nullptr);
