#include "app/device_error_text.h"

#include "app/load_str.h"
#include "resources/ids.h"

QString DeviceErrorText(DeviceError error) {
    switch (error) {
        case DeviceError::None:
            break;
        case DeviceError::NotFound:
            return LoadStr(IDS_CAUSE_NOT_FOUND);
        case DeviceError::Exists:
            return LoadStr(IDS_CAUSE_EXISTS);
        case DeviceError::InvalidPath:
            return LoadStr(IDS_CAUSE_INVALID_PATH);
        case DeviceError::AccessDenied:
            return LoadStr(IDS_CAUSE_ACCESS_DENIED);
        case DeviceError::WriteProtected:
            return LoadStr(IDS_CAUSE_WRITE_PROTECTED);
        case DeviceError::NotEmpty:
            return LoadStr(IDS_CAUSE_NOT_EMPTY);
        case DeviceError::DiskFull:
            return LoadStr(IDS_CAUSE_DISK_FULL);
        case DeviceError::Io:
            return LoadStr(IDS_CAUSE_IO);
        case DeviceError::Unsupported:
            return LoadStr(IDS_CAUSE_UNSUPPORTED);
    }
    return QString();
}

QString WithCause(const QString& text, DeviceError error) {
    const QString cause = DeviceErrorText(error);
    return cause.isEmpty() ? text : text + QLatin1Char('\n') + cause;
}
