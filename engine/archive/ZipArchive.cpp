#include "engine/archive/ZipArchive.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ZipHandle OpenZipArchive(const std::string& path, std::string& error)
{
    // Opened here, so that nothing but a regular file is ever read.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        error = path + ": " + std::strerror(errno);
        return nullptr;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        error = path + ": not a file";
        return nullptr;
    }
    int code = 0;
    zip_t* zip = zip_fdopen(fd, 0, &code);
    if (!zip) {
        ::close(fd);
        zip_error_t e;
        zip_error_init_with_code(&e, code);
        error = path + ": " + zip_error_strerror(&e);
        zip_error_fini(&e);
    }
    return ZipHandle(zip);
}
