#include "crypt/cipher.h"

#include "crypt/cipher_stream.h"
#include "crypt/crypto_provider.h"

namespace {

quint32 RunCipher(const QString& provider, const QString& password, char* buffer, qint64 length) {
    auto stream =
        CipherStream::Create(provider.isEmpty() ? ChooseCryptoProvider() : provider, password);
    if (!stream || !stream->Apply(buffer, length)) return kCipherFailed;
    return kCipherOk;
}

}  // namespace

quint32 Encipher(const QString& provider, const QString& password, char* buffer, qint64 length) {
    return RunCipher(provider, password, buffer, length);
}

quint32 Decipher(const QString& provider, const QString& password, char* buffer, qint64 length) {
    return RunCipher(provider, password, buffer, length);
}
