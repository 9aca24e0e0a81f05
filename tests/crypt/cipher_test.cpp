#include <gtest/gtest.h>

#include "crypt/cipher.h"
#include "crypt/cipher_stream.h"
#include "crypt/crypto_provider.h"
#include "crypt_test_files.h"

using namespace crypt_test;

// The vectors themselves are checked through whole files (encrypt_file_test).
TEST(Cipher, TheProviderNameChoosesTheKeyAndAnUnknownOneFails) {
    // No provider name: the document's choice, the Enhanced one here.
    QByteArray c = kRecordA;
    ASSERT_EQ(Encipher(QString(), QStringLiteral("pw"), c.data(), c.size()), kCipherOk);
    EXPECT_EQ(c, kBodyA);

    // Provider names ignore case; an unknown one fails and leaves the buffer.
    EXPECT_EQ(DeriveCipherKey(kEnhanced.toUpper(), QStringLiteral("pw")), kPwMd5);
    EXPECT_FALSE(DeriveCipherKey(QString(), QStringLiteral("pw")));
    ASSERT_TRUE(IsCipherAvailable());
    EXPECT_EQ(ChooseCryptoProvider(), kEnhanced);
    QByteArray a = kRecordA;
    EXPECT_EQ(Encipher(QStringLiteral("Nope"), QStringLiteral("pw"), a.data(), a.size()),
              kCipherFailed);
    EXPECT_EQ(a, kRecordA);
    EXPECT_FALSE(CipherStream::Create(QStringLiteral("Nope"), QStringLiteral("pw")));
}
