#pragma once

// Outcome of an encryption or decryption; each failure has its own message in the commands.
enum class CryptResult {
    Ok,
    RomFile,        // the source lies in ROM (message 127)
    OpenFailed,     // the source cannot be opened or read (message 131)
    NotEncrypted,   // not an encrypted file, or a malformed one (message 126)
    CipherFailed,   // no cipher for the provider (message 123)
    WrongPassword,  // the deciphered record does not check out (message 132)
    WriteFailed,    // the target cannot be written or put in place (message 131, ends the run)
    Cancelled,      // stopped by the user; nothing was changed
};
