#include "engine/archive/ZipArchive.h"

#include "platform/fs/FileAt.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ZipHandle OpenZipArchive(const std::string& path, std::string& error)
{
    UniqueFd fd = OpenForReading(FileAt::Path(path));
    if (!fd) {
        error = path + ": " + std::strerror(errno);
        return nullptr;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        error = path + ": not a file";
        return nullptr;
    }
    // libzip closes what it is given: it gets a copy of the descriptor.
    const int own = ::fcntl(fd.get(), F_DUPFD_CLOEXEC, 0);
    if (own < 0) {
        error = path + ": " + std::strerror(errno);
        return nullptr;
    }
    int code = 0;
    zip_t* zip = zip_fdopen(own, 0, &code);
    if (!zip) {
        ::close(own);
        zip_error_t e;
        zip_error_init_with_code(&e, code);
        error = path + ": " + zip_error_strerror(&e);
        zip_error_fini(&e);
    }
    return ZipHandle(zip);
}
