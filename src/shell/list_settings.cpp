#include "shell/list_settings.h"

#include "browse/folder_listing.h"

ListSettings ListSettings::From(const FolderListing& listing, int tapAction) {
    const ListFilter& filter = listing.filter();
    ListSettings settings;
    settings.filterText = filter.FilterString();
    settings.showOnlyMatching = filter.showOnly;
    settings.hideRomFiles = filter.hideRomFiles;
    settings.hideHiddenFiles = filter.hideHidden;
    settings.hideSystemExtensions = filter.hideSystemExt;
    settings.doubleTapToOpen = tapAction != 0;
    return settings;
}

bool ListSettings::ApplyTo(FolderListing& listing, int& tapAction) const {
    const ListSettings before = From(listing, tapAction);
    ListFilter& filter = listing.filter();
    tapAction = doubleTapToOpen ? 1 : 0;
    filter.showOnly = showOnlyMatching;
    listing.SetFilterString(filterText);
    filter.hideRomFiles = hideRomFiles;
    filter.hideHidden = hideHiddenFiles;
    filter.hideSystemExt = hideSystemExtensions;
    const bool textChanged = before.filterText.compare(filterText, Qt::CaseInsensitive) != 0;
    return before.showOnlyMatching != showOnlyMatching || before.hideRomFiles != hideRomFiles ||
           before.hideHiddenFiles != hideHiddenFiles ||
           before.hideSystemExtensions != hideSystemExtensions || (textChanged && showOnlyMatching);
}
