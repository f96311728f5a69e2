#pragma once
// What the folder verb and the desktop launcher share: quoting a program path
// for the places that run it, and writing the files.

#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

class Prompter;

// Raises AppError unless path is an absolute path that a desktop file and a
// shell script can carry (UTF-8, no control characters).
void CheckProgramPath(const std::string& path);

// One argument quoted as desktop entries quote: double quotes, a backslash
// before each double quote, backtick, dollar sign and backslash.
std::string DesktopQuoted(std::string_view arg);

// One argument for sh and for GLib's argument parser: single quotes.
std::string ShellArgument(std::string_view arg);

// A command line as the value of an Exec key: backslashes doubled (the key
// file's own escape) and "%" doubled (a literal, not a field code).
std::string ExecKeyValue(std::string_view command);

// Replaces path with content (mode exactly as given), making its missing
// parent folders; raises AppError on failure.
void WriteIntegrationFile(const std::string& path, std::string_view content, mode_t mode);

// Runs write for an options button: an AppError goes to the common error box
// on prompter naming the button's handler. True when write succeeded.
bool ShowingFailure(Prompter& prompter, std::string_view procedure, const std::function<void()>& write);
