#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <optional>

#include "crypt/cipher.h"
#include "crypt/cipher_stream.h"
#include "crypt/crypto_provider.h"
#include "crypt/decrypt_file.h"
#include "crypt/encrypt_file.h"
#include "crypt/encrypted_file_reader.h"
#include "crypt/encrypted_format.h"
#include "support/faulty_device_fs.h"
#include "support/scripted_progress.h"
#include "support/temp_device.h"
#include "support/utf16_bytes.h"

namespace {

// Vectors computed outside the code (Python hashlib for MD5, `openssl enc -rc4` with the
// legacy provider for RC4) and helpers that lay out encrypted files by hand.
const QString kEnhanced = QStringLiteral("Microsoft Enhanced Cryptographic Provider v1.0");
const QString kBase = QStringLiteral("Microsoft Base Cryptographic Provider v1.0");
const QString kChinesePassword = QString::fromUtf16(u"\u5bc6\u78bc");

// MD5 of "pw" as UTF-16LE.
const QByteArray kPwMd5 = QByteArray::fromHex("d29e9e1676c2b9d01b1e10adce084822");

// Plain record of "a.txt" holding "hello", and its body under the Enhanced key of "pw".
const QByteArray kRecordA = QByteArray::fromHex(
    "4e4500000a0000000000000000000000000000000000"
    "61002e00740078007400"
    "68656c6c6f");
const QByteArray kBodyA = QByteArray::fromHex(
    "5c72cc13a916368ee7ef96c5753e425df102dd55b7e380c12a0297b5b85afc69092aba9473");

// Plain record of "b.bin" holding the bytes 0..15, and its body under the Base key of the
// Chinese password.
const QByteArray kRecordB = QByteArray::fromHex(
    "4e4500000a0000000000000000000000000000000000"
    "62002e00620069006e00"
    "000102030405060708090a0b0c0d0e0f");
const QByteArray kBodyB = QByteArray::fromHex(
    "b043e9a70e3f671c836ecb925f5443baffcbf300227467f4340b0f6072bd55f5"
    "5a70bad01604075788471df039acc3fb");

// "NE", check word, L, provider name.
QByteArray FileHeader(const QString& provider, quint16 checkWord = 0) {
    const QByteArray name = Utf16(provider);
    return QByteArray("NE", 2) + Le16(checkWord) + Le16(quint16(name.size())) + name;
}

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

// An encrypted file laid out by hand, each field open to tampering.
struct Layout {
    QString provider = kEnhanced;
    std::optional<quint16> providerBytes;
    quint16 fileCheck = 0;
    quint16 recordCheck = 0;
    std::optional<quint16> nameBytes;
    QByteArray name = Utf16(QStringLiteral("a.txt"));
    QByteArray content = "hi";
    qint64 recordLength = -1;  // cut the enciphered record to this length

