#pragma once

// The update rules of the command table: whether a command is enabled and checked, decided
// from the facts of the moment.

#include "browse/list_modes.h"

struct CommandFacts {
    enum class Focus { Other, Tree, List };
    Focus focus = Focus::Other;
    int selectedCount = 0;  // selected rows of the file list
    int itemCount = 0;      // rows of the file list
    bool firstSelectedIsFile = false;
    bool rootSelected = false;    // the tree's top item is selected
    bool clipboardOffer = false;  // the clipboard holds our own list or file URLs
    bool cutMark = false;         // that content comes from a cut
    bool atRoot = false;          // the current folder is "\"
    ViewMode listMode = ViewMode::Details;
    int sortMethod = 0;
    bool addressBarShown = true;
    bool columnHeaderShown = true;
    // The platform's transfer services (a missing one disables its commands).
    bool mailService = true;
    bool linkSendService = true;
    bool linkReceiveService = true;
};

struct CommandUpdate {
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
};

CommandUpdate UpdateRule(int id, const CommandFacts& facts);
