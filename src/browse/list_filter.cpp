#include "browse/list_filter.h"

namespace {

const QLatin1String kSystemExtensions[] = {QLatin1String("dll"), QLatin1String("drv"),
                                           QLatin1String("cpl"), QLatin1String("htp")};

bool IsSystemExtension(QStringView extension) {
    for (QLatin1String system : kSystemExtensions) {
        if (extension.compare(system, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

}  // namespace

void ListFilter::SetFilterString(const QString& text) {
    filterText_ = text;
    extensions_.clear();
    matchAll_ = false;
    for (QStringView token : QStringView(text).split(QLatin1Char(';'))) {
        token = token.trimmed();
        if (token == QLatin1String("*") || token == QLatin1String("*.*")) {
            matchAll_ = true;
            continue;
        }
        if (token.startsWith(QLatin1Char('*'))) token = token.mid(1);
        if (token.startsWith(QLatin1Char('.'))) token = token.mid(1);
        if (!token.isEmpty()) extensions_.append(token.toString());
    }
    // A text that names no extension at all filters nothing rather than hiding every file.
    if (extensions_.isEmpty()) matchAll_ = true;
}

QStringView ListFilter::ExtensionOf(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) return {};
    return QStringView(name).mid(dot + 1);
}

bool ListFilter::InFilter(QStringView extension) const {
    if (extension.isEmpty()) return false;
    for (const QString& listed : extensions_) {
        if (extension.compare(listed, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

bool ListFilter::Passes(quint32 attributes, const QString& name) const {
    const bool folder = IsDirectory(attributes);
    if (folder && !hiddenBinFolder_.isEmpty() &&
        name.compare(hiddenBinFolder_, Qt::CaseInsensitive) == 0) {
        return false;
    }
    if (hideHidden && (attributes & Attr::kHidden)) return false;
    if (hideRomFiles && IsRomFile(attributes)) return false;
    if (folder) return true;
    const QStringView extension = ExtensionOf(name);
    if (hideSystemExt && IsSystemExtension(extension)) return false;
    if (PatternActive() && !InFilter(extension)) return false;
    return true;
}
