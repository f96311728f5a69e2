#include "tests/support/ChildProcess.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
bool writeProcFile(const char* path, const std::string& text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.data(), text.size()) == ssize_t(text.size());
    ::close(fd);
    return written;
}
} // namespace

int ExitCodeInChild(const std::function<int()>& body, unsigned seconds)
{
    std::fflush(nullptr); // what the parent buffered is not written twice
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        ::alarm(seconds);
        ::_exit(body());
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool OwnMountNamespace()
{
    if (::unshare(CLONE_NEWNS) != 0) {
        const std::string uid = std::to_string(::geteuid()), gid = std::to_string(::getegid());
        // The user's files stay the user's own inside.
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !writeProcFile("/proc/self/setgroups", "deny") ||
            !writeProcFile("/proc/self/uid_map", "0 " + uid + " 1") ||
            !writeProcFile("/proc/self/gid_map", "0 " + gid + " 1"))
            return false;
    }
    // Private: no mount made here reaches the rest of the system.
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

bool BindMount(const std::string& from, const std::string& onto)
{
    return ::mount(from.c_str(), onto.c_str(), nullptr, MS_BIND, nullptr) == 0;
}
