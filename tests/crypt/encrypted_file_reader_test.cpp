#include <gtest/gtest.h>

#include <optional>

#include "crypt/cipher.h"
#include "crypt/decrypt_file.h"
#include "crypt/encrypted_file_reader.h"
#include "crypt/encrypted_format.h"
#include "crypt_test_files.h"
#include "support/faulty_device_fs.h"
#include "support/temp_device.h"

using namespace crypt_test;

namespace {

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
        EXPECT_EQ(Encipher(kEnhanced, QStringLiteral("pw"), record.data(), record.size()),
                  kCipherOk);
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
    return ReadEncryptedFileInfo(faulty, "\\x.enc", QStringLiteral("pw"), info);
}

}  // namespace

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
    EXPECT_EQ(DecryptFile(d.fs(), "\\D\\x.enc", "\\D\\out.txt", QStringLiteral("pw")),
              CryptResult::NotEncrypted);
    EXPECT_EQ(d.Snapshot(), before);
}

TEST(EncryptedFormat, ExtensionTestIgnoresCaseAndWantsAWholeExtension) {
    EXPECT_TRUE(HasEncryptedExtension("\\a.txt.ENC"));
    for (const char* path : {"\\x.txt", "\\enc", "\\a.encx"})
        EXPECT_FALSE(HasEncryptedExtension(path)) << path;
}
