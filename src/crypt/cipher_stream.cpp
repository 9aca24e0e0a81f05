#include "crypt/cipher_stream.h"

#include <openssl/evp.h>

#include <algorithm>
#include <limits>

#include "crypt/crypto_provider.h"
#include "crypt/openssl_algorithms.h"

std::unique_ptr<CipherStream> CipherStream::Create(const QString& provider,
                                                   const QString& password) {
    const EVP_CIPHER* rc4 = Rc4Cipher();
    if (!rc4) return nullptr;
    const std::optional<QByteArray> key = DeriveCipherKey(provider, password);
    if (!key) return nullptr;

    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    if (!context) return nullptr;
    const auto* keyBytes = reinterpret_cast<const unsigned char*>(key->constData());
    // The key length has to be set before the key itself goes in.
    if (!EVP_CipherInit_ex2(context, rc4, nullptr, nullptr, 1, nullptr) ||
        !EVP_CIPHER_CTX_set_key_length(context, kCipherKeyBytes) ||
        !EVP_CipherInit_ex2(context, nullptr, keyBytes, nullptr, 1, nullptr)) {
        EVP_CIPHER_CTX_free(context);
        return nullptr;
    }
    return std::unique_ptr<CipherStream>(new CipherStream(context));
}

CipherStream::~CipherStream() {
    EVP_CIPHER_CTX_free(context_);
}

bool CipherStream::Apply(char* data, qint64 length) {
    if (length < 0) return false;
    auto* bytes = reinterpret_cast<unsigned char*>(data);
    constexpr qint64 kMaxStep = std::numeric_limits<int>::max() / 2;
    while (length > 0) {
        const int step = int(std::min(length, kMaxStep));
        int written = 0;
        if (!EVP_CipherUpdate(context_, bytes, &written, bytes, step) || written != step) {
            return false;
        }
        bytes += step;
        length -= step;
    }
    return true;
}
