// Trees far deeper than the open-file limit and than any call stack would allow.
#include "engine/catalog/CatalogLine.h"
#include "engine/scan/CatalogScan.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

namespace {
// A chain of folders "d/d/d/…" below root, made level by level with handles:
// the whole path soon exceeds PATH_MAX. At each level whose number filesOn
// accepts a file "f.txt" is written, at each level of siblingsOn a folder
// "e" beside the next "d", holding "x.txt".
template <class Files, class Siblings>
void makeChain(const std::string& root, int levels, Files filesOn, Siblings siblingsOn)
{
    int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    for (int level = 1; level <= levels; ++level) {
        ASSERT_EQ(::mkdirat(fd, "d", 0755), 0) << level;
        const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        ASSERT_GE(next, 0) << level;
        fd = next;
        if (filesOn(level))
            ::close(::openat(fd, "f.txt", O_CREAT | O_WRONLY | O_CLOEXEC, 0644));
        if (siblingsOn(level)) {
            ASSERT_EQ(::mkdirat(fd, "e", 0755), 0);
            const int e = ::openat(fd, "e", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            ::close(::openat(e, "x.txt", O_CREAT | O_WRONLY | O_CLOEXEC, 0644));
            ::close(e);
        }
    }
    ::close(fd);
}

// rm walks any depth; the test folder's own removal works by path.
void removeChain(const std::string& root)
{
    ASSERT_EQ(std::system(("rm -rf '" + root + "/d'").c_str()), 0);
}

// Runs the scan with the soft limit of open files set to limit.
void scanWithOpenFileLimit(rlim_t limit, const ScanOptions& opts, ScanSession& s)
{
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &old), 0);
    rlimit lowered = old;
    lowered.rlim_cur = std::min(limit, old.rlim_max);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    CreateCatalog(opts, s);
    ::setrlimit(RLIMIT_NOFILE, &old);
}

ScanOptions everything(const std::string& root)
{
    ScanOptions o;
    o.RootDir = root;
    o.FilePatterns = "*.txt";
    o.RecursiveDir = true;
    return o;
}

std::vector<std::string> bodyPaths(const ScanSession& s)
{
    std::vector<std::string> out;
    for (std::size_t n = HeaderLineCount + 1; n <= s.lines.count(); ++n)
        out.emplace_back(ParseBodyLine(s.lines.line(n)).path);
    return out;
}

std::string catalogForm(std::string path)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}
} // namespace

TEST(DeepTreeScan, ATreeThousandsOfLevelsDeepIsCataloguedWholeWithFewFilesOpen)
{
    TempDir d;
    constexpr int levels = 2000;
    // Siblings make the walk come back to folders it had to let go of.
    makeChain(
        d.path(), levels, [](int) { return true; }, [](int level) { return level % 250 == 0; });
    ScanSession s;
    scanWithOpenFileLimit(256, everything(d.path()), s);
    removeChain(d.path());

    std::vector<std::string> expected;
    std::string folder = catalogForm(d.path());
    std::vector<std::string> siblings;
    for (int level = 1; level <= levels; ++level) {
        folder += "\\d";
        expected.push_back(folder + "\\f.txt");
        if (level % 250 == 0)
            siblings.push_back(folder + "\\e\\x.txt");
    }
    expected.insert(expected.end(), siblings.rbegin(), siblings.rend()); // deepest first, on the way back
    const std::vector<std::string> paths = bodyPaths(s);
    EXPECT_EQ(paths.size(), expected.size());
    EXPECT_TRUE(paths == expected);
    for (const Problem& p : s.problems.list)
        ADD_FAILURE() << p.text;
}

TEST(DeepTreeScan, TwentyThousandLevelsNeitherCrashNorLoseTheBottom)
{
    TempDir d;
    constexpr int levels = 20000;
    makeChain(
        d.path(), levels, [](int level) { return level % 5000 == 0; }, [](int) { return false; });
    ScanSession s;
    // As many open files as the system lets us have: depth alone must not matter.
    scanWithOpenFileLimit(RLIM_INFINITY, everything(d.path()), s);
    removeChain(d.path());

    const std::vector<std::string> paths = bodyPaths(s);
    ASSERT_EQ(paths.size(), 4u);
    std::string bottom = catalogForm(d.path());
    for (int level = 1; level <= levels; ++level)
        bottom += "\\d";
    EXPECT_EQ(paths.back(), bottom + "\\f.txt");
    EXPECT_TRUE(s.problems.list.empty());
}
