#pragma once

class CommandHost;

// The encrypt (32810) and decrypt (32811) commands over the files selected in the list.
void InstallCryptCommands(CommandHost& frame);
void EncryptSelectedFiles(CommandHost& frame);
void DecryptSelectedFiles(CommandHost& frame);
