#pragma once
// The lines of a catalog being made: the header, then the body lines in the
// order the walk and the archive listers produce them. It holds at most
// MaxLines lines, header included, and grows only with what is added.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CatalogBuffer {
public:
    static constexpr std::size_t MaxLines = 1'000'000;

    explicit CatalogBuffer(std::size_t capacity = MaxLines) : capacity_(capacity) {}

    // False (and nothing added) when the buffer is full; the buffer then
    // knows it was cut short.
    bool append(std::string line);
    // A line was refused: what the buffer holds is incomplete.
    bool overflowed() const { return overflowed_; }
    bool full() const { return lines_.size() >= capacity_; }
    std::size_t capacity() const { return capacity_; }
    std::size_t count() const { return lines_.size(); }
    // 1-based, as line numbers of the file.
    std::string& line(std::size_t n) { return lines_.at(n - 1); }
    const std::string& line(std::size_t n) const { return lines_.at(n - 1); }
    void clear();

private:
    std::vector<std::string> lines_;
    std::size_t capacity_;
    bool overflowed_ = false;
};
