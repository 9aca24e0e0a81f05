#pragma once

#include <QString>
#include <QStringList>

// Syntax of device paths: "\" alone is the root, "\" the only separator, at most 259 units.

// A name that can stand in a device folder.
bool IsValidDeviceName(const QString& name);

// Splits an absolute device path into its components (empty for the root). One trailing
// separator is tolerated. False for a relative, over-long or otherwise refused path.
bool SplitDevicePath(const QString& path, QStringList* components);

bool HasWildcards(const QString& name);

// Matches a name against a pattern of * and ? without regard to case; "*.*" matches every name.
bool MatchPattern(const QString& pattern, const QString& name);

// True when path names folder itself or lies below it (case-insensitive).
bool IsSameOrInside(const QString& path, const QString& folder);
