#pragma once

#include <QString>

class DeviceFs;
class SettingsStore;

// What a command line named, once handled.
struct CommandLineResult {
    bool handled = false;    // it named an existing file or folder ("CommandFile" written)
    QString path;            // that path
    QString folder;          // the folder to show (the file's own folder for a file)
    bool encrypted = false;  // a file with the extension "enc", to be decrypted at start
};

// Start-up's handling of a command line: one path, in double quotes when it starts with
// one; a host path or file:// URI inside a volume stands for its device path. For a first
// instance the folder becomes "WorkDirectory"; for a running instance only "CommandFile" is
// written and the caller tells that instance to show it. A path that does not exist changes
// nothing.
CommandLineResult HandleCommandLine(DeviceFs& fs, SettingsStore& settings, const QString& text,
                                    bool firstInstance);
