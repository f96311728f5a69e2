#pragma once
// Writes a file so that readers see either the old file whole or the new one
// whole: the data goes to a temporary file in the same folder, which is
// flushed and renamed over the target on commit.

#include <optional>
#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    ~AtomicFileWriter(); // an uncommitted file is thrown away
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Each returns false on failure; error() then tells why (errno in errorCode()).
    // Without permissions the file keeps the mode of the one it replaces (a
    // new file gets the usual one); with them it gets exactly those bits.
    bool open(const std::string& targetPath, std::optional<mode_t> permissions = std::nullopt);
    bool write(std::string_view data);
    bool commit();
    void abort();

    const std::string& error() const { return error_; }
    int errorCode() const { return errno_; }

private:
    bool flushBuffer();
    bool writeAll(std::string_view data); // unbuffered
    bool fail(const char* what);

    std::string target_;
    std::string temp_;
    std::string buffer_;
    std::string error_;
    int fd_ = -1;
    int errno_ = 0;
};

// The whole text in one go; on failure errorCode gets the errno value.
bool WriteFileAtomically(const std::string& path, std::string_view data, int* errorCode = nullptr);

// The longest file name the file system of folder takes (NAME_MAX when it
// does not say).
std::size_t FileNameLimit(const std::string& folder);

// The file a write to path replaces: path itself, or for a symbolic link the
// file it finally leads to, so that the user's link keeps pointing at the
// data. False (errno in errorCode, ENOENT for a dangling link) when a link
// leads nowhere.
bool ResolveWriteTarget(const std::string& path, std::string& target, int* errorCode = nullptr);

// What ReadWholeFile takes at most unless told otherwise.
inline constexpr std::size_t DefaultReadLimit = std::size_t(1) << 30;

// Reads a whole regular file of at most maxSize bytes; false when it cannot
// be read (errno in errorCode: EINVAL for a FIFO, a device or a folder,
// EFBIG for a larger file). It never waits for a writer.
bool ReadWholeFile(const std::string& path, std::string& out, int* errorCode = nullptr,
                   std::size_t maxSize = DefaultReadLimit);
