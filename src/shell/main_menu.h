#pragma once

#include <span>

// The menu bar's three drop-down menus as a template: popups nest until their End entry.
struct MenuTemplateEntry {
    enum Kind { Popup, Item, Separator, End };
    Kind kind;
    int id;                // command of an item; string id of a popup's title, or 0
    const char* text;  // the entry's text in the context "MainMenu" (a popup without a
                       // title string has one here)
};

std::span<const MenuTemplateEntry> MainMenuTemplate();

// The five tool buttons of the menu bar, in bar order, and their tooltip strings.
struct ToolButtonTemplate {
    int command;
    int tooltipId;
    const char* iconName;
};

std::span<const ToolButtonTemplate> MainToolButtons();
