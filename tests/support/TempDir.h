#pragma once
// A fresh folder for one test, removed afterwards.

#include <set>
#include <string>
#include <string_view>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; } // ends without "/"
    std::string file(std::string_view relative) const;
    // Writes a file (parents created) and returns its path.
    std::string write(std::string_view relative, std::string_view content) const;
    std::string read(std::string_view relative) const;

private:
    std::string path_;
};

std::string ReadFileBytes(const std::string& path);
// The names of what folder holds, hidden ones too.
std::set<std::string> NamesIn(const std::string& folder);
