#include "engine/start/Main.h"

#include "engine/start/AppFolders.h"
#include "engine/start/BatchMode.h"
#include "engine/start/CommandLine.h"
#include "engine/start/UsageText.h"

#include <cstdio>

int Main(int argc, char** argv, const WindowHooks& hooks)
{
    SetAppFolders(DefaultAppPath());
    CreateOutputFolders();

    if (argc <= 1) {
        if (hooks.runMainWindow)
            return hooks.runMainWindow(argc, argv);
        std::fprintf(stderr, "CorvaneDisk: this build has no window mode.\n");
        return ExitNotDone;
    }

    std::unique_ptr<Prompter> dialogs;
    if (!ConsoleModeWanted() && hooks.makeDialogPrompter)
        dialogs = hooks.makeDialogPrompter(argc, argv);
    std::unique_ptr<ScopedPrompter> scope;
    if (dialogs)
        scope = std::make_unique<ScopedPrompter>(*dialogs);

    CmdLineOptions opts = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!opts.Valid) {
        ActivePrompter().showUsage(UsageText);
        return ExitUsage;
    }
    return RunBatchRequest(opts);
}
