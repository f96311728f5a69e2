#pragma once
// Catalog dates: DD/MM/YYYY, no time of day.

#include <cstdint>
#include <string>

std::string CatalogDate(int day, int month, int year);
// The UTC date of a Unix time (files on disk, archives that store Unix time).
std::string CatalogDateFromUnix(std::int64_t seconds);
// The date part of an MS-DOS date word (day bits 0-4, month 5-8, year-1980 9-15),
// as it stands.
std::string CatalogDateFromDos(std::uint16_t dosDate);
// The UTC date of a Windows FILETIME (100-nanosecond steps since 1601-01-01).
std::string CatalogDateFromFileTime(std::uint64_t fileTime);
