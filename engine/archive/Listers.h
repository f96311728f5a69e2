#pragma once
// The header readers of the archive kinds the program reads itself. Each
// walks the headers only (nothing is unpacked), stops quietly at the first
// header that does not fit the file, and keeps what it listed so far. They
// throw AppError only when the file cannot be read at all.

#include "engine/archive/MemberListing.h"

void ListRarHeaders(ArchiveBytes& in, MemberListing& listing);
void ListAceHeaders(ArchiveBytes& in, MemberListing& listing);
void ListArjHeaders(ArchiveBytes& in, MemberListing& listing);
void ListLzhHeaders(ArchiveBytes& in, MemberListing& listing);
void ListCabHeaders(ArchiveBytes& in, MemberListing& listing);
