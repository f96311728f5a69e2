#include "tests/engine/ArchiveTestSupport.h"

#include "engine/catalog/CatalogPath.h"
#include "engine/text/PathHelpers.h"

#include <algorithm>

std::string ArchiveFixture(std::string_view name)
{
    return std::string(CORVANE_FIXTURES) + "/archives/" + std::string(name);
}

ArchiveFile ArchiveAt(const std::string& nativePath)
{
    const std::string name = nativePath.substr(nativePath.rfind('/') + 1);
    return {FileAt::Path(nativePath), "\\disk\\" + ToCatalogPath(name), name};
}

Listed ListArchive(const std::string& nativePath)
{
    std::string ext = FileExt(nativePath);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    CatalogBuffer out;
    Listed result;
    Problems problems;
    result.comment = ReadArchive(ArchiveKindFromExtension(ext), ArchiveAt(nativePath), out, problems);
    result.problems = std::move(problems.list);
    for (std::size_t n = 1; n <= out.count(); ++n)
        result.lines.push_back(out.line(n));
    return result;
}
