#include "engine/library/CatalogProperties.h"

#include "engine/catalog/CommentCodec.h"
#include "engine/text/PathHelpers.h"
#include "engine/text/StringHelpers.h"

#include <charconv>
#include <cmath>

namespace {
// "1234 MB" -> 1234, as a whole number of megabytes.
double Megabytes(std::string_view stored)
{
    if (stored.ends_with("MB"))
        stored.remove_suffix(2);
    stored = TrimBlanks(stored);
    double value = 0;
    auto [end, error] = std::from_chars(stored.data(), stored.data() + stored.size(), value);
    if (error != std::errc() || end != stored.data() + stored.size() || !std::isfinite(value))
        return 0;
    return std::nearbyint(value);
}
} // namespace

CatalogProperties PropertiesOf(std::string_view fileName, const CatalogHeader& header)
{
    CatalogProperties p;
    p.FileName = fileName;
    p.Name = FileWithOutExt(fileName);
    p.DriveType = header.DriveType;
    p.TotalMB = Megabytes(header.Total);
    p.FreeMB = Megabytes(header.Free);
    p.UsedMB = p.TotalMB - p.FreeMB;
    p.UsedPercent = p.TotalMB > 0 ? p.UsedMB / p.TotalMB * 100 : 0;
    p.Comment = DecodeMultiLine(header.Comment);
    p.RootDir = AddBackslash(header.RootDir);
    return p;
}
