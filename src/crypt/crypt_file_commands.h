#pragma once

class CMainFrame;

// The encrypt (32810) and decrypt (32811) commands over the files selected in the list.
void InstallCryptCommands(CMainFrame& frame);
void EncryptSelectedFiles(CMainFrame& frame);
void DecryptSelectedFiles(CMainFrame& frame);
