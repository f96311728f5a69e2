#include "tests/engine/ArchiveTestSupport.h"

#include "engine/catalog/CatalogPath.h"
#include "engine/text/PathHelpers.h"

#include <algorithm>
#include <filesystem>

std::string ArchiveFixture(std::string_view name)
{
    return std::string(CORVANE_FIXTURES) + "/archives/" + std::string(name);
}

namespace {
ArchiveKind KindOf(const std::string& path)
{
    std::string ext = FileExt(path);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return ArchiveKindFromExtension(ext);
}
} // namespace

std::vector<std::string> ArchiveFixtures()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(ArchiveFixture("")))
        if (KindOf(entry.path().string()) != ArchiveKind::None)
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool MakeLargeArchive(std::string_view kind, int count, const std::string& path)
{
    const std::string command = "'" + ArchiveFixture("make-large-archive.sh") + "' " + std::string(kind) + " " +
                                std::to_string(count) + " '" + path + "' >/dev/null";
    return std::system(command.c_str()) == 0;
}

ArchiveFile ArchiveAt(const std::string& nativePath)
{
    const std::string name = nativePath.substr(nativePath.rfind('/') + 1);
    return {FileAt::Path(nativePath), "\\disk\\" + ToCatalogPath(name), name};
}

Listed ListArchive(const std::string& nativePath, ArchiveReading what)
{
    CatalogBuffer out;
    Listed result;
    Problems problems;
    result.comment = ReadArchive(KindOf(nativePath), ArchiveAt(nativePath), out, problems, what);
    result.problems = std::move(problems.list);
    for (std::size_t n = 1; n <= out.count(); ++n)
        result.lines.push_back(out.line(n));
    return result;
}
