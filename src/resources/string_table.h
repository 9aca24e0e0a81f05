#pragma once

#include <span>

// The string table: every text the user sees, keyed by its number from ids.h.

struct StringResourceEntry {
    int id;
    const char16_t* text;
};

// The text of string `id`, or nullptr when there is no such string.
const char16_t* StringResource(int id);

// All entries, in ascending id order.
std::span<const StringResourceEntry> StringResourceTable();
