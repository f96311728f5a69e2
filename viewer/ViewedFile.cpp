#include "viewer/ViewedFile.h"

#include "platform/fs/FileAt.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

UniqueFd OpenViewedFile(const std::string& path)
{
    // A catalog made on Windows names "C:\..." files: never a path relative
    // to wherever the program was started.
    if (path.empty() || path.front() != '/')
        return {};
    UniqueFd fd = OpenForReading(FileAt::Path(path));
    struct stat st;
    if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    return fd;
}

std::optional<FileStart> ReadFileStart(const std::string& path, std::size_t limit)
{
    UniqueFd fd = OpenViewedFile(path);
    struct stat st;
    if (!fd || ::fstat(fd.get(), &st) != 0)
        return std::nullopt;
    FileStart start;
    start.fileSize = std::uint64_t(st.st_size);
    start.bytes.resize(std::size_t(std::min<std::uint64_t>(start.fileSize, limit)));
    std::size_t done = 0;
    while (done < start.bytes.size()) {
        const ssize_t n = ::read(fd.get(), start.bytes.data() + done, start.bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0) { // it shrank meanwhile
            start.fileSize = done;
            break;
        }
        done += std::size_t(n);
    }
    start.bytes.resize(done);
    return start;
}
