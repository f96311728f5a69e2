#pragma once
// Reads an archive's headers without trusting them: every read is checked
// against the file's end, so a header that claims more than the file holds
// ends the walk instead of reading past it. Reads go through one window of
// the file, so walking small consecutive headers costs few system calls.

#include "platform/fs/FileAt.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class ArchiveBytes {
public:
    static constexpr std::size_t DefaultWindow = 64 * 1024;

    // Throws AppError when the file cannot be opened. Anything but a regular
    // file reads as empty. window: the bytes read at once, when fewer are asked.
    explicit ArchiveBytes(const FileAt& file, std::size_t window = DefaultWindow);

    std::uint64_t size() const { return size_; }
    const std::string& path() const { return path_; }
    // The open file, for a library that reads it itself.
    int fd() const { return fd_.get(); }
    // The n bytes at offset; false when they do not all lie inside the file.
    // The view holds until the next read. Throws AppError on a read error.
    bool read(std::uint64_t offset, std::size_t n, std::string_view& out);
    // The n bytes at offset into out, read past the window, which stays as
    // it was; false when they do not all lie inside the file.
    bool copy(std::uint64_t offset, std::size_t n, std::string& out);
    // The bytes from offset up to the next NUL (not included), looking at
    // most maxLength bytes far; false when no NUL is found there. Looks in
    // the window first and reads a window's worth, more only for a text
    // longer than the window.
    bool readUntilNul(std::uint64_t offset, std::size_t maxLength, std::string_view& out);

private:
    // The bytes the window holds from offset on; 0 when it does not hold offset.
    std::size_t heldFrom(std::uint64_t offset) const;
    void moveWindow(std::uint64_t offset, std::size_t n);
    // Reads up to n bytes at offset into to; fewer only when the file shrank.
    std::size_t readAt(std::uint64_t offset, char* to, std::size_t n);

    UniqueFd fd_;
    std::uint64_t size_ = 0;
    std::string path_;
    std::size_t windowSize_;
    std::unique_ptr<char[]> window_;
    std::size_t capacity_ = 0;
    std::size_t held_ = 0;
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
