#include "engine/scan/FolderStack.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

void FolderStack::push(UniqueFd folder, const struct stat& st, FolderFrame frame)
{
    entries_.push_back({std::move(frame), std::move(folder), st.st_dev, st.st_ino});
    const std::size_t top = entries_.size() - 1;
    if (top >= 1 && low_ > top)
        low_ = top; // below the root nothing was open: the open run starts here
    while (top >= 1 && 1 + top - low_ + 1 > MaxOpen)
        entries_[low_++].fd = UniqueFd();
}

int FolderStack::topFd()
{
    const std::size_t top = entries_.size() - 1;
    if (top == 0 || top >= low_ || reopenTop())
        return entries_[top].fd.get();
    return -1;
}

bool FolderStack::reopenTop()
{
    const std::size_t top = entries_.size() - 1;
    // The deepest ones are kept: the walk goes back up through them next.
    const std::size_t first = top + 2 > MaxOpen ? top + 2 - MaxOpen : 1;
    std::vector<UniqueFd> kept;
    UniqueFd passing;
    int parent = entries_[0].fd.get();
    for (std::size_t k = 1; k <= top; ++k) {
        const FolderFrame& up = entries_[k - 1].frame;
        UniqueFd fd(::openat(parent, up.subs[up.next - 1].c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat st;
        if (!fd)
            return false;
        if (::fstat(fd.get(), &st) != 0 || st.st_dev != entries_[k].device || st.st_ino != entries_[k].inode) {
            errno = ENOENT; // moved away meanwhile: what stands there now is not walked
            return false;
        }
        parent = fd.get();
        if (k >= first)
            kept.push_back(std::move(fd));
        else
            passing = std::move(fd);
    }
    for (std::size_t k = first; k <= top; ++k)
        entries_[k].fd = std::move(kept[k - first]);
    low_ = first;
    return true;
}
