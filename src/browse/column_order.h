#pragma once

#include <QList>
#include <QString>
#include <optional>

// The "ColumnOrder" setting of the details view: the logical column at each visual place,
// as numbers each followed by ";".

// The order of columnCount columns; none unless the text names each of them exactly once
// (anything else leaves the columns as they are).
std::optional<QList<int>> ParseColumnOrder(const QString& text, int columnCount);
QString FormatColumnOrder(const QList<int>& order);
