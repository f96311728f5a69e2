#include "engine/browse/CatalogBytes.h"

#include "engine/browse/LargeMemory.h"
#include "engine/catalog/CatalogFile.h"
#include "platform/fs/ReadSome.h"
#include "platform/prompter/ErrorBox.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::size_t ReadPiece = std::size_t(4) << 20;

class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() { ::close(fd_); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

private:
    int fd_;
};
} // namespace

CatalogBytes ReadCatalogBytes(const std::string& path, std::size_t maxSize, const std::atomic<bool>& stop,
                              const std::function<bool(std::string_view)>& checkStart,
                              const std::function<void(std::size_t, std::size_t)>& onRead)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        RaiseFromErrno(errno, path);
    FileHandle file(fd);
    struct stat st;
    if (::fstat(fd, &st) != 0)
        RaiseFromErrno(errno, path);
    if (!S_ISREG(st.st_mode))
        RaiseNotACatalog(path, "not a regular file");

    const auto expected = std::size_t(st.st_size);
    if (expected > maxSize)
        throw AppError(ErrOutOfMemory,
                       "The file " + path + " is too large to load (" + std::to_string(expected >> 20) + " MiB)");
    CatalogBytes bytes;
    bytes.data.reset(static_cast<char*>(AllocateLarge(expected)));
    // A file that shrinks meanwhile gives what is there; one that grows, its
    // first bytes.
    bool started = false;
    while (bytes.size < expected) {
        if (stop)
            return {};
        const std::size_t n =
            ReadSome(fd, bytes.data.get() + bytes.size, std::min(ReadPiece, expected - bytes.size), path);
        if (n == 0)
            break;
        bytes.size += n;
        started = started || checkStart(bytes.view());
        if (onRead)
            onRead(bytes.size, expected);
    }
    return bytes;
}

std::string_view CatalogBytes::lineAt(std::size_t start, std::size_t* next) const
{
    const std::string_view text = view();
    const std::size_t nl = text.find('\n', start);
    std::string_view line = text.substr(start, nl == std::string_view::npos ? std::string_view::npos : nl - start);
    if (next)
        *next = nl == std::string_view::npos ? text.size() : nl + 1;
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

void CatalogBytes::Free::operator()(char* p) const
{
    FreeLarge(p);
}
