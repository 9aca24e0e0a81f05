#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

#include "tools/favorite_entry.h"

// The favourites file format: a 42-byte header ("NF0" and its NUL, a 16-bit record count),
// then per record a name and a folder, each a 16-bit byte length (NUL included) and UTF-16LE.

inline constexpr qint64 kFavoritesHeaderBytes = 42;
// The reader's field buffer: 260 UTF-16 units with the NUL.
inline constexpr int kFavoritesFieldUnits = 260;
// The largest well-formed file: every record at its longest.
inline constexpr qint64 kFavoritesMaxFileBytes =
    kFavoritesHeaderBytes + 0xffffLL * 2 * (2 + kFavoritesFieldUnits * 2);

// True when the text fits a field and reads back the same (no NUL inside).
bool IsStorableFavoriteText(const QString& text);

// The whole file; none when there are more than 65535 entries or a text is not storable.
std::optional<QByteArray> EncodeFavorites(const QList<FavoriteEntry>& entries);

// The entries of a file; none when the magic is wrong or any record is malformed (a length
// that is odd, zero, over the field buffer, past the end of the data, or a missing or early
// NUL). Bytes after the last record are ignored.
std::optional<QList<FavoriteEntry>> DecodeFavorites(const QByteArray& data);
