#pragma once

#include <QString>

// One favourite folder: the name shown in the menu and the folder it leads to.
struct FavoriteEntry {
    QString name;
    QString folder;

    bool operator==(const FavoriteEntry&) const = default;
};
