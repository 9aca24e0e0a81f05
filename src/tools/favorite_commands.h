#pragma once

class CommandHost;

// The favourites commands: add the folder shown (32800) and edit the list (32801).
void InstallFavoriteCommands(CommandHost& frame);
void AddFavorite(CommandHost& frame);
void EditFavorites(CommandHost& frame);
