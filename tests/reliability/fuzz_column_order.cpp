// The "ColumnOrder" setting on any text: only a whole order of the columns is taken.
#include <QString>
#include <algorithm>
#include <cstdint>

#include "browse/column_order.h"
#include "browse/file_list_model.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const int columns = FileListModel::kColumnCount;
    const std::optional<QList<int>> order = ParseColumnOrder(text, columns);
    if (!order) return 0;
    QList<int> sorted = *order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < columns; ++i)
        FUZZ_CHECK(sorted.value(i, -1) == i);
    FUZZ_CHECK(sorted.size() == columns);
    FUZZ_CHECK(ParseColumnOrder(FormatColumnOrder(*order), columns) == order);
    return 0;
}
