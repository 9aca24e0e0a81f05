#include "recycle/stored_formats.h"

#include <QSet>

bool IsCompressedFormat(const QString& name) {
    static const QSet<QString> types = {
        // video
        "mp4", "m4v", "mov", "avi", "mkv", "webm", "wmv", "asf", "3gp", "3g2", "mpg", "mpeg",
        "flv", "ts", "m2ts",
        // pictures
        "jpg", "jpeg", "png", "gif", "webp", "heic", "heif", "avif", "jxl",
        // sound
        "mp3", "m4a", "aac", "ogg", "oga", "opus", "wma", "flac",
        // archives and packages
        "zip", "nzc", "gz", "tgz", "bz2", "tbz2", "xz", "txz", "zst", "lz", "lzma", "7z", "rar",
        "cab", "jar", "apk", "docx", "xlsx", "pptx", "odt", "ods", "odp", "epub",
        // encrypted
        "enc"};
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || name.size() - dot > 6) return false;
    const qsizetype slash = std::max(name.lastIndexOf(QLatin1Char('/')),
                                     name.lastIndexOf(QLatin1Char('\\')));
    if (dot < slash) return false;
    return types.contains(name.mid(dot + 1).toLower());
}
