#pragma once
// A catalog file read whole into memory for browsing: the bytes are kept once
// and everything else points into them.

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

struct CatalogBytes {
    struct Free {
        void operator()(char* p) const;
    };
    std::unique_ptr<char[], Free> data;
    std::size_t size = 0;

    std::string_view view() const { return {data.get(), size}; }
    // The line that starts at start, without its CR LF or LF; next, when
    // given, is set to where the following line starts.
    std::string_view lineAt(std::size_t start, std::size_t* next = nullptr) const;
};

// Reads the regular file at path (a FIFO or a device is refused, never waited
// on); a file larger than maxSize is refused before anything is read.
// checkStart is shown the bytes read so far after each piece until it returns
// true (the start is all there and sound); it raises to refuse the file, which
// is then read no further. onRead is told the bytes read so far and the
// file's size after each piece; a set stop flag ends the read early and the
// result is then empty. Raises AppError when the file cannot be opened or read.
CatalogBytes ReadCatalogBytes(const std::string& path, std::size_t maxSize, const std::atomic<bool>& stop,
                              const std::function<bool(std::string_view)>& checkStart,
                              const std::function<void(std::size_t, std::size_t)>& onRead);
