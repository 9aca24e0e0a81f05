#pragma once

class CMainFrame;

// The favourites commands: add the folder shown (32800) and edit the list (32801).
void InstallFavoriteCommands(CMainFrame& frame);
void AddFavorite(CMainFrame& frame);
void EditFavorites(CMainFrame& frame);
