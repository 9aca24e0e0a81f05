#include <gtest/gtest.h>

#include "crypt/cipher.h"
#include "crypt/cipher_stream.h"
#include "crypt/crypto_provider.h"
#include "crypt_test_files.h"

using namespace crypt_test;

TEST(CryptoProvider, DerivesBothKeyFormsFromTheUtf16Password) {
    EXPECT_EQ(DeriveCipherKey(kEnhanced, QStringLiteral("pw")), kPwMd5);
    // The Base provider keeps 40 bits of the hash and pads with zero bytes.
    const QByteArray baseKey = kChineseMd5.left(5) + QByteArray(11, '\0');
    EXPECT_EQ(DeriveCipherKey(kBase, kChinesePassword), baseKey);
    EXPECT_EQ(DeriveCipherKey(kEnhanced.toUpper(), QStringLiteral("pw")), kPwMd5);
    EXPECT_FALSE(DeriveCipherKey(QStringLiteral("Some Other Provider"), QStringLiteral("pw")));
    EXPECT_FALSE(DeriveCipherKey(QString(), QStringLiteral("pw")));
    // Enhanced is chosen when the cipher is there.
    ASSERT_TRUE(IsCipherAvailable());
    EXPECT_EQ(ChooseCryptoProvider(), kEnhanced);
}

TEST(Cipher, MatchesIndependentVectorsForBothKeyForms) {
    QByteArray a = kRecordA;
    ASSERT_EQ(Encipher(kEnhanced, QStringLiteral("pw"), a.data(), a.size()), kCipherOk);
    EXPECT_EQ(a.toHex(), kBodyA.toHex());
    ASSERT_EQ(Decipher(kEnhanced, QStringLiteral("pw"), a.data(), a.size()), kCipherOk);
    EXPECT_EQ(a, kRecordA);

    QByteArray b = kRecordB;
    ASSERT_EQ(Encipher(kBase, kChinesePassword, b.data(), b.size()), kCipherOk);
    EXPECT_EQ(b.toHex(), kBodyB.toHex());

    // No provider name: the document's choice, the Enhanced one here.
    QByteArray c = kRecordA;
    ASSERT_EQ(Encipher(QString(), QStringLiteral("pw"), c.data(), c.size()), kCipherOk);
    EXPECT_EQ(c, kBodyA);

    // An unknown provider fails and leaves the buffer.
    EXPECT_EQ(Encipher(QStringLiteral("Nope"), QStringLiteral("pw"), a.data(), a.size()),
              kCipherFailed);
    EXPECT_EQ(a, kRecordA);
    EXPECT_FALSE(CipherStream::Create(QStringLiteral("Nope"), QStringLiteral("pw")));
}

TEST(CipherStream, PiecesGiveTheSameBytesAsTheWholeBuffer) {
    QByteArray whole(300000, '\0');
    for (int i = 0; i < whole.size(); ++i)
        whole[i] = char(i * 31 + 7);
    QByteArray pieces = whole;
    ASSERT_EQ(Encipher(kBase, QStringLiteral("pw"), whole.data(), whole.size()), kCipherOk);

    auto stream = CipherStream::Create(kBase, QStringLiteral("pw"));
    ASSERT_TRUE(stream);
    const qint64 steps[] = {1, 0, 21, 65536, 3, 100000};
    qint64 at = 0;
    for (qint64 step : steps) {
        ASSERT_TRUE(stream->Apply(pieces.data() + at, step));
        at += step;
    }
    ASSERT_TRUE(stream->Apply(pieces.data() + at, pieces.size() - at));
    EXPECT_TRUE(pieces == whole);
}
