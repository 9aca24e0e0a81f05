#pragma once

class CMainFrame;

// The recycle-bin command (32807): the dialog, then the location, enable flag and purge it
// decided.
void InstallRecycleCommands(CMainFrame& frame);
void ShowRecycleBin(CMainFrame& frame);
