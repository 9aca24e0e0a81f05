#include "crypt/report_crypt_failure.h"

#include "app/device_error_text.h"
#include "app/load_str.h"
#include "app/message.h"
#include "resources/ids.h"

namespace {

void Report(UserPrompt& prompt, const QString& name, int textId, MessageStyle style,
            DeviceError cause = DeviceError::None) {
    ShowFilledMessage(prompt, textId, WithCause(name + QLatin1Char('\n') + LoadStr(textId), cause),
                      style);
}

}  // namespace

bool ReportCryptFailure(UserPrompt& prompt, CryptResult result, const QString& name,
                        const QString& target, DeviceError cause) {
    switch (result) {
        case CryptResult::Ok:
            return true;
        case CryptResult::Cancelled:
            return false;
        case CryptResult::RomFile:
            ShowMessage(prompt, IDS_CANNOT_ENCRYPT_ROM_FILE, IDS_APP_TITLE, MessageStyle::Exclamation);
            return true;
        case CryptResult::NotEncrypted:
            Report(prompt, name, IDS_NOT_ENCRYPTED_FILE, MessageStyle::Exclamation);
            return true;
        case CryptResult::CipherFailed:
            Report(prompt, name, IDS_CANNOT_ENCRYPT, MessageStyle::Exclamation);
            return true;
        case CryptResult::WrongPassword:
            Report(prompt, name, IDS_WRONG_PASSWORD, MessageStyle::Exclamation);
            return true;
        case CryptResult::WriteFailed:
            Report(prompt, target, IDS_CANNOT_OPEN_FILE, MessageStyle::Stop, cause);
            return false;
        case CryptResult::OpenFailed:
            break;
    }
    Report(prompt, name, IDS_CANNOT_OPEN_FILE, MessageStyle::Exclamation, cause);
    return true;
}
