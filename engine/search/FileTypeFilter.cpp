#include "engine/search/FileTypeFilter.h"

#include "engine/scan/Wildcard.h"

FileTypeFilter::FileTypeFilter(std::string_view filter)
    : patterns_(FilterPatterns(filter)), everything_(filter == "*.*")
{
}

bool FileTypeFilter::passes(std::string_view name) const
{
    if (everything_)
        return true;
    for (const std::string& pattern : patterns_)
        if (WildcardMatch(pattern, name))
            return true;
    return false;
}
