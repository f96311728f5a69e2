#pragma once
// The shell helpers windows call: a file's properties and the folder
// chooser's special folders and flags. (Opening a file or an address is
// RunShellExecute in platform/shell/Shell.h.)

#include <QMimeType>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class DesktopActions;
class Prompter;
class QWidget;

// True when a file is at path (native bytes), links followed: a dangling
// link counts as gone, nothing could act on it, and a folder is no file, so
// one put where a file was is never taken for it. A path that is not absolute
// (a Windows catalog's "C:/...") names no file here, never one in the
// working folder.
bool IsPresent(const std::string& path);

// False, after telling the user that it no longer exists, when path is not
// present.
bool FileStillThere(Prompter& prompter, const std::string& path);

// The native path an action on a catalog path takes (for a member: its
// archive): the one file that the path is the catalog form of. Nothing when
// no file fits, after telling the user that the path, as written, no longer
// exists (whatever else stands there now is left alone); nothing either,
// after telling the user which files it could be, when several fit: no
// action guesses.
std::optional<std::string> CatalogTarget(Prompter& prompter, std::string_view catalogPath);

// The same for what is offered only for a file that is there (the desktop's
// menu, the viewer): "" without a word when no file fits.
std::optional<std::string> CatalogTargetOrEmpty(Prompter& prompter, std::string_view catalogPath);

// The file name of a native path as it is shown: read as a catalog line
// of those bytes reads (UTF-8 when valid, else Windows-1252).
QString DisplayName(const std::string& path);

// The type of the file at a native path, by its name and, for a regular file
// that can be read, by its first bytes.
QMimeType FileMimeType(const std::string& path);

// Our properties window of file, owned by owner; a file that no longer exists
// is said to be gone. An unexpected failure goes to the common error box on prompter.
void ShowProperties(Prompter& prompter, DesktopActions& desktop, QWidget* owner, const std::string& file);

// The special-folder identifier for an index: 0 below 2, the index itself from
// 2 to 11, index + 4 from 12 on (13 gives 17, the drives).
std::int32_t GetFolderValue(std::int16_t index);

// Where a folder chooser opened on a special folder starts: the desktop for 0,
// the root of every mount for the drives (17), the home folder otherwise.
QString SpecialFolderPath(std::int32_t folderValue);
