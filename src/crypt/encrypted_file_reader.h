#pragma once

#include <QString>
#include <memory>

#include "crypt/crypt_result.h"

class CipherStream;
class DeviceFile;
class DeviceFs;

// What the header of an encrypted file tells once the password checked out.
struct EncryptedFileInfo {
    QString provider;
    quint16 checkWord = 0;
    QString storedName;       // a plain file name, checked
    quint64 contentSize = 0;  // the plain file's size, from the file's size when it was opened
};

// Reads an encrypted file: its header first, then the plain file's bytes deciphered piece by
// piece from the one key stream. Every length is checked against the bytes that remain.
class EncryptedFileReader {
public:
    explicit EncryptedFileReader(DeviceFs& fs);
    ~EncryptedFileReader();

    // Opens the file, reads both headers and checks the password.
    CryptResult Open(const QString& path, const QString& password);
    const EncryptedFileInfo& Info() const { return info_; }
    // The next deciphered bytes of the plain file: the count, 0 at the end, -1 on failure.
    qint64 ReadContent(char* buffer, qint64 count);
    void Close();

private:
    CryptResult ReadHeaders(const QString& path, const QString& password);
    // Reads exactly count bytes: count, a shorter count at the end of the file, or -1.
    qint64 ReadFully(char* buffer, qint64 count);

    DeviceFs& fs_;
    std::unique_ptr<DeviceFile> file_;
    std::unique_ptr<CipherStream> cipher_;
    EncryptedFileInfo info_;
};

// Checks the password and returns what the header holds, without writing anything.
CryptResult ReadEncryptedFileInfo(DeviceFs& fs, const QString& path, const QString& password,
                                  EncryptedFileInfo* info);
