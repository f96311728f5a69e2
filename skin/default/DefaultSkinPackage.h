#pragma once
// The default skin as a package: the 34 pictures and the description, each
// at the archive's top under its bare name, deflated at the strongest level,
// always the same bytes.

#include <string>

class Prompter;
struct AppFolders;

inline constexpr const char* DefaultSkinName = "CorvaneDisk.zip";

// The archive's bytes. Throws std::runtime_error when it cannot be made.
std::string BuildDefaultSkinPackage();

// Writes the package to path atomically, making its folder where missing; an
// existing file stays whole when this fails. False with error saying why.
bool WriteDefaultSkinPackage(const std::string& path, std::string& error);

// The options dialog's command: writes the package into the skin folder and
// empties the work folder. On failure the user is told through prompter, and
// the package that was there is kept.
bool GenerateDefaultSkin(Prompter& prompter, const AppFolders& folders);
