#include "platform/device_path.h"

#include "platform/device_fs.h"

bool IsValidDeviceName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    for (QChar c : name) {
        ushort u = c.unicode();
        if (u < 0x20) return false;
        switch (u) {
            case '\\':
            case '/':
            case ':':
            case '*':
            case '?':
            case '"':
            case '<':
            case '>':
            case '|':
                return false;
            default:
                break;
        }
    }
    return true;
}

bool SplitDevicePath(const QString& path, QStringList* components) {
    components->clear();
    if (path.isEmpty() || path.size() > kMaxPathUnits || path.at(0) != QLatin1Char('\\')) {
        return false;
    }
    int end = path.size();
    if (end > 1 && path.at(end - 1) == QLatin1Char('\\')) --end;
    int start = 1;
    while (start < end) {
        int next = path.indexOf(QLatin1Char('\\'), start);
        if (next < 0 || next > end) next = end;
        QString name = path.mid(start, next - start);
        if (!IsValidDeviceName(name)) return false;
        components->append(name);
        start = next + 1;
    }
    return true;
}

bool HasWildcards(const QString& name) {
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

bool MatchPattern(const QString& pattern, const QString& name) {
    if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*")) return true;
    // Iterative glob with one backtrack point: linear in practice, no recursion.
    qsizetype p = 0, n = 0, starP = -1, starN = 0;
    const qsizetype pn = pattern.size(), nn = name.size();
    while (n < nn) {
        if (p < pn && pattern.at(p) == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (p < pn && (pattern.at(p) == QLatin1Char('?') ||
                              pattern.at(p).toCaseFolded() == name.at(n).toCaseFolded())) {
            ++p;
            ++n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pn && pattern.at(p) == QLatin1Char('*'))
        ++p;
    return p == pn;
}

bool IsSameOrInside(const QString& path, const QString& folder) {
    if (folder == QLatin1String("\\")) return path.startsWith(QLatin1Char('\\'));
    if (!path.startsWith(folder, Qt::CaseInsensitive)) return false;
    return path.size() == folder.size() || path.at(folder.size()) == QLatin1Char('\\');
}
