#pragma once

#include <QString>
#include <QStringList>

#include "platform/file_attributes.h"

// Which enumerated entries become rows of the file list. Extensions are compared whole and
// without regard to case: "pl" is not "cpl", and a name without extension matches no list.
class ListFilter {
public:
    bool hideHidden = true;
    bool hideRomFiles = true;
    bool hideSystemExt = true;  // "dll;drv;cpl;htp"

    // The show-only setting: with a filter text other than "*", only files whose extension is
    // in the filter text are listed.
    bool showOnly = false;

    // A list of extensions separated by ";" ("txt;doc", "*.txt;*.doc" alike); "*" means all.
    void SetFilterString(const QString& text);
    const QString& FilterString() const { return filterText_; }
    // Show-only is on and the filter text names extensions.
    bool PatternActive() const { return showOnly && !matchAll_; }

    // The recycle-bin folder's name while listing the folder that holds it, else empty.
    void SetHiddenBinFolder(const QString& name) { hiddenBinFolder_ = name; }

    // True when the entry is to become a row.
    bool PassesFilter(const FindData& record) const {
        return Passes(record.attributes, record.name);
    }
    bool Passes(quint32 attributes, const QString& name) const;

    // The text after the last "." of a name; empty when there is none or the name ends in ".".
    static QStringView ExtensionOf(const QString& name);

private:
    bool InFilter(QStringView extension) const;

    QString filterText_ = QStringLiteral("*");
    QStringList extensions_;  // the filter's tokens without "*." prefixes
    bool matchAll_ = true;
    QString hiddenBinFolder_;
};
