#include "crypt/decrypt_file.h"

#include <QByteArray>

#include "app/progress.h"
#include "crypt/encrypted_file_reader.h"
#include "crypt/encrypted_format.h"
#include "crypt/staged_target.h"
#include "platform/device_fs.h"

// Decryption, in order:
//  1. read the headers and check the password before anything is created,
//  2. decipher the plain file's bytes piece by piece into a temporary file beside the target
//     with the encrypted file's permissions,
//  3. put the temporary file in place of the target once all of it is written.
CryptResult DecryptFile(DeviceFs& fs, const QString& source, const QString& target,
                        const QString& password, Progress* progress, DeviceError* cause) {
    EncryptedFileReader reader(fs);
    const CryptResult opened = reader.Open(source, password);
    if (opened != CryptResult::Ok) return opened;

    StagedTarget out(fs, target, fs.GetPermissions(source));
    auto writeFailed = [&] {
        if (cause) *cause = out.Cause();
        return CryptResult::WriteFailed;
    };
    if (!out.Open()) return writeFailed();
    ProgressState state;
    state.totalBytes = reader.Info().contentSize;
    state.totalFiles = 1;
    state.currentPath = source;
    QByteArray piece(kCryptPieceBytes, '\0');
    for (;;) {
        const qint64 got = reader.ReadContent(piece.data(), kCryptPieceBytes);
        if (got < 0) return CryptResult::OpenFailed;
        if (got == 0) break;
        if (!out.Write(piece.constData(), got)) return writeFailed();
        state.doneBytes += quint64(got);
        if (progress && !progress->Update(state)) return CryptResult::Cancelled;
    }
    reader.Close();
    if (!out.Commit()) return writeFailed();
    state.doneFiles = 1;
    if (progress) progress->Update(state);
    return CryptResult::Ok;
}
