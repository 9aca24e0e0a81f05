#include "browse/format.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/file_time.h"

namespace {

// Puts a "," before every group of three digits counted from the right.
QString GroupDigits(const QString& digits) {
    QString out;
    out.reserve(digits.size() + digits.size() / 3);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += QLatin1Char(',');
        out += digits[i];
    }
    return out;
}

}  // namespace

QString TimeFormatWithoutSeconds(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) quoted = !quoted;
        // The day period "B" of newer locale data is printed literally by this Qt
        // ("B21:05"); "AP" gives the same words ("下午9:05").
        if (!quoted && c == QLatin1Char('B')) {
            out += QStringLiteral("AP");
            continue;
        }
        if (quoted || c != QLatin1Char('s')) {
            out += c;
            continue;
        }
        while (i + 1 < format.size() && format[i + 1] == QLatin1Char('s'))
            ++i;
        // Drop the ":" or "." that led into the seconds.
        while (!out.isEmpty() && !out.back().isLetter() && out.back() != QLatin1Char('\'') &&
               !out.back().isSpace()) {
            out.chop(1);
        }
    }
    return out;
}

QString FormatNumber(qint64 n) {
    // Through the unsigned magnitude, so that the smallest value has one too.
    const quint64 magnitude = n < 0 ? quint64(0) - quint64(n) : quint64(n);
    const QString grouped = GroupDigits(QString::number(magnitude));
    return n < 0 ? QLatin1Char('-') + grouped : grouped;
}

QString FormatDecimal(double x) {
    if (!std::isfinite(x)) return QString::number(x);
    const double y = std::fabs(x) + 0.005;
    const double whole = std::floor(y);
    const double cents = std::clamp(std::floor(y * 100) - whole * 100, 0.0, 99.0);
    QString text = GroupDigits(QString::number(whole, 'f', 0)) + QLatin1Char('.') +
                   QStringLiteral("%1").arg(int(cents), 2, 10, QLatin1Char('0'));
    // A value that rounds to zero reads 0.00, not -0.00.
    if (x < 0 && (whole > 0 || cents > 0)) text.prepend(QLatin1Char('-'));
    return text;
}

QString FormatSizeText(quint64 size) {
    if (size < 1024) return FormatNumber(qint64(size)) + QLatin1Char('B');
    return FormatNumber(qint64(size >> 10)) + QLatin1Char('K');
}

QString FormatDateText(FileTime time, const QLocale& locale, bool withTime) {
    // Past the signed range no calendar time exists, as on the device.
    if (time > quint64(std::numeric_limits<qint64>::max())) return QString();
    // The files of a folder were mostly written within a few minutes, and every conversion
    // to local time reads the zone file again: the texts are kept by minute, zone and
    // locale. (Before 1970 zones had offsets in seconds, which split a minute.)
    struct Memo {
        quint64 minute = ~0ull;
        QLocale locale;
        QByteArray zone;
        QString text;  // date, a space, time
        qsizetype dateLength = 0;
    };
    static thread_local std::array<Memo, 256> memo;
    constexpr quint64 kMinute = 600000000;  // in 100 ns units
    constexpr quint64 k1970 = 116444736000000000;
    const quint64 minute = time / kMinute;
    const char* zone = std::getenv("TZ");
    Memo& kept = memo[minute % memo.size()];
    if (time >= k1970 && kept.minute == minute && kept.locale == locale &&
        kept.zone == (zone ? zone : "")) {
        return withTime ? kept.text : kept.text.left(kept.dateLength);
    }
    const QDateTime local = DateTimeFromFileTime(time).toLocalTime();
    if (!local.isValid()) return QString();
    const QString date = locale.toString(local.date(), QLocale::ShortFormat);
    const QString text =
        date + QLatin1Char(' ') + locale.toString(local.time(), TimeFormatWithoutSeconds(locale));
    if (time >= k1970) kept = {minute, locale, QByteArray(zone ? zone : ""), text, date.size()};
    return withTime ? text : date;
}

QString FormatAttrText(quint32 bits) {
    QString text;
    if (bits & Attr::kArchive) text += QLatin1Char('A');
    if (bits & Attr::kHidden) text += QLatin1Char('H');
    if (bits & Attr::kReadOnly) text += QLatin1Char('R');
    if (bits & Attr::kSystem) text += QLatin1Char('S');
    if (IsRomFile(bits)) text += QLatin1Char('O');
    return text;
}
