#include "app/load_str.h"

#include "resources/string_table.h"

QString LoadStr(int id) {
    const char16_t* text = StringResource(id);
    return text ? QString::fromUtf16(text) : QString();
}
