#pragma once

// Outcome of an encryption or decryption; each failure has its own message in the commands.
enum class CryptResult {
    Ok,
    RomFile,        // the source lies in ROM (message IDS_CANNOT_ENCRYPT_ROM_FILE)
    OpenFailed,     // the source cannot be opened or read (message IDS_CANNOT_OPEN_FILE)
    NotEncrypted,   // not an encrypted file, or a malformed one (message IDS_NOT_ENCRYPTED_FILE)
    CipherFailed,   // no cipher for the provider (message IDS_CANNOT_ENCRYPT)
    WrongPassword,  // the deciphered record does not check out (message IDS_WRONG_PASSWORD)
    WriteFailed,    // the target cannot be written or put in place (message IDS_CANNOT_OPEN_FILE,
                    // ends the run)
    Cancelled,      // stopped by the user; nothing was changed
};
