#include "browse/column_order.h"

#include <QStringList>
#include <algorithm>

QList<int> ParseColumnOrder(const QString& text, int count) {
    const QStringList pieces = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QList<int> order;
    for (const QString& piece : pieces.mid(0, count)) {
        bool ok = false;
        const int column = piece.trimmed().toInt(&ok);
        if (ok) order.append(column);
    }
    QList<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < count; ++i) {
        if (sorted.size() != count || sorted[i] != i) return {};
    }
    return order;
}

QString FormatColumnOrder(const QList<int>& order) {
    QString text;
    for (int column : order)
        text += QString::number(column) + QLatin1Char(';');
    return text;
}
