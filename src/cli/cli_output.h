#pragma once

#include <functional>

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include "platform/file_attributes.h"

struct LocalTimeRecord;

// Standard output and error in UTF-8, unbuffered between the two so that their order holds.
void WriteOut(const QString& text);
void WriteErr(const QString& text);
void PrintJson(const QJsonArray& array);
void PrintJson(const QJsonObject& object);

// "YYYY-MM-DDTHH:MM:SS+HH:MM" in local time with its offset from UTC; empty for a zero file
// time.
QString IsoLocalTime(FileTime time);
// The stored local time as it stands, with the offset the local zone has then.
QString IsoLocalTime(const LocalTimeRecord& time);

// The MIME type of a name, by its extension ("inode/directory" for a folder).
QString MimeTypeOf(const QString& name, bool folder);

// Terminal columns a text takes: East Asian wide characters count two.
int DisplayWidth(const QString& text);

// Rows of cells as aligned columns; columns listed in rightAligned are padded on the left.
QString FormatTable(const QList<QStringList>& rows, const QList<int>& rightAligned = {});
// The same written out as it goes, for long tables: row(i) is asked twice, once for the
// column widths and once for the line, so that no row needs to be kept.
void WriteTable(qsizetype count, const std::function<QStringList(qsizetype)>& row,
                const QList<int>& rightAligned = {});
