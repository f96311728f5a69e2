#pragma once
// The shell helpers windows call: a file's properties and the folder
// chooser's special folders and flags. (Opening a file or an address is
// RunShellExecute in platform/shell/Shell.h.)

#include <QString>

#include <cstdint>

class DesktopActions;
class Prompter;
class QWidget;

// False, after telling the user that it no longer exists, when nothing is at
// path (a dangling link counts as gone: nothing could act on it). A relative
// path (a Windows catalog's "C:/...") names no file here: it is gone too,
// never looked for in the working folder.
bool FileStillThere(Prompter& prompter, const QString& path);

// Our properties window of file, owned by owner; a file that no longer exists
// is said to be gone. An unexpected failure goes to the common error box.
void ShowProperties(DesktopActions& desktop, QWidget* owner, const QString& file);

// The special-folder identifier for an index: 0 below 2, the index itself from
// 2 to 11, index + 4 from 12 on (13 gives 17, the drives).
std::int32_t GetFolderValue(std::int16_t index);

// The folder chooser's flags: always 1, file-system folders only.
std::int32_t GetReturnType();

// Where a folder chooser opened on a special folder starts: the desktop for 0,
// the root of every mount for the drives (17), the home folder otherwise.
QString SpecialFolderPath(std::int32_t folderValue);
