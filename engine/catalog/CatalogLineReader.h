#pragma once
// Reads a catalog file line by line without holding it whole: a million-line
// catalog streams through a fixed buffer. Lines end with LF; a CR before it
// is dropped, and a last line without an ending still counts. Lines longer
// than MaxCatalogLineLength are refused.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CatalogLineReader {
public:
    // What one read asks for; a reader of a few lines asks for less.
    static constexpr std::size_t DefaultChunk = std::size_t(1) << 20;

    // Throws AppError when the file cannot be opened or is not a regular file.
    explicit CatalogLineReader(const std::string& path, std::size_t chunk = DefaultChunk);
    ~CatalogLineReader();
    CatalogLineReader(const CatalogLineReader&) = delete;
    CatalogLineReader& operator=(const CatalogLineReader&) = delete;

    // The next line, valid until the next call; false at the end of the file.
    // Throws AppError on a read error or an over-long line.
    bool next(std::string_view& line);

    // The next run of whole lines as they stand in the file, line ends
    // included (for passes that need no single lines); false at the end.
    // Throws like next().
    bool nextBlock(std::string_view& block);

    const std::string& path() const { return path_; }

private:
    bool fill();
    void checkLines(std::string_view block) const;

    std::string path_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    int fd_ = -1;
    bool eof_ = false;
};
