#pragma once
// The file-type filter of a search: the patterns of a named filter
// ("*.exe;*.com"), matched with the scan's wildcard rules, without regard to
// case. The filter text "*.*" lets every line through.

#include <string>
#include <string_view>
#include <vector>

class FileTypeFilter {
public:
    explicit FileTypeFilter(std::string_view filter);

    // The filter text is exactly "*.*".
    bool everything() const { return everything_; }
    // name matches one of the patterns.
    bool passes(std::string_view name) const;

private:
    std::vector<std::string> patterns_;
    bool everything_;
};
