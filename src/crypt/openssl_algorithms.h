#pragma once

#include <openssl/types.h>

// The OpenSSL algorithms of the cipher, fetched once: RC4 lives in the legacy provider, so
// that one and the default provider are loaded explicitly. Null when unavailable.
const EVP_CIPHER* Rc4Cipher();
const EVP_MD* Md5Digest();
