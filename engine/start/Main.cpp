#include "engine/start/Main.h"

#include "engine/start/AppFolders.h"
#include "engine/start/BatchMode.h"
#include "engine/start/CommandLine.h"
#include "engine/start/UsageText.h"
#include "platform/fs/AtomicFile.h"

#include <csignal>
#include <cstdio>

int Main(int argc, char** argv, const WindowHooks& hooks)
{
    // Past a file-size limit a write then fails with EFBIG and is reported
    // like any failed write, instead of the program dying with a copy left.
    std::signal(SIGXFSZ, SIG_IGN);
    SetAppFolders(DefaultAppPath());
    CreateOutputFolders();
    // Copies that saves killed half-way left beside the catalogs.
    RemoveAbandonedTemporaryFiles(Folders().LibPath);

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
