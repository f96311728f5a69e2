#pragma once
// The folders from a walk's root down to the one being walked, each with the
// sub-folders still to walk. Only the root and the deepest few stay open, so
// a tree of any depth needs a bounded number of handles; a folder let go of
// is reopened from the root by name, one folder at a time, never through a
// link, and only when it is still the very folder that was walked.

#include "platform/fs/UniqueFd.h"

#include <sys/stat.h>

#include <cstddef>
#include <string>
#include <vector>

struct FolderFrame {
    std::vector<std::string> subs; // sub-folder names, in walking order
    std::size_t next = 0;          // the next of subs to walk
    std::size_t dirLength = 0;     // length of the folder's native path (with "/")
    std::size_t catalogLength = 0; // length of its catalog form (with "\")
};

class FolderStack {
public:
    static constexpr std::size_t MaxOpen = 32;

    // A folder below the top, named by the top's subs[next - 1] (the first
    // one pushed is the root). st: what fstat said of folder.
    void push(UniqueFd folder, const struct stat& st, FolderFrame frame);
    void pop() { entries_.pop_back(); }
    bool empty() const { return entries_.empty(); }
    FolderFrame& top() { return entries_.back().frame; }
    // The top folder's handle, reopened when it was let go of; -1, with
    // errno set, when it is gone or another folder now stands in its place.
    int topFd();

private:
    struct Entry {
        FolderFrame frame;
        UniqueFd fd;
        dev_t device;
        ino_t inode;
    };
    bool reopenTop();

    std::vector<Entry> entries_;
    std::size_t low_ = 1; // open: entries_[0] and entries_[low_] to the top
};
