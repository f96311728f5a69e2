#include "platform/shell/Shell.h"

#include "platform/prompter/ErrorBox.h"
#include "platform/shell/XdgOpenShell.h"

namespace {
Shell* g_active = nullptr;
}

Shell& ActiveShell()
{
    static XdgOpenShell xdgOpen;
    return g_active ? *g_active : xdgOpen;
}

ScopedShell::ScopedShell(Shell& shell) : previous_(g_active)
{
    g_active = &shell;
}

ScopedShell::~ScopedShell()
{
    g_active = previous_;
}

void RunShellExecute(Prompter& prompter, const std::string& target)
{
    try {
        ActiveShell().open(target);
    } catch (const std::exception& e) {
        ShowErrorBox(prompter, e, "modShell32", "RunShellExecute");
    }
}
