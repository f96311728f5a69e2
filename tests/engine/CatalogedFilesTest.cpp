#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CatalogPath.h"
#include "engine/catalog/CatalogedFiles.h"
#include "engine/scan/CatalogScan.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {
using Paths = std::vector<std::string>;

// The disk in dir catalogued by the real scan: each body line's path with the
// files it stands for now.
std::map<std::string, Paths> ScannedLines(const TempDir& dir)
{
    ScanOptions opts;
    opts.RecursiveDir = opts.SearchZipContent = true;
    opts.RootDir = dir.file("disk");
    opts.FilePatterns = "*.*";
    ScanSession session;
    CreateCatalog(opts, session);
    std::map<std::string, Paths> lines;
    for (std::size_t n = HeaderLineCount + 1; n <= session.lines.count(); ++n) {
        const std::string path(ParseBodyLine(session.lines.line(n)).path);
        lines[path] = FilesCatalogedAs(path);
    }
    return lines;
}
} // namespace

// Names the scan writes alike ("?" for ">", "<", "\", CR, LF and 0x01): a
// line stands for each file that fits, through its folders too, and a name
// in a legacy encoding fits by its bytes.
TEST(CatalogedFiles, ALineFitsEveryFileWhoseNameTheScanWritesSo)
{
    TempDir dir;
    const std::string twinA = dir.write("disk/a>b.txt", "1"), twinB = dir.write("disk/a?b.txt", "2");
    const std::string lone = dir.write("disk/c>d.txt", "3");
    const std::string legacy = dir.write("disk/\xE9<\x01\\\r\n.txt", "4");
    const std::string plain = dir.write("disk/plain.txt", "5");
    const std::string deep = dir.write("disk/p<q/r>s.txt", "6");
    const std::string inA = dir.write("disk/x>y/in.txt", "7"), inB = dir.write("disk/x\\y/in.txt", "8");
    fs::copy_file(CORVANE_FIXTURES "/archives/sample.zip", dir.file("disk/z>ip.zip"));
    const std::string root = ToCatalogPath(dir.file("disk/"));

    const std::map<std::string, Paths> lines = ScannedLines(dir);
    EXPECT_EQ(lines.at(root + "a?b.txt"), (Paths{twinA, twinB}));
    EXPECT_EQ(lines.at(root + "c?d.txt"), Paths{lone});
    EXPECT_EQ(lines.at(root + "\xE9?????.txt"), Paths{legacy});
    EXPECT_EQ(lines.at(root + "plain.txt"), Paths{plain});
    EXPECT_EQ(lines.at(root + "p?q\\r?s.txt"), Paths{deep});
    EXPECT_EQ(lines.at(root + "x?y\\in.txt"), (Paths{inA, inB}));
    // A member's line stands for its archive.
    EXPECT_EQ(lines.at(root + "z?ip.zip/docs\\readme.txt"), Paths{dir.file("disk/z>ip.zip")});
}

TEST(CatalogedFiles, NoneFitWhenTheFileIsGoneOrAFolderOrOnAnotherSystem)
{
    TempDir dir;
    const std::string lone = dir.write("disk/c>d.txt", "3");
    dir.write("disk/e.txt", "");
    std::map<std::string, Paths> lines = ScannedLines(dir);
    ASSERT_EQ(lines.size(), 2u);
    fs::remove(lone);
    fs::create_directory(dir.file("disk/c<d.txt"));
    fs::remove(dir.file("disk/e.txt"));
    fs::create_directory(dir.file("disk/e.txt"));
    for (const auto& [path, files] : lines)
        EXPECT_EQ(FilesCatalogedAs(path), Paths{}) << path;
    // Looked for neither in the working folder nor at the root.
    EXPECT_EQ(FilesCatalogedAs("C:\\Docs\\c?d.txt"), Paths{});
    EXPECT_EQ(FilesCatalogedAs(""), Paths{});
    EXPECT_EQ(FilesCatalogedAs("\\"), Paths{});
}
