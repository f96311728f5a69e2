#pragma once
// A program folder of its own for one test: dat/, tmp/ and reports/ in a
// fresh temporary folder, with the folder globals pointing there.

#include "engine/start/AppFolders.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <iterator>
#include <string>
#include <string_view>

class TempLibrary : public TempDir {
public:
    TempLibrary()
    {
        SetAppFolders(path());
        CreateOutputFolders();
    }
    std::string catalog(std::string_view name, std::string_view text) const
    {
        return write("dat/" + std::string(name), text);
    }
    std::string catalogText(std::string_view name) const { return read("dat/" + std::string(name)); }
    std::string report(std::string_view name) const { return read("reports/" + std::string(name)); }
    // Catalogs and whatever else is in dat/ (a copy or lock left behind).
    std::size_t filesInLibrary() const
    {
        return std::size_t(
            std::distance(std::filesystem::directory_iterator(file("dat")), std::filesystem::directory_iterator()));
    }
};

// A header as the scan writes it, CR LF after every line.
inline constexpr std::string_view kTestHeader =
    ">Fixed\r\n>Serial 1A2B\r\n>Volume DATA\r\n>Free 512 MB\r\n>Total 1024 MB\r\n"
    ">Root Dir \\data\r\n>Recursive Dir True\r\n>Search zip content True\r\n"
    ">Enable comment False\r\n>Search *.*\r\n>Comment \r\n";
