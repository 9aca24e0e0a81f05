// An encrypted file of any bytes, read and decrypted on a scratch device with the password
// the seeds were made with: no overrun, no write outside the device, and a decryption that
// reports success wrote exactly the size the header promised.
#include <QByteArray>
#include <cstdint>

#include "crypt/decrypt_file.h"
#include "crypt/encrypted_file_reader.h"
#include "crypt/encrypted_format.h"
#include "fuzz_check.h"
#include "scratch_device.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScratchDevice device;
    const QString source = QStringLiteral("\\In\\a.enc");
    const QString target = QStringLiteral("\\Out\\a.txt");
    device.Clear();
    FUZZ_CHECK(
        device.Put(source, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    device.Put(QStringLiteral("\\Out\\keep.txt"), "keep");
    DeviceFs& fs = device.fs();

    EncryptedFileInfo info;
    const CryptResult read = ReadEncryptedFileInfo(fs, source, QStringLiteral("pw"), &info);
    const CryptResult decrypted = DecryptFile(fs, source, target, QStringLiteral("pw"));
    FUZZ_CHECK((read == CryptResult::Ok) == (decrypted == CryptResult::Ok));
    if (decrypted == CryptResult::Ok) {
        FUZZ_CHECK(IsValidStoredName(info.storedName));
        std::unique_ptr<DeviceFile> out = fs.Open(target, OpenMode::Read);
        FUZZ_CHECK(out && quint64(out->Size()) == info.contentSize);
    } else {
        FUZZ_CHECK(!fs.GetAttributes(target));
    }
    FUZZ_CHECK(fs.GetAttributes(QStringLiteral("\\Out\\keep.txt")));
    device.CheckNothingOutside();
    return 0;
}
