#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include "support/utf16_bytes.h"

// Vectors computed outside the code (Python hashlib for MD5, `openssl enc -rc4` with the
// legacy provider for RC4) and helpers that lay out encrypted files by hand.
namespace crypt_test {

inline const QString kEnhanced = QStringLiteral("Microsoft Enhanced Cryptographic Provider v1.0");
inline const QString kBase = QStringLiteral("Microsoft Base Cryptographic Provider v1.0");
inline const QString kChinesePassword = QString::fromUtf16(u"\u5bc6\u78bc");

// MD5 of "pw" as UTF-16LE.
inline const QByteArray kPwMd5 = QByteArray::fromHex("d29e9e1676c2b9d01b1e10adce084822");

// Plain record of "a.txt" holding "hello", and its body under the Enhanced key of "pw".
inline const QByteArray kRecordA = QByteArray::fromHex(
    "4e4500000a0000000000000000000000000000000000"
    "61002e00740078007400"
    "68656c6c6f");
inline const QByteArray kBodyA = QByteArray::fromHex(
    "5c72cc13a916368ee7ef96c5753e425df102dd55b7e380c12a0297b5b85afc69092aba9473");

// Plain record of "b.bin" holding the bytes 0..15, and its body under the Base key of the
// Chinese password.
inline const QByteArray kRecordB = QByteArray::fromHex(
    "4e4500000a0000000000000000000000000000000000"
    "62002e00620069006e00"
    "000102030405060708090a0b0c0d0e0f");
inline const QByteArray kBodyB = QByteArray::fromHex(
    "b043e9a70e3f671c836ecb925f5443baffcbf300227467f4340b0f6072bd55f5"
    "5a70bad01604075788471df039acc3fb");

// "NE", check word, L, provider name.
inline QByteArray FileHeader(const QString& provider, quint16 checkWord = 0) {
    const QByteArray name = Utf16(provider);
    return QByteArray("NE", 2) + Le16(checkWord) + Le16(quint16(name.size())) + name;
}

}  // namespace crypt_test
