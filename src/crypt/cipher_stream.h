#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

struct evp_cipher_ctx_st;

// One RC4 key stream from a provider and a password. Pieces passed in order come out exactly
// as if the whole buffer had been enciphered at once; RC4 enciphers and deciphers alike.
class CipherStream {
public:
    // Null when the provider is unknown or the cipher cannot be loaded.
    static std::unique_ptr<CipherStream> Create(const QString& provider, const QString& password);
    ~CipherStream();
    CipherStream(const CipherStream&) = delete;
    CipherStream& operator=(const CipherStream&) = delete;

    // Runs the next length bytes of the key stream over data, in place.
    bool Apply(char* data, qint64 length);

private:
    explicit CipherStream(evp_cipher_ctx_st* context) : context_(context) {}
    evp_cipher_ctx_st* context_;
};
