#include "cli/cli_output.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QMimeDatabase>
#include <algorithm>
#include <cstdio>

#include "platform/file_time.h"
#include "recycle/recycle_entry.h"

namespace {

void Write(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

void WriteOut(const QString& text) {
    Write(stdout, text);
}

void WriteErr(const QString& text) {
    Write(stderr, text);
}

void PrintJson(const QJsonArray& array) {
    WriteOut(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
}

void PrintJson(const QJsonObject& object) {
    WriteOut(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)));
}

namespace {

// "+08:00", the local time zone's offset at that moment.
QString UtcOffsetText(const QDateTime& local) {
    const int offset = local.offsetFromUtc();
    const int minutes = qAbs(offset) / 60;
    return QString::asprintf("%c%02d:%02d", offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
}

}  // namespace

QString IsoLocalTime(FileTime time) {
    if (time == 0) return QString();
    const QDateTime local = DateTimeFromFileTime(time).toLocalTime();
    return local.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) + UtcOffsetText(local);
}

QString IsoLocalTime(const LocalTimeRecord& time) {
    const auto& f = time.fields;
    QString text = QString::asprintf("%04u-%02u-%02uT%02u:%02u:%02u", unsigned(f[0]),
                                     unsigned(f[1]), unsigned(f[3]), unsigned(f[4]),
                                     unsigned(f[5]), unsigned(f[6]));
    // The record keeps no zone: the offset the local zone has at that time.
    const QDateTime local = time.ToDateTime();
    if (local.isValid()) text += UtcOffsetText(local);
    return text;
}

QString MimeTypeOf(const QString& name, bool folder) {
    if (folder) return QStringLiteral("inode/directory");
    static const QMimeDatabase database;
    return database.mimeTypeForFile(name, QMimeDatabase::MatchExtension).name();
}

int DisplayWidth(const QString& text) {
    int width = 0;
    const char16_t* data = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        char32_t c = data[i];
        if (c < 0x300) {  // the common case, without decoding
            width += c >= 0x20 ? 1 : 0;
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(data[i + 1]))
            c = QChar::surrogateToUcs4(char16_t(c), data[++i]);
        if (c <= 0x36F || c == 0x200B) continue;
        width += IsWide(c) ? 2 : 1;
    }
    return width;
}

namespace {

QString TableLine(const QStringList& row, const QList<int>& widths,
                  const QList<int>& rightAligned) {
    QString line;
    for (int i = 0; i < row.size(); ++i) {
        const int padding = widths[i] - DisplayWidth(row[i]);
        if (i > 0) line += QStringLiteral("  ");
        const bool last = i == row.size() - 1;
        if (rightAligned.contains(i)) {
            line += QString(padding, QLatin1Char(' ')) + row[i];
        } else {
            line += row[i];
            if (!last) line += QString(padding, QLatin1Char(' '));
        }
    }
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return line + QLatin1Char('\n');
}

void Widen(QList<int>& widths, const QStringList& row) {
    for (int i = 0; i < row.size(); ++i) {
        if (widths.size() <= i) widths.append(0);
        widths[i] = std::max(widths[i], DisplayWidth(row[i]));
    }
}

}  // namespace

QString FormatTable(const QList<QStringList>& rows, const QList<int>& rightAligned) {
    QList<int> widths;
    for (const QStringList& row : rows)
        Widen(widths, row);
    QString out;
    for (const QStringList& row : rows)
        out += TableLine(row, widths, rightAligned);
    return out;
}

void WriteTable(qsizetype count, const std::function<QStringList(qsizetype)>& row,
                const QList<int>& rightAligned) {
    QList<int> widths;
    for (qsizetype i = 0; i < count; ++i)
        Widen(widths, row(i));
    QString out;
    for (qsizetype i = 0; i < count; ++i) {
        out += TableLine(row(i), widths, rightAligned);
        if (out.size() >= 32768) {
            WriteOut(out);
            out.clear();
        }
    }
    if (!out.isEmpty()) WriteOut(out);
}
