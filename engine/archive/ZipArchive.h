#pragma once
// A ZIP archive opened for reading through libzip.

#include <zip.h>

#include <memory>
#include <string>

struct ZipDiscard {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipDiscard>;

// The archive in the open file fd (which stays the caller's); null, with
// error naming path and the reason, when libzip cannot read it.
ZipHandle OpenZipArchive(int fd, const std::string& path, std::string& error);
// The same for a path; nothing but a regular file is read.
ZipHandle OpenZipArchive(const std::string& path, std::string& error);
