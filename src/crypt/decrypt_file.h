#pragma once

#include <QString>

#include "crypt/crypt_result.h"
#include "platform/device_fs.h"

class Progress;

// Decrypts the encrypted file source into target (the caller decides the target, usually
// the stored name in the source's folder, see ReadEncryptedFileInfo). The target is created
// or replaced only when the password checked out and every byte was written; on any failure
// or a cancel the source and an existing target are as they were. Progress hears the bytes
// of this one file; cause hears why the device refused when it did.
CryptResult DecryptFile(DeviceFs& fs, const QString& source, const QString& target,
                        const QString& password, Progress* progress = nullptr,
                        DeviceError* cause = nullptr);
