#pragma once

class CommandHost;

// Plugs copy, cut, paste, paste as shortcut and delete into the frame's command table.
void InstallFileCommands(CommandHost& frame);
