#include "platform/prompter/Prompter.h"

#include "platform/prompter/ConsolePrompter.h"

#include <cstdlib>
#include <cstring>

namespace {
Prompter* g_active = nullptr;

Prompter& consolePrompter()
{
    static ConsolePrompter console;
    return console;
}
} // namespace

Prompter& ActivePrompter()
{
    return g_active ? *g_active : consolePrompter();
}

ScopedPrompter::ScopedPrompter(Prompter& p) : previous_(g_active)
{
    g_active = &p;
}

ScopedPrompter::~ScopedPrompter()
{
    g_active = previous_;
}

bool ConsoleModeWanted()
{
    const char* forced = std::getenv("CORVANEDISK_CONSOLE");
    if (forced && std::strcmp(forced, "1") == 0)
        return true;
    auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v && *v;
    };
    return !set("DISPLAY") && !set("WAYLAND_DISPLAY");
}
