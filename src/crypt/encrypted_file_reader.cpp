#include "crypt/encrypted_file_reader.h"

#include <QByteArray>

#include "crypt/cipher_stream.h"
#include "crypt/crypto_provider.h"
#include "crypt/encrypted_format.h"
#include "platform/device_fs.h"

EncryptedFileReader::EncryptedFileReader(DeviceFs& fs) : fs_(fs) {}

EncryptedFileReader::~EncryptedFileReader() = default;

qint64 EncryptedFileReader::ReadFully(char* buffer, qint64 count) {
    qint64 done = 0;
    while (done < count) {
        const qint64 got = file_->Read(buffer + done, count - done);
        if (got < 0) return -1;
        if (got == 0) break;
        done += got;
    }
    return done;
}

// Reading, in order:
//  1. the plain header: magic, check word, L and the provider name, each within the file;
//  2. the key stream of that provider (not the document's) and the password;
//  3. the record's header, deciphered: magic and check word prove the password, then N and
//     the stored name, again within what the body holds.
CryptResult EncryptedFileReader::Open(const QString& path, const QString& password) {
    info_ = EncryptedFileInfo();
    const CryptResult result = ReadHeaders(path, password);
    // Nothing of a refused file is handed out.
    if (result != CryptResult::Ok) Close();
    return result;
}

CryptResult EncryptedFileReader::ReadHeaders(const QString& path, const QString& password) {
    file_ = fs_.Open(path, OpenMode::Read);
    if (!file_) return CryptResult::OpenFailed;
    const qint64 size = file_->Size();
    if (size < 0) return CryptResult::OpenFailed;

    QByteArray header(kFileHeaderBytes, '\0');
    qint64 got = ReadFully(header.data(), kFileHeaderBytes);
    if (got < 0) return CryptResult::OpenFailed;
    if (got < kFileHeaderBytes || header[0] != kEncryptedMagic0 || header[1] != kEncryptedMagic1) {
        return CryptResult::NotEncrypted;
    }
    info_.checkWord = ReadLe16(header.constData() + 2);
    const qint64 providerBytes = ReadLe16(header.constData() + 4);
    if (providerBytes % 2 != 0 || providerBytes > size - kFileHeaderBytes) {
        return CryptResult::NotEncrypted;
    }
    QByteArray provider(providerBytes, '\0');
    got = ReadFully(provider.data(), providerBytes);
    if (got < 0) return CryptResult::OpenFailed;
    if (got < providerBytes) return CryptResult::NotEncrypted;
    info_.provider = FromUtf16LeBytes(provider);

    const qint64 bodyBytes = size - kFileHeaderBytes - providerBytes;
    if (bodyBytes < kRecordHeaderBytes) return CryptResult::NotEncrypted;
    cipher_ = CipherStream::Create(info_.provider, password);
    if (!cipher_) return CryptResult::CipherFailed;

    QByteArray record(kRecordHeaderBytes, '\0');
    got = ReadFully(record.data(), kRecordHeaderBytes);
    if (got < 0) return CryptResult::OpenFailed;
    if (got < kRecordHeaderBytes) return CryptResult::NotEncrypted;
    if (!cipher_->Apply(record.data(), kRecordHeaderBytes)) return CryptResult::CipherFailed;
    // RC4 takes any password: only the deciphered magic and check word tell a wrong one.
    if (record[0] != kEncryptedMagic0 || record[1] != kEncryptedMagic1 ||
        ReadLe16(record.constData() + 2) != info_.checkWord) {
        return CryptResult::WrongPassword;
    }
    const qint64 nameBytes = ReadLe16(record.constData() + 4);
    if (nameBytes % 2 != 0 || nameBytes > kMaxStoredNameBytes ||
        nameBytes > bodyBytes - kRecordHeaderBytes) {
        return CryptResult::NotEncrypted;
    }
    QByteArray name(nameBytes, '\0');
    got = ReadFully(name.data(), nameBytes);
    if (got < 0) return CryptResult::OpenFailed;
    if (got < nameBytes) return CryptResult::NotEncrypted;
    if (!cipher_->Apply(name.data(), nameBytes)) return CryptResult::CipherFailed;
    info_.storedName = FromUtf16LeBytes(name);
    if (!IsValidStoredName(info_.storedName)) return CryptResult::NotEncrypted;
    info_.contentSize = quint64(bodyBytes - kRecordHeaderBytes - nameBytes);
    return CryptResult::Ok;
}

qint64 EncryptedFileReader::ReadContent(char* buffer, qint64 count) {
    if (!file_ || !cipher_ || count < 0) return -1;
    const qint64 got = ReadFully(buffer, count);
    if (got > 0 && !cipher_->Apply(buffer, got)) return -1;
    return got;
}

void EncryptedFileReader::Close() {
    file_.reset();
    cipher_.reset();
}

CryptResult ReadEncryptedFileInfo(DeviceFs& fs, const QString& path, const QString& password,
                                  EncryptedFileInfo* info) {
    EncryptedFileReader reader(fs);
    const CryptResult result = reader.Open(path, password);
    if (result == CryptResult::Ok && info) *info = reader.Info();
    return result;
}
