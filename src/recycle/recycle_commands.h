#pragma once

class CommandHost;

// The recycle-bin command (32807): the dialog, then the location, enable flag and purge it
// decided.
void InstallRecycleCommands(CommandHost& frame);
void ShowRecycleBin(CommandHost& frame);
