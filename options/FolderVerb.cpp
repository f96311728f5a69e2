#include "options/FolderVerb.h"

#include "gui/ProgramIconImage.h"
#include "options/DesktopFiles.h"
#include "options/ProgramIconFiles.h"

namespace {
std::string kdeServiceMenu(const std::string& program)
{
    return std::string("[Desktop Entry]\n"
                       "Type=Service\n"
                       "MimeType=inode/directory;\n"
                       "Actions=catalog;\n"
                       "X-KDE-Priority=TopLevel\n"
                       "\n"
                       "[Desktop Action catalog]\n"
                       "Name=") +
           FolderVerbName + "\nIcon=" + ProgramIconName + "\nExec=" + ExecKeyValue(DesktopQuoted(program)) + " -d:%f\n";
}

// GNOME Files passes the chosen items as arguments, relative to the folder it
// shows, and runs the script in that folder.
std::string filesScript(const std::string& program)
{
    return "#!/bin/sh\n"
           "# " +
           std::string(FolderVerbName) +
           ": one catalog for each chosen folder.\n"
           "program=" +
           ShellArgument(program) +
           "\n"
           "for folder in \"$@\"; do\n"
           "    case $folder in\n"
           "        /*) ;;\n"
           "        *) folder=$PWD/$folder ;;\n"
           "    esac\n"
           "    if [ -d \"$folder\" ]; then\n"
           "        \"$program\" \"-d:$folder\"\n"
           "    fi\n"
           "done\n";
}

// Nemo puts the folder in place of %F already quoted and splits the line as a
// shell would, without expanding anything.
std::string nemoAction(const std::string& program)
{
    return std::string("[Nemo Action]\n"
                       "Name=") +
           FolderVerbName + "\nIcon-Name=" + ProgramIconName + "\nExec=" + ExecKeyValue(ShellArgument(program)) +
           " -d:%F\n" +
           "Selection=s\n"
           "Extensions=dir;\n";
}
} // namespace

std::vector<std::string> WriteFolderVerb(const std::string& programPath, const DesktopPlaces& places)
{
    CheckProgramPath(programPath);
    const std::string& data = places.dataHome;
    std::vector<std::string> written = {
        data + "/kio/servicemenus/corvanedisk-catalog.desktop",
        data + "/nautilus/scripts/" + FolderVerbName,
        data + "/nemo/actions/corvanedisk-catalog.nemo_action",
    };
    // Plasma runs a user's service menu only when it is executable.
    WriteIntegrationFile(written[0], kdeServiceMenu(programPath), 0755);
    WriteIntegrationFile(written[1], filesScript(programPath), 0755);
    WriteIntegrationFile(written[2], nemoAction(programPath), 0644);
    InstallProgramIcon(data); // the menus' entries show it
    return written;
}

bool RebuildFolderVerb(Prompter& prompter, const std::string& programPath)
{
    return ShowingFailure(prompter, "cmdRebuildShellContextMenu_Click",
                          [&] { WriteFolderVerb(programPath, UserDesktopPlaces()); });
}
