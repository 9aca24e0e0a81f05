#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The two provider names an encrypted file may carry; the name decides the RC4 key form.
inline constexpr char16_t kEnhancedProviderName[] =
    u"Microsoft Enhanced Cryptographic Provider v1.0";
inline constexpr char16_t kBaseProviderName[] = u"Microsoft Base Cryptographic Provider v1.0";
// Acquire flags the document keeps beside the provider name (verify context).
inline constexpr quint32 kCryptAcquireFlags = 0xF0000000u;
inline constexpr int kCipherKeyBytes = 16;

// True when MD5 and RC4 can be used.
bool IsCipherAvailable();

// The provider the document uses for new files: the Enhanced one when the cipher is there,
// else the Base name (which then fails like any cipher call).
QString ChooseCryptoProvider();

bool IsKnownCryptoProvider(const QString& provider);

// The 16-byte RC4 key of a password (hashed as UTF-16LE without terminator): the MD5 value
// under the Enhanced provider, its first 5 bytes and 11 zero bytes under the Base provider.
// None for an unknown provider or when MD5 is unavailable.
std::optional<QByteArray> DeriveCipherKey(const QString& provider, const QString& password);
