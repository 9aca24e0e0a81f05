#pragma once

class CMainFrame;

// Plugs copy, cut, paste, paste as shortcut and delete into the frame's command table.
void InstallFileCommands(CMainFrame& frame);
