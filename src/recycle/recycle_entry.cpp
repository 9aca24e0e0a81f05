#include "recycle/recycle_entry.h"

LocalTimeRecord LocalTimeRecord::FromDateTime(const QDateTime& local) {
    LocalTimeRecord r;
    const QDate d = local.date();
    const QTime t = local.time();
    r.fields = {quint16(d.year()),   quint16(d.month()), quint16(d.dayOfWeek() % 7),
                quint16(d.day()),    quint16(t.hour()),  quint16(t.minute()),
                quint16(t.second()), quint16(t.msec())};
    return r;
}

QDateTime LocalTimeRecord::ToDateTime() const {
    QDate date(fields[0], fields[1], fields[3]);
    QTime time(fields[4], fields[5], fields[6], fields[7]);
    if (!date.isValid() || !time.isValid()) return {};
    return QDateTime(date, time, Qt::LocalTime);
}
