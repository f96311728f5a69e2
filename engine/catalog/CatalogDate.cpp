#include "engine/catalog/CatalogDate.h"

#include <cstdio>
#include <ctime>

std::string CatalogDate(int day, int month, int year)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", day, month, year);
    return buf;
}

std::string CatalogDateFromUnix(std::int64_t seconds)
{
    std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    if (!gmtime_r(&t, &tm))
        return CatalogDate(1, 1, 1970);
    return CatalogDate(tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900);
}

std::string CatalogDateFromDos(std::uint16_t dosDate)
{
    return CatalogDate(dosDate & 0x1F, (dosDate >> 5) & 0x0F, 1980 + (dosDate >> 9));
}

std::string CatalogDateFromFileTime(std::uint64_t fileTime)
{
    constexpr std::int64_t SecondsFrom1601To1970 = 11'644'473'600;
    return CatalogDateFromUnix(std::int64_t(fileTime / 10'000'000) - SecondsFrom1601To1970);
}
