#include "engine/search/FindWordOnFile.h"

#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CatalogLineReader.h"
#include "engine/search/BlockMatcher.h"
#include "engine/text/StringHelpers.h"
#include "platform/text/Encoding.h"
#include "platform/text/TextCase.h"

#include <utility>

FindQuery::FindQuery(std::string_view expression, std::optional<std::string> driveType, std::string_view fileFilter)
    : Expression(LowerText(BytesToUtf8(expression))), DriveType(std::move(driveType)), Filter(fileFilter)
{
}

namespace {
constexpr std::string_view Module = "modFindText";
constexpr std::string_view Procedure = "FindWordOnFile";

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

void FindWordOnFile(const std::string& catalogFile, const FindQuery& query, FindSession& session,
                    const FindHitsSink& onHits)
{
    if (session.limitReached())
        return;
    std::size_t skipped = 0; // lines that matched but are no entries
    CatchProblem(session.problems, {Module, Procedure}, catalogFile, [&] {
        CatalogLineReader reader(catalogFile);
        if (!readHeader(reader, query))
            return;
        const std::string diskId = catalogFile.substr(catalogFile.rfind('/') + 1);
        BlockMatcher matcher(query.Expression);
        std::vector<FindHit> hits;
        std::string_view block;
        bool more = true;
        while (more && !session.StopFind && reader.nextBlock(block)) {
            more = matcher.forEachMatch(block, [&](std::string_view text, std::string_view bytes) {
                const BodyLine line = ParseBodyLine(text);
                if (!line.hasEntryFields()) {
                    if (!TrimBlanks(text).empty())
                        ++skipped;
                } else if (auto hit = HitFromLine(line, diskId, query.Filter)) {
                    // The key names the line by its bytes: two names can decode alike.
                    if (bytes.data() != text.data())
                        hit->Key = ParseBodyLine(bytes).key();
                    hits.push_back(std::move(*hit));
                    ++session.HitCount;
                }
                return !session.limitReached();
            });
            if (!hits.empty())
                onHits(std::exchange(hits, {}));
        }
    });
    if (auto problem = SkippedLinesProblem(skipped, catalogFile, Module, Procedure))
        session.problems.add(std::move(*problem));
}
