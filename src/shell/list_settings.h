#pragma once

#include <QString>

class FolderListing;

// The file list's settings that the settings dialog edits.
struct ListSettings {
    QString filterText;
    bool showOnlyMatching = false;
    bool hideRomFiles = true;
    bool hideHiddenFiles = true;
    bool hideSystemExtensions = true;
    bool doubleTapToOpen = false;
    // The size of touch targets (TouchSize); the window's, not the listing's.
    int touchSize = 0;

    static ListSettings From(const FolderListing& listing, int tapAction);
    // Writes them back; true when the list must be refilled: a hiding rule changed, or the
    // filter text (compared without regard to case) while show-only is on. The double tap
    // alone, or the text while show-only is off, keeps the rows.
    bool ApplyTo(FolderListing& listing, int& tapAction) const;
};
