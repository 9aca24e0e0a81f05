#pragma once

#include <QStringList>

class CommandHost;

// What copy, cut and delete act on: the rows selected in the file list, in list order, or,
// with the folder tree focused, the current folder inside its parent.
struct SelectedItems {
    bool fromTree = false;
    QString folder;     // the folder that holds the items
    QStringList names;  // their names; empty when nothing is selected

    QStringList Paths() const;
};

SelectedItems GatherSelectedItems(const CommandHost& frame);
