#pragma once
// Writes a file so that readers see either the old file whole or the new one
// whole: the data goes to a temporary file in the same folder, which is
// flushed and renamed over the target on commit. The temporary file has a
// hidden name of the program's own (see TaggedNameBeside) and is locked while
// it is written, so that only copies a killed write left are ever removed.

#include "platform/fs/FileIdentity.h"

#include <cstddef>
#include <ctime>
#include <functional>
#include <optional>
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
    // Open first removes the copies that killed writes of the same file left
    // (see RemoveAbandonedTemporaryFiles). Without permissions the file keeps the mode of the one it replaces (a
    // new file gets the usual one); with them it gets exactly those bits.
    bool open(const std::string& targetPath, std::optional<mode_t> permissions = std::nullopt);
    bool write(std::string_view data);
    // Commit replaces the target only while it is still the file read as
    // that; otherwise nothing is replaced and changedMeanwhile() is true.
    void expect(const FileIdentity& readAs) { expected_ = readAs; }
    // Commit then never replaces a file at the target, not even one put
    // there meanwhile: it fails with EEXIST.
    void keepExisting() { keepExisting_ = true; }
    // After the last write: runs check on the file written (open for reading
    // and writing, at its start) before it replaces anything, so that a copy
    // is compared where only the writer can have put it. False when the data
    // cannot be flushed or check says false.
    bool checkWritten(const std::function<bool(int fd)>& check);
    bool commit();
    void abort();

    // Errors name the target, never the temporary file.
    const std::string& error() const { return error_; }
    int errorCode() const { return errno_; }
    bool changedMeanwhile() const { return changed_; }

    // Runs just before each commit's check and rename (tests: another writer
    // steps in there).
    static std::function<void(const std::string& target)>& BeforeReplace();

private:
    bool flushBuffer();
    bool writeAll(std::string_view data); // unbuffered
    bool fail(const char* what);

    std::string target_;
    std::string temp_;
    std::string buffer_;
    std::string error_;
    std::optional<FileIdentity> expected_;
    int fd_ = -1;
    int lockFd_ = -1; // holds the temporary file's lock until it is renamed or gone
    int errno_ = 0;
    bool changed_ = false;
    bool keepExisting_ = false;
};

// The whole text in one go; on failure errorCode gets the errno value.
bool WriteFileAtomically(const std::string& path, std::string_view data, int* errorCode = nullptr);

// Removes from folder the temporary files that writes killed half-way left:
// only names this writer gives, only regular files unchanged for an hour (at
// now) and not locked by a writer. Every other file stays.
void RemoveAbandonedTemporaryFiles(const std::string& folder, std::time_t now = std::time(nullptr));

// The longest file name the file system of folder takes (NAME_MAX when it
// does not say).
std::size_t FileNameLimit(const std::string& folder);

// A name no person picks for a file of the program's own beside path: in
// path's folder, "." (hidden), path's file name, ".corvane-" and what; the
// file name is cut where the whole would pass that limit.
std::string TaggedNameBeside(const std::string& path, std::string_view what);

// The file a write to path replaces: path itself, or for a symbolic link the
// file it finally leads to, so that the user's link keeps pointing at the
// data. False (errno in errorCode, ENOENT for a dangling link) when a link
// leads nowhere.
bool ResolveWriteTarget(const std::string& path, std::string& target, int* errorCode = nullptr);

// What ReadWholeFile takes at most unless told otherwise.
inline constexpr std::size_t DefaultReadLimit = std::size_t(1) << 30;

// Reads a whole regular file of at most maxSize bytes; false when it cannot
// be read (errno in errorCode: EINVAL for a FIFO, a device or a folder,
// EFBIG for a larger file). It never waits for a writer. readAs, when
// given, gets the identity of the file that was read.
bool ReadWholeFile(const std::string& path, std::string& out, int* errorCode = nullptr,
                   std::size_t maxSize = DefaultReadLimit, FileIdentity* readAs = nullptr);
