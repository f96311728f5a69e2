#pragma once
// A ZIP archive opened for reading through libzip.

#include <zip.h>

#include <memory>
#include <string>

struct ZipDiscard {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipDiscard>;

// Null, with error naming the archive and the reason, when it cannot be read.
ZipHandle OpenZipArchive(const std::string& path, std::string& error);
