#include "browse/column_order.h"

#include <algorithm>

std::optional<QList<int>> ParseColumnOrder(const QString& text, int columnCount) {
    const QStringList pieces = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QList<int> order;
    for (const QString& piece : pieces.mid(0, columnCount)) {
        bool ok = false;
        const int column = piece.trimmed().toInt(&ok);
        if (ok) order.append(column);
    }
    QList<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    if (sorted.size() != columnCount) return std::nullopt;
    for (int i = 0; i < columnCount; ++i) {
        if (sorted[i] != i) return std::nullopt;
    }
    return order;
}

QString FormatColumnOrder(const QList<int>& order) {
    QString text;
    for (int column : order)
        text += QString::number(column) + QLatin1Char(';');
    return text;
}
