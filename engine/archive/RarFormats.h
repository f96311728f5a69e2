#pragma once
// The three RAR header formats: 1.4 (signature "RE~^"), 1.5 to 4 (signature
// "Rar!" 1A 07 00) and 5 (signature "Rar!" 1A 07 01 00). Each walks the
// block headers from the signature on and never unpacks anything.

#include "engine/archive/ArchiveBytes.h"
#include "engine/archive/MemberListing.h"

inline constexpr std::string_view Rar14Signature{"RE~^", 4};
inline constexpr std::string_view Rar4Signature{"Rar!\x1A\x07\x00", 7};
inline constexpr std::string_view Rar5Signature{"Rar!\x1A\x07\x01\x00", 8};

// The program's comment buffer held 16,384 bytes with the closing NUL; a
// longer comment is not taken.
inline constexpr std::size_t LongestRarComment = 16383;
// The name of the service header that holds the archive comment.
inline constexpr std::string_view RarCommentName = "CMT";

// The system that wrote a RAR 1.5-4 member: names from Unix are bytes as its
// file system gave them; the others (MS-DOS, OS/2, Windows) wrote the DOS
// code page.
inline constexpr std::uint8_t RarHostUnix = 3;
// A RAR 1.4-4 member's name as text: its Unicode form when the header says
// it has one, else its stored bytes read as the writing system wrote them.
std::string RarMemberName(std::string_view stored, bool unicode, std::uint8_t host);

void ListRar14Headers(ArchiveBytes& in, MemberListing& listing);
void ListRar4Headers(ArchiveBytes& in, MemberListing& listing);
void ListRar5Headers(ArchiveBytes& in, MemberListing& listing);
