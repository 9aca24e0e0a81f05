#include <gtest/gtest.h>

#include <QCryptographicHash>

#include "crypt/cipher.h"
#include "crypt/cipher_stream.h"
#include "crypt/crypto_provider.h"
#include "crypt/decrypt_file.h"
#include "crypt/encrypt_file.h"
#include "crypt/encrypted_file_reader.h"
#include "crypt/encrypted_format.h"
#include "crypt_test_files.h"
#include "support/faulty_device_fs.h"
#include "support/scripted_progress.h"
#include "support/temp_device.h"

using namespace crypt_test;

namespace {

const QString kPw = QStringLiteral("pw");

// Records every report and answers false from the given call on.
struct CancelAt : ScriptedProgress {
    explicit CancelAt(int n) {
        answer = [this, n](const ProgressState&) { return reports.size() < n; };
    }
};

QByteArray Pattern(qint64 size) {
    QByteArray data(size, '\0');
    for (qint64 i = 0; i < size; ++i)
        data[i] = char(i % 251);
    return data;
}

}  // namespace

// Files written and read against vectors computed outside the code: the same bytes each
// time (no salt or nonce), a header-only body for an empty file, one key stream across pieces.
TEST(EncryptFile, MatchesIndependentVectorsAndStreamsInPieces) {
    TempDevice d;
    d.Make({"\\a.txt=hello", "\\e.txt"});
    const QByteArray expected = FileHeader(kEnhanced) + kBodyA;
    ASSERT_EQ(EncryptFile(d.fs(), "\\a.txt", "\\a.txt.enc", kPw, kEnhanced), CryptResult::Ok);
    EXPECT_EQ(d.Read("\\a.txt.enc").toHex(), expected.toHex());
    ASSERT_EQ(EncryptFile(d.fs(), "\\a.txt", "\\again.enc", kPw), CryptResult::Ok);
    EXPECT_EQ(d.Read("\\again.enc"), expected);
    ASSERT_EQ(EncryptFile(d.fs(), "\\a.txt", "\\other.enc", "pW"), CryptResult::Ok);
    EXPECT_NE(d.Read("\\other.enc"), expected);
    ASSERT_EQ(EncryptFile(d.fs(), "\\e.txt", "\\e.enc", kPw), CryptResult::Ok);
    EXPECT_EQ(d.Read("\\e.enc").size(), 6 + 92 + 22 + 10);
    ASSERT_EQ(DecryptFile(d.fs(), "\\e.enc", "\\back.txt", kPw), CryptResult::Ok);
    EXPECT_TRUE(d.Exists("\\back.txt") && d.Read("\\back.txt").isEmpty());

    // A Base provider file built by hand.
    d.File("\\b.enc", FileHeader(kBase) + kBodyB);
    EncryptedFileInfo info;
    ASSERT_EQ(ReadEncryptedFileInfo(d.fs(), "\\b.enc", kChinesePassword, &info), CryptResult::Ok);
    EXPECT_EQ(info.provider, kBase);
    ASSERT_EQ(DecryptFile(d.fs(), "\\b.enc", "\\b.bin", kChinesePassword), CryptResult::Ok);
    EXPECT_EQ(d.Read("\\b.bin"), kRecordB.mid(32));

    d.File("\\big.bin", Pattern(200000));
    ScriptedProgress progress;
    ASSERT_EQ(EncryptFile(d.fs(), "\\big.bin", "\\big.bin.enc", kPw, kEnhanced, &progress),
              CryptResult::Ok);
    EXPECT_EQ(QCryptographicHash::hash(d.Read("\\big.bin.enc"), QCryptographicHash::Md5).toHex(),
              "9e6b72bbaf943036d5b5227d27a0b6d5");
    ASSERT_GE(progress.reports.size(), 4);
    quint64 last = 0;
    for (const ProgressState& state : progress.reports) {
        EXPECT_EQ(state.totalBytes, 200000u);
        EXPECT_LE(state.doneBytes - last, quint64(kCryptPieceBytes));
        last = state.doneBytes;
    }
    EXPECT_EQ(last, 200000u);
    EXPECT_EQ(progress.reports.back().doneFiles, 1u);
    ASSERT_EQ(DecryptFile(d.fs(), "\\big.bin.enc", "\\copy.bin", kPw), CryptResult::Ok);
    EXPECT_TRUE(d.Read("\\copy.bin") == Pattern(200000));
}

