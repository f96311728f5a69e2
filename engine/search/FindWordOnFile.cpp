#include "engine/search/FindWordOnFile.h"

#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CatalogLineReader.h"
#include "engine/search/BlockMatcher.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Encoding.h"
#include "platform/text/TextCase.h"

FindQuery::FindQuery(std::string_view expression, std::optional<std::string> driveType,
                     std::string_view fileFilter)
    : Expression(LowerText(BytesToUtf8(expression))), DriveType(std::move(driveType)),
      Filter(fileFilter)
{
}

namespace {
// Reads the header; false when the catalog has no rows for this query.
bool readHeader(CatalogLineReader& reader, const FindQuery& query)
{
    std::string_view line;
    for (int n = 1; n <= HeaderLineCount; ++n) {
        if (!reader.next(line))
            return false;
        CheckHeaderLine(line, n, reader.path());
        if (n == 1 && query.DriveType && HeaderValue(HeaderLine::DriveType, line) != *query.DriveType)
            return false;
    }
    return true;
}
} // namespace

std::vector<FindHit> FindWordOnFile(const std::string& catalogFile, const FindQuery& query,
                                    FindSession& session)
{
    std::vector<FindHit> hits;
    if (session.limitReached())
        return hits;
    try {
        CatalogLineReader reader(catalogFile);
        if (!readHeader(reader, query))
            return hits;
        const std::string diskId = catalogFile.substr(catalogFile.rfind('/') + 1);
        BlockMatcher matcher(query.Expression);
        std::string_view block;
        while (!session.StopFind && reader.nextBlock(block)) {
            bool more = matcher.forEachMatch(block, [&](std::string_view line) {
                if (auto hit = HitFromLine(line, diskId, query.Filter)) {
                    hits.push_back(std::move(*hit));
                    ++session.HitCount;
                }
                return !session.limitReached();
            });
            if (!more)
                break;
        }
    } catch (const std::exception& e) {
        ShowErrorBox(e, "modFindText", "FindWordOnFile");
    }
    return hits;
}
