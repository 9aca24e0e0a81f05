#include "app/load_str.h"

#include "app/interface_language.h"
#include "resources/string_table.h"

QString LoadStr(int id) {
    const char16_t* text = StringResource(id);
    return text ? TranslateTableText(text) : QString();
}
