#pragma once
// The two RAR header formats: 1.5 to 4 (signature "Rar!" 1A 07 00) and 5
// (signature "Rar!" 1A 07 01 00). Both walk the block headers from the
// signature on and never unpack anything.

#include "engine/archive/ArchiveBytes.h"
#include "engine/archive/MemberListing.h"

inline constexpr std::string_view Rar4Signature{"Rar!\x1A\x07\x00", 7};
inline constexpr std::string_view Rar5Signature{"Rar!\x1A\x07\x01\x00", 8};

// The program's comment buffer held 16,384 bytes with the closing NUL; a
// longer comment is not taken.
inline constexpr std::size_t LongestRarComment = 16383;
// The name of the service header that holds the archive comment.
inline constexpr std::string_view RarCommentName = "CMT";

void ListRar4Headers(ArchiveBytes& in, MemberListing& listing);
void ListRar5Headers(ArchiveBytes& in, MemberListing& listing);
