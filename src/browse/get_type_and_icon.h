#pragma once

#include <QString>
#include <optional>

class IconCache;
class ShellServices;

// The type text and image index of the file or volume folder at a device path. A type the
// shell knows gets a new record at the end of the cache, once per name ending (see
// IconCache::TypeKey) when the attributes are given; an unknown one gives string 37 and the
// built-in unknown-file record, adding nothing. attributes, when known, spare the shell a
// look-up.
int GetTypeAndIcon(ShellServices& shell, const QString& path, QString* typeText, IconCache& cache,
                   std::optional<quint32> attributes = std::nullopt);
