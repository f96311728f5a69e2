#pragma once
// A ZIP archive opened for reading through libzip, for the members' bytes
// (the skin packages); the scan reads only the directory (ZipDirectory.h).

#include <zip.h>

#include <memory>
#include <string>

struct ZipDiscard {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipDiscard>;

// The archive at path; null, with error naming path and the reason, when it
// is no regular file or libzip cannot read it.
ZipHandle OpenZipArchive(const std::string& path, std::string& error);