TEST(EncryptFile, RoundTripKeepsNameAndContent) {
    TempDevice d;
    const QString name = QString::fromUtf16(u"\u5831\u544a.txt");
    const QString plain = "\\Docs\\" + name;
    d.File(plain, "content");
    const QString encrypted = MakeEncryptedTargetPath(d.fs(), plain);
    EXPECT_EQ(encrypted, plain + ".enc");
    ASSERT_EQ(EncryptFile(d.fs(), plain, encrypted, kChinesePassword), CryptResult::Ok);
    EXPECT_EQ(d.Read(plain), "content");  // the original stays

    EncryptedFileInfo info;
    ASSERT_EQ(ReadEncryptedFileInfo(d.fs(), encrypted, kChinesePassword, &info), CryptResult::Ok);
    EXPECT_EQ(info.storedName, name);
    EXPECT_EQ(info.provider, kEnhanced);
    EXPECT_EQ(info.contentSize, 7u);
    ASSERT_EQ(DecryptFile(d.fs(), encrypted, "\\Out\\" + name, kChinesePassword),
              CryptResult::WriteFailed);  // no such folder
    d.Folder("\\Out\\");
    ASSERT_EQ(DecryptFile(d.fs(), encrypted, "\\Out\\" + name, kChinesePassword), CryptResult::Ok);
    EXPECT_EQ(d.Read("\\Out\\" + name), "content");
    EXPECT_EQ(d.List("\\Out"), QStringList{name});  // no temporary file left
    // A second encryption gets a numbered name.
    EXPECT_EQ(MakeEncryptedTargetPath(d.fs(), plain), "\\Docs\\" + name + "(2).enc");
}

// A refused run, a cancel, a failed read or flush: no file is written or replaced.
TEST(EncryptFile, FailuresAndCancelsLeaveEveryFileAsItWas) {
    TempDevice d;
    d.Make({"\\rom.txt=r", "\\D\\"});
    d.SetRawAttributes("\\rom.txt", Attr::kInRom);
    d.File("\\a.txt", Pattern(200000));
    ASSERT_EQ(EncryptFile(d.fs(), "\\a.txt", "\\a.enc", kPw), CryptResult::Ok);
    d.File("\\a.txt", "old");
    const QStringList before = d.Snapshot();
    EXPECT_EQ(EncryptFile(d.fs(), "\\rom.txt", "\\rom.enc", kPw), CryptResult::RomFile);
    EXPECT_EQ(EncryptFile(d.fs(), "\\gone.txt", "\\gone.enc", kPw), CryptResult::OpenFailed);
    EXPECT_EQ(EncryptFile(d.fs(), "\\D", "\\D.enc", kPw), CryptResult::OpenFailed);
    EXPECT_EQ(EncryptFile(d.fs(), "\\a.txt", "\\x.enc", kPw, "Other Provider"),
              CryptResult::CipherFailed);
    EXPECT_EQ(DecryptFile(d.fs(), "\\gone.enc", "\\gone.txt", kPw), CryptResult::OpenFailed);
    EXPECT_EQ(DecryptFile(d.fs(), "\\a.txt", "\\b.txt", kPw), CryptResult::NotEncrypted);
    EXPECT_EQ(ReadEncryptedFileInfo(d.fs(), "\\a.enc", "PW", nullptr), CryptResult::WrongPassword);
    for (const char* wrong : {"PW", ""})
        EXPECT_EQ(DecryptFile(d.fs(), "\\a.enc", "\\a.txt", wrong), CryptResult::WrongPassword);
    CancelAt cancel(2);
    EXPECT_EQ(DecryptFile(d.fs(), "\\a.enc", "\\a.txt", kPw, &cancel), CryptResult::Cancelled);
    CancelAt cancelLast(4);  // after the last piece, before the target is replaced
    EXPECT_EQ(EncryptFile(d.fs(), "\\a.enc", "\\a.enc.enc", kPw, kEnhanced, &cancelLast),
              CryptResult::Cancelled);
    EXPECT_EQ(d.Snapshot(), before);

    FaultyDeviceFs faulty(d.fs());
    int reads = 0;
    faulty.FailWhen([&](FaultyDeviceFs::Op op, const QString&) {
        return op == FaultyDeviceFs::Op::Read && ++reads == 5;
    });
    EXPECT_EQ(DecryptFile(faulty, "\\a.enc", "\\a.txt", kPw), CryptResult::OpenFailed);
    reads = 0;
    EXPECT_EQ(EncryptFile(faulty, "\\a.enc", "\\a.enc.enc", kPw), CryptResult::OpenFailed);
    // A target whose data may not have reached the medium never replaces the file there.
    faulty.FailWhen(
        [](FaultyDeviceFs::Op op, const QString&) { return op == FaultyDeviceFs::Op::Flush; });
    EXPECT_EQ(DecryptFile(faulty, "\\a.enc", "\\a.txt", kPw), CryptResult::WriteFailed);
    EXPECT_EQ(d.Snapshot(), before);
}

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
