#pragma once
// Reads an archive's headers without trusting them: every read is checked
// against the file's end, so a header that claims more than the file holds
// ends the walk instead of reading past it. Reads go through one window of
// the file, so walking small consecutive headers costs few system calls.

#include "platform/fs/FileAt.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class ArchiveBytes {
public:
    // Throws AppError when the file cannot be opened. Anything but a regular
    // file reads as empty.
    explicit ArchiveBytes(const FileAt& file);

    std::uint64_t size() const { return size_; }
    const std::string& path() const { return path_; }
    // The open file, for a library that reads it itself.
    int fd() const { return fd_.get(); }
    // The n bytes at offset; false when they do not all lie inside the file.
    // The view holds until the next read. Throws AppError on a read error.
    bool read(std::uint64_t offset, std::size_t n, std::string_view& out);
    // The bytes from offset up to the next NUL (not included), looking at
    // most maxLength bytes far; false when no NUL is found there.
    bool readUntilNul(std::uint64_t offset, std::size_t maxLength, std::string_view& out);

private:
    UniqueFd fd_;
    std::uint64_t size_ = 0;
    std::string path_;
    std::string window_;
    std::uint64_t windowStart_ = 0;
};

// Little-endian numbers of a header, read unsigned.
inline std::uint16_t Le16(std::string_view b, std::size_t at)
{
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

inline std::uint32_t Le32(std::string_view b, std::size_t at)
{
    return std::uint32_t(Le16(b, at)) | std::uint32_t(Le16(b, at + 2)) << 16;
}

inline std::uint64_t Le64(std::string_view b, std::size_t at)
{
    return std::uint64_t(Le32(b, at)) | std::uint64_t(Le32(b, at + 4)) << 32;
}
