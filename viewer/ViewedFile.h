#pragma once
// The file the viewer shows, named by the native path the catalog holds.
// Only a regular file at a whole path counts: it is opened without waiting
// (a FIFO or a device never hangs the viewer), and no more than the views
// need is read, so a file of 10 GB costs what a small one does.

#include "platform/fs/UniqueFd.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The most the text and hex views read of a file.
inline constexpr std::size_t ViewerByteLimit = std::size_t(4) << 20;

// Open for reading; an empty handle unless path is a whole path to a regular
// file that opens.
UniqueFd OpenViewedFile(const std::string& path);
inline bool ViewedFileExists(const std::string& path)
{
    return bool(OpenViewedFile(path));
}

struct FileStart {
    std::string bytes;          // the file's first bytes, at most the limit
    std::uint64_t fileSize = 0; // the whole file's size when it was read
    bool cut() const { return bytes.size() < fileSize; }
};

// The first limit bytes of the file; nullopt when it cannot be opened or read.
std::optional<FileStart> ReadFileStart(const std::string& path, std::size_t limit);
