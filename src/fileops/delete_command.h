#pragma once

class CommandHost;

// The delete command: the rows selected in the file list, or with the tree focused the
// current folder, go into the recycle bin (or for good) after their questions; the list and
// the tree are brought up to date.
void RunDeleteCommand(CommandHost& frame);