    QByteArray Build() const {
        const QByteArray providerName = Utf16(provider);
        const quint16 length = providerBytes.value_or(quint16(providerName.size()));
        QByteArray file = QByteArray("NE", 2) + Le16(fileCheck) + Le16(length) + providerName;
        QByteArray record = QByteArray("NE", 2) + Le16(recordCheck) +
                            Le16(nameBytes.value_or(quint16(name.size()))) + QByteArray(16, '\0') +
                            name + content;
        if (recordLength >= 0) record.truncate(recordLength);
        // Always the Enhanced key, so that a tampered provider name is the only fault.
        EXPECT_EQ(Encipher(kEnhanced, kPw, record.data(), record.size()), kCipherOk);
        return file + record;
    }
};

// Reads through a device whose reads fail after the given number.
CryptResult ReadLayout(const QByteArray& bytes, EncryptedFileInfo* info = nullptr,
                       int readsAllowed = 1000) {
    TempDevice d;
    d.File("\\x.enc", bytes);
    FaultyDeviceFs faulty(d.fs());
    int reads = 0;
    faulty.FailWhen([&](FaultyDeviceFs::Op op, const QString&) {
        return op == FaultyDeviceFs::Op::Read && ++reads > readsAllowed;
    });
    return ReadEncryptedFileInfo(faulty, "\\x.enc", kPw, info);
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
    ASSERT_EQ(Encipher(QString(), kPw, c.data(), c.size()), kCipherOk);
    EXPECT_EQ(c, kBodyA);

    // Provider names ignore case; an unknown one fails and leaves the buffer.
    EXPECT_EQ(DeriveCipherKey(kEnhanced.toUpper(), kPw), kPwMd5);
    EXPECT_FALSE(DeriveCipherKey(QString(), kPw));
    ASSERT_TRUE(IsCipherAvailable());
    EXPECT_EQ(ChooseCryptoProvider(), kEnhanced);
    QByteArray a = kRecordA;
    EXPECT_EQ(Encipher(QStringLiteral("Nope"), kPw, a.data(), a.size()), kCipherFailed);
    EXPECT_EQ(a, kRecordA);
    EXPECT_FALSE(CipherStream::Create(QStringLiteral("Nope"), kPw));
}

// A well-formed file is read; one row per tampered field: the reader refuses the file from its
// headers alone (header, provider, record header: three reads), never reading a name or
// anything past the end.
TEST(EncryptedFileReader, RefusesMalformedLengthsWithoutOverrunning) {
    Layout valid;  // the check word may be anything that agrees inside and outside the cipher
    valid.fileCheck = valid.recordCheck = 0x1234;
    EncryptedFileInfo info;
    ASSERT_EQ(ReadLayout(valid.Build(), &info), CryptResult::Ok);
    EXPECT_EQ(info.storedName, "a.txt");
    EXPECT_EQ(info.contentSize, 2u);
    valid.name = Utf16(QString(259, QLatin1Char('n')));  // the longest name
    EXPECT_EQ(ReadLayout(valid.Build()), CryptResult::Ok);

    const QByteArray good = Layout().Build();
    for (const QByteArray& bytes : {QByteArray(), QByteArray("NE\0", 3), "XE" + good.mid(2),
                                    "nE" + good.mid(2), good.left(6 + 92 + 10)})
        EXPECT_EQ(ReadLayout(bytes), CryptResult::NotEncrypted) << bytes.toHex().toStdString();

    const struct Row {
        const char* what;
        void (*tamper)(Layout&);
        CryptResult result;
    } rows[] = {
        {"odd provider length", [](Layout& l) { l.providerBytes = 91; }, CryptResult::NotEncrypted},
        {"provider past the end", [](Layout& l) { l.providerBytes = 0xfffe; },
         CryptResult::NotEncrypted},
        {"short record", [](Layout& l) { l.recordLength = 21; }, CryptResult::NotEncrypted},
        // 10 name bytes and 2 content bytes remain.
        {"name past the end", [](Layout& l) { l.nameBytes = 14; }, CryptResult::NotEncrypted},
        {"odd name length", [](Layout& l) { l.nameBytes = 9; }, CryptResult::NotEncrypted},
        {"name too long", [](Layout& l) { l.name = Utf16(QString(260, QLatin1Char('n'))); },
         CryptResult::NotEncrypted},
        {"check words differ", [](Layout& l) { l.recordCheck = 1; }, CryptResult::WrongPassword},
        // A provider that cannot be acquired fails like the cipher itself.
        {"no provider", [](Layout& l) { l.provider.clear(); }, CryptResult::CipherFailed},
        {"unknown provider", [](Layout& l) { l.provider = QStringLiteral("Contoso Strong"); },
         CryptResult::CipherFailed},
    };
    for (const Row& row : rows) {
        Layout layout;
        row.tamper(layout);
        EXPECT_EQ(ReadLayout(layout.Build(), nullptr, 3), row.result) << row.what;
    }
}

TEST(EncryptedFileReader, RefusesStoredNamesThatAreNotPlainFileNames) {
    const QString bad[] = {
        "",    ".",  "..", "..\\..\\x", "a\\b", "a/b", "/etc/passwd",
        "C:x", "a*", "a?", "a\"b",      "a|b",  "a<b", QString::fromUtf16(u"a\0b", 3)};
    for (const QString& name : bad) {
        Layout layout;
        layout.name = Utf16(name);
        EXPECT_EQ(ReadLayout(layout.Build()), CryptResult::NotEncrypted) << name;
    }

    // Decrypting such a file writes nothing anywhere.
    TempDevice d;
    Layout escape;
    escape.name = Utf16(QStringLiteral("..\\a.txt"));
    d.File("\\D\\x.enc", escape.Build());
    const QStringList before = d.Snapshot();
    EXPECT_EQ(DecryptFile(d.fs(), "\\D\\x.enc", "\\D\\out.txt", kPw), CryptResult::NotEncrypted);
    EXPECT_EQ(d.Snapshot(), before);
}

TEST(EncryptedFormat, ExtensionTestIgnoresCaseAndWantsAWholeExtension) {
    EXPECT_TRUE(HasEncryptedExtension("\\a.txt.ENC"));
    for (const char* path : {"\\x.txt", "\\enc", "\\a.encx"})
        EXPECT_FALSE(HasEncryptedExtension(path)) << path;
}
