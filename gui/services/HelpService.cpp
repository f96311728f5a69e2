#include "gui/services/HelpService.h"

#include "platform/prompter/Prompter.h"
#include "platform/shell/Shell.h"
#include "platform/text/Messages.h"

#include <filesystem>

void HelpPages::showHelp(int context)
{
    const std::string page = appPath_ + "help/" + std::to_string(context) + ".html";
    std::error_code ec;
    if (std::filesystem::is_regular_file(page, ec)) {
        RunShellExecute(prompter_, page);
    } else if (!toldNoHelp_) {
        toldNoHelp_ = true;
        prompter_.message(MessageText(MessageId::NoHelp), "CorvaneDisk", MsgIcon::Information);
    }
}
