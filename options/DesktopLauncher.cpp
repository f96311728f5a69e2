#include "options/DesktopLauncher.h"

#include "engine/text/PathHelpers.h"
#include "gui/ProgramIconImage.h"
#include "options/DesktopFiles.h"
#include "options/ProgramIconFiles.h"
#include "platform/prompter/ErrorBox.h"

std::string WriteDesktopLauncher(const std::string& programPath, const DesktopPlaces& places)
{
    CheckProgramPath(programPath);
    if (places.desktop.empty() || !DirExist(places.desktop))
        throw AppError(ErrPathNotFound,
                       std::string(ErrorDescription(ErrPathNotFound)) + " (desktop folder \"" + places.desktop + "\")");
    std::string path = AddSlash(places.desktop) + DesktopLauncherName + ".desktop";
    std::string entry = std::string("[Desktop Entry]\n"
                                    "Type=Application\n"
                                    "Name=") +
                        DesktopLauncherName + "\nExec=" + ExecKeyValue(DesktopQuoted(programPath)) +
                        "\nIcon=" + ProgramIconName + "\nTerminal=false\n";
    InstallProgramIcon(places.dataHome);
    // Desktops start only launchers that are executable.
    WriteIntegrationFile(path, entry, 0755);
    return path;
}

bool AddDesktopLauncher(Prompter& prompter, const std::string& programPath)
{
    return ShowingFailure(prompter, "cmdAddIconDeskTop_Click",
                          [&] { WriteDesktopLauncher(programPath, UserDesktopPlaces()); });
}
