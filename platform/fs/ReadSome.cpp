#include "platform/fs/ReadSome.h"

#include "platform/prompter/ErrorBox.h"

#include <cerrno>
#include <unistd.h>

std::size_t ReadSome(int fd, char* buffer, std::size_t size, const std::string& path)
{
    for (;;) {
        const ssize_t n = ::read(fd, buffer, size);
        if (n >= 0)
            return std::size_t(n);
        if (errno != EINTR)
            RaiseFromErrno(errno, path);
    }
}
