#include "crypt/openssl_algorithms.h"

#include <openssl/evp.h>
#include <openssl/provider.h>

namespace {

// Kept for the life of the program: OpenSSL cleans up at exit on its own.
struct Algorithms {
    OSSL_PROVIDER* legacy = nullptr;
    OSSL_PROVIDER* standard = nullptr;
    EVP_CIPHER* rc4 = nullptr;
    EVP_MD* md5 = nullptr;

    Algorithms() {
        // Loading one provider explicitly stops the default one from loading by itself.
        legacy = OSSL_PROVIDER_load(nullptr, "legacy");
        standard = OSSL_PROVIDER_load(nullptr, "default");
        if (legacy) rc4 = EVP_CIPHER_fetch(nullptr, "RC4", nullptr);
        md5 = EVP_MD_fetch(nullptr, "MD5", nullptr);
    }
};

const Algorithms& Loaded() {
    static const Algorithms algorithms;
    return algorithms;
}

}  // namespace

const EVP_CIPHER* Rc4Cipher() {
    return Loaded().rc4;
}

const EVP_MD* Md5Digest() {
    return Loaded().md5;
}
