#include "platform/fs/MoveFile.h"

#include "platform/fs/AtomicFile.h"
#include "platform/fs/FileIdentity.h"
#include "platform/fs/ReadSome.h"
#include "platform/fs/RenameNoReplace.h"
#include "platform/fs/UniqueFd.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Messages.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::size_t ChunkSize = 1 << 20;

[[noreturn]] void raiseNotAFile(const std::string& path)
{
    throw AppError(ErrBadFileMode, std::string(ErrorDescription(ErrBadFileMode)) + " (" + path + ")");
}

// A regular file opened for reading, its status in st. Nothing else is
// opened, and the open never waits: a FIFO put there meanwhile is seen by
// fstat.
UniqueFd openRegularFile(const std::string& path, struct stat& st)
{
    if (::stat(path.c_str(), &st) != 0)
        RaiseFromErrno(errno, path);
    if (!S_ISREG(st.st_mode))
        raiseNotAFile(path);
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd || ::fstat(fd.get(), &st) != 0)
        RaiseFromErrno(errno, path);
    if (!S_ISREG(st.st_mode))
        raiseNotAFile(path);
    return fd;
}

// Up to size bytes, fewer only at the end of the file.
std::size_t readChunk(int fd, char* buffer, std::size_t size, const std::string& path)
{
    std::size_t got = 0;
    while (got < size) {
        const std::size_t n = ReadSome(fd, buffer + got, size - got, path);
        if (n == 0)
            break;
        got += n;
    }
    return got;
}

// Reads both from their start; true when they hold the same bytes.
bool sameContents(int from, int copy, const std::string& source, const std::string& target)
{
    if (::lseek(from, 0, SEEK_SET) != 0)
        RaiseFromErrno(errno, source);
    std::string ba(ChunkSize, '\0'), bb(ChunkSize, '\0');
    for (;;) {
        std::size_t na = readChunk(from, ba.data(), ChunkSize, source);
        std::size_t nb = readChunk(copy, bb.data(), ChunkSize, target);
        if (na != nb || ba.compare(0, na, bb, 0, nb) != 0)
            return false;
        if (na < ChunkSize)
            return true;
    }
}

// Copies source to target; the copy is read back and compared, and takes
// its dates, before it takes the target's name, so that a copy that differs
// replaces nothing. The status of the file that was copied.
struct stat copyVerified(const std::string& source, const std::string& target, bool replace)
{
    struct stat st {};
    UniqueFd from = openRegularFile(source, st);
    AtomicFileWriter out;
    if (!out.open(target, st.st_mode & 07777))
        RaiseFromErrno(out.errorCode(), target);
    if (!replace)
        out.keepExisting();
    std::string buffer(ChunkSize, '\0');
    while (std::size_t n = readChunk(from.get(), buffer.data(), ChunkSize, source))
        if (!out.write(std::string_view(buffer.data(), n)))
            RaiseFromErrno(out.errorCode(), target);
    const bool same = out.checkWritten([&](int copy) {
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(copy, times); // a date that cannot be set loses nothing
        return sameContents(from.get(), copy, source, target);
    });
    // A copy that is not committed goes with the writer.
    if (!same && out.errorCode())
        RaiseFromErrno(out.errorCode(), target);
    if (!same)
        throw AppError(ErrDeviceIO, "The copy of " + source + " differs from it");
    if (!out.commit())
        RaiseFromErrno(out.errorCode(), target);
    return st;
}
} // namespace

void MoveFileTo(const std::string& source, const std::string& target, bool replace)
{
    // Two roads to one file (a hard link, a link, a bind mount): a rename
    // would do nothing, and a copy would replace the file by itself and then
    // remove it.
    if (SameFile(source, target))
        throw AppError(ErrPathFileAccess, MessageText(MessageId::MoveOntoItself, {source, target}));
    // A folder or a FIFO put in the file's place is not moved, not even by a rename.
    struct stat st {};
    if (::stat(source.c_str(), &st) != 0)
        RaiseFromErrno(errno, source);
    if (!S_ISREG(st.st_mode))
        raiseNotAFile(source);
    if ((replace ? std::rename(source.c_str(), target.c_str()) : RenameNoReplace(source, target)) == 0)
        return;
    if (errno == EEXIST)
        RaiseFromErrno(errno, target);
    if (errno != EXDEV)
        RaiseFromErrno(errno, source + " -> " + target);
    const FileIdentity copied = IdentityOf(copyVerified(source, target, replace));
    // Only the file that was copied is removed, never its copy nor a file
    // put in its place meanwhile.
    const std::optional<FileIdentity> named = IdentityOf(source), copy = IdentityOf(target);
    if (!named || !named->sameFile(copied) || !copy || copy->sameFile(copied))
        throw AppError(ErrPathFileAccess, MessageText(MessageId::SourceChanged, {source, target}));
    if (::unlink(source.c_str()) != 0)
        RaiseFromErrno(errno, source);
}
