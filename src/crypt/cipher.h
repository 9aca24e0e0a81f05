#pragma once

#include <QString>
#include <QtGlobal>

inline constexpr quint32 kCipherOk = 0;
inline constexpr quint32 kCipherFailed = 0x80004005u;  // E_FAIL

// Enciphers a whole buffer in place from the start of the key stream of the password under
// the provider (the document's choice, ChooseCryptoProvider, when the name is empty).
// kCipherOk, or kCipherFailed on any failure.
quint32 Encipher(const QString& provider, const QString& password, char* buffer, qint64 length);
// The reverse, the same key stream.
quint32 Decipher(const QString& provider, const QString& password, char* buffer, qint64 length);
