#pragma once

#include <QString>

// The table of every setting with its default, in one place.
struct SettingDefault {
    int section;
    int key;
    bool isText;
    int number;
    const char16_t* text;
};

const SettingDefault* FindSettingDefault(int section, int key);
