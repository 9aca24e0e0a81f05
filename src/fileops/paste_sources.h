#pragma once

#include <QList>
#include <QString>
#include <optional>

class DeviceFs;
class QMimeData;

// What a paste (or a drop) takes: our own list, or the files other programs offer as URLs.
struct PasteSource {
    QString path;          // a device path, or a host path when outside
    bool outside = false;  // a host file outside every volume: it is copied in
};

struct PasteSources {
    QList<PasteSource> items;
    bool own = false;  // from our own list: whether it is a cut is the program's own mark
    bool cut = false;  // another program's cut (its own marker): the paste moves
};

// The formats other file managers put beside (or instead of) a list of file URLs.
inline constexpr char kGnomeCopiedFiles[] = "x-special/gnome-copied-files";
inline constexpr char kKdeCutSelection[] = "application/x-kde-cutselection";
// Our own list with its folder and names exactly as selected, NUL-separated in UTF-8: the
// private list cannot tell a "+" inside a folder or a name from its separator.
inline constexpr char kExactItemsFormat[] = "application/x-nuvio-items";

QByteArray EncodeExactItems(const QString& folder, const QStringList& names);

// Whether the data holds any of the formats below (paste's enablement: no lookup).
bool OffersPasteSources(const QMimeData& data, const QString& ownFormat);

// The private list first (split as it always was unless the exact items describe the very
// same list), then x-special/gnome-copied-files, then text/uri-list with the cut marker.
// File URLs that lie inside a volume become device paths. None when nothing usable is there.
std::optional<PasteSources> ReadPasteSources(const QMimeData& data, const QString& ownFormat,
                                             DeviceFs& fs);
