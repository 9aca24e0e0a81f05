#include "crypt/crypto_provider.h"

#include <openssl/evp.h>

#include "crypt/encrypted_format.h"
#include "crypt/openssl_algorithms.h"

namespace {

constexpr int kBaseKeyBytes = 5;

}  // namespace

bool IsCipherAvailable() {
    return Rc4Cipher() != nullptr && Md5Digest() != nullptr;
}

QString ChooseCryptoProvider() {
    return QString::fromUtf16(IsCipherAvailable() ? kEnhancedProviderName : kBaseProviderName);
}

bool IsKnownCryptoProvider(const QString& provider) {
    // Provider names are looked up without regard to case.
    return provider.compare(QString::fromUtf16(kEnhancedProviderName), Qt::CaseInsensitive) == 0 ||
           provider.compare(QString::fromUtf16(kBaseProviderName), Qt::CaseInsensitive) == 0;
}

std::optional<QByteArray> DeriveCipherKey(const QString& provider, const QString& password) {
    const bool enhanced =
        provider.compare(QString::fromUtf16(kEnhancedProviderName), Qt::CaseInsensitive) == 0;
    if (!enhanced && !IsKnownCryptoProvider(provider)) return std::nullopt;
    const EVP_MD* md5 = Md5Digest();
    if (!md5) return std::nullopt;

    const QByteArray bytes = Utf16LeBytes(password);
    QByteArray key(kCipherKeyBytes, '\0');
    unsigned int length = 0;
    if (!EVP_Digest(bytes.constData(), size_t(bytes.size()),
                    reinterpret_cast<unsigned char*>(key.data()), &length, md5, nullptr) ||
        length != unsigned(kCipherKeyBytes)) {
        return std::nullopt;
    }
    // The Base provider keeps 40 bits and pads with its default salt of zero bytes.
    if (!enhanced) {
        key = key.left(kBaseKeyBytes) + QByteArray(kCipherKeyBytes - kBaseKeyBytes, '\0');
    }
    return key;
}
