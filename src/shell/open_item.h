#pragma once

#include <QString>
#include <functional>

class DeviceFs;
class ShellServices;
class UserPrompt;
struct FileItem;

// Opens one row of the file list: a folder, or a shortcut to a folder, is entered through
// navigate; any other file, or a shortcut's target file, goes to the shell, and a real
// program runs only after question IDS_CONFIRM_RUN_PROGRAM names it. A type without an application
// gets message IDS_NO_ASSOCIATION, a missing target message IDS_FILE_NOT_FOUND, a start that failed
// message IDS_CANNOT_OPEN_FILE; an entry that vanished since it was listed is silently ignored.
void OpenItem(DeviceFs& fs, ShellServices& shell, UserPrompt& prompt, const QString& currentFolder,
              const FileItem& item, const std::function<void(const QString&)>& navigate);

// The target path of a shortcut file: its command's first piece, taken between double quotes
// when the command starts with one, else up to the first space. False when the file is no
// shortcut or names nothing.
bool GetShortcutTarget(ShellServices& shell, const QString& shortcutPath, QString* target);
