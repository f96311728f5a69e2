#pragma once
// Extract mode: every member of an open archive unpacked below
// UnzipExtractDir, as the options say.

#include "engine/archive/Unzip.h"

#include <zip.h>

#include <string>

// "" when every member was unpacked; otherwise one line per member left out
// and why.
std::string ExtractZipMembers(zip_t* zip, UnzipOptions& options);
