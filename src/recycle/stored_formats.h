#pragma once

#include <QString>

// Whether a file name's type is one whose data is compressed already (video, pictures, sound,
// archives, encrypted files): such files are stored in an archive without a deflate trial.
bool IsCompressedFormat(const QString& name);
