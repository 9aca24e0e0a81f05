#pragma once

class CommandHost;

// The tool commands of the menus: find files, file dump and system information, each a
// modal dialog over the frame's device.
void InstallToolCommands(CommandHost& frame);
