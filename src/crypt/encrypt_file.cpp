#include "crypt/encrypt_file.h"

#include <QByteArray>
#include <algorithm>

#include "app/path_helpers.h"
#include "app/progress.h"
#include "crypt/cipher_stream.h"
#include "crypt/crypto_provider.h"
#include "crypt/encrypted_format.h"
#include "crypt/staged_target.h"
#include "platform/device_fs.h"

// Encryption, in order:
//  1. refuse ROM files and open the source (its real size counts, not a listed one),
//  2. start the key stream of the provider and password,
//  3. write the plain header, then the record's header and the file's bytes enciphered
//     piece by piece, to a temporary file beside the target with the source's permissions,
//  4. put the temporary file in place of the target once all of it is written.
CryptResult EncryptFile(DeviceFs& fs, const QString& source, const QString& target,
                        const QString& password, const QString& provider, Progress* progress,
                        DeviceError* cause) {
    DeviceError ignored = DeviceError::None;
    if (!cause) cause = &ignored;
    const std::optional<quint32> attributes = fs.GetAttributes(source);
    if (!attributes || IsDirectory(*attributes)) return CryptResult::OpenFailed;
    if (IsRomFile(*attributes)) return CryptResult::RomFile;
    const QString storedName = FileNamePart(source);
    if (!IsValidStoredName(storedName)) return CryptResult::OpenFailed;
    std::unique_ptr<DeviceFile> in = fs.Open(source, OpenMode::Read);
    if (!in) {
        *cause = fs.LastError();
        return CryptResult::OpenFailed;
    }

    const QString used = provider.isEmpty() ? ChooseCryptoProvider() : provider;
    std::unique_ptr<CipherStream> cipher = CipherStream::Create(used, password);
    if (!cipher) return CryptResult::CipherFailed;

    StagedTarget out(fs, target, in->Permissions());
    auto writeFailed = [&] {
        *cause = out.Cause();
        return CryptResult::WriteFailed;
    };
    if (!out.Open()) return writeFailed();
    const QByteArray header = BuildFileHeader(0, used);
    QByteArray record = BuildPlainRecordHeader(0, storedName);
    if (!cipher->Apply(record.data(), record.size())) return CryptResult::CipherFailed;
    if (!out.Write(header.constData(), header.size()) ||
        !out.Write(record.constData(), record.size())) {
        return writeFailed();
    }

    ProgressState state;
    state.totalBytes = quint64(std::max<qint64>(in->Size(), 0));
    state.totalFiles = 1;
    state.currentPath = source;
    QByteArray piece(kCryptPieceBytes, '\0');
    for (;;) {
        const qint64 got = in->Read(piece.data(), kCryptPieceBytes);
        if (got < 0) {
            *cause = in->LastError();
            return CryptResult::OpenFailed;
        }
        if (got == 0) break;
        if (!cipher->Apply(piece.data(), got)) return CryptResult::CipherFailed;
        if (!out.Write(piece.constData(), got)) return writeFailed();
        state.doneBytes += quint64(got);
        if (progress && !progress->Update(state)) return CryptResult::Cancelled;
    }
    in.reset();
    if (!out.Commit()) return writeFailed();
    state.doneFiles = 1;
    if (progress) progress->Update(state);
    return CryptResult::Ok;
}
