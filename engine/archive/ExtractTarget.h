#pragma once
// Writes the files of an extraction below one folder and never elsewhere:
// member paths that are absolute or hold ".." are refused, and no symbolic
// link below the folder is followed. A file is written beside its target
// and renamed over it when complete, so a failed extraction leaves an
// existing file as it was.

#include "platform/fs/UniqueFd.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The folders and name of a stored member path ("a/./b//c" gives a, b, c);
// nullopt when the path would leave the target folder.
std::optional<std::vector<std::string>> SafeMemberParts(std::string_view storedPath);

// The folder below base that parts name, made where missing when create is
// set; an empty handle, with error saying why, when it cannot be had.
UniqueFd OpenFolderBelow(int baseFd, const std::vector<std::string>& parts, bool create, std::string& error);

bool EntryExists(int folderFd, const std::string& name);

// One extracted file: written to a temporary file in its folder, then
// renamed over name on commit; dropped when not committed.
class ExtractedFile {
public:
    ExtractedFile(int folderFd, std::string name) : folderFd_(folderFd), name_(std::move(name)) {}
    ~ExtractedFile();
    ExtractedFile(const ExtractedFile&) = delete;
    ExtractedFile& operator=(const ExtractedFile&) = delete;

    // Each returns false with error set on failure.
    bool open(std::string& error);
    bool write(std::string_view data, std::string& error);
    bool commit(std::string& error);

private:
    int folderFd_;
    std::string name_;
    std::string temp_;
    UniqueFd fd_;
    bool committed_ = false;
};
