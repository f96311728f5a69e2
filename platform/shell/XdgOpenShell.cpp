#include "platform/shell/XdgOpenShell.h"

#include "platform/prompter/ErrorBox.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {
// The target is passed as "$1", never pasted into the script.
constexpr const char* OpenScript = "command -v xdg-open >/dev/null 2>&1 || exit 127\n"
                                   "xdg-open \"$1\" </dev/null >/dev/null 2>&1 &\n";
} // namespace

void XdgOpenShell::open(const std::string& target)
{
    const char* argv[] = {"sh", "-c", OpenScript, "sh", target.c_str(), nullptr};
    pid_t pid;
    int err = posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ);
    if (err != 0)
        RaiseFromErrno(err, "/bin/sh");
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return;
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127)
        throw AppError(ErrFileNotFound, "xdg-open is not installed (package xdg-utils)");
}
