#pragma once

#include <QList>
#include <QString>

// The "ColumnOrder" settings of the lists: logical column numbers in visual order, each
// followed by ";" ("0;1;2;3;4;" for the unchanged order).

// The order the text holds when it is a whole order of the columns (every column once among
// the first count numbers); otherwise nothing, and the columns stay as they are.
QList<int> ParseColumnOrder(const QString& text, int count);
QString FormatColumnOrder(const QList<int>& order);
