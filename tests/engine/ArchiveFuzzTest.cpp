// Damaged archives: every fixture cut at every length, and seeded random
// mutations of each. Nothing may crash, hang or run away; a cut archive
// lists the members of its whole headers and nothing else. Each is read a
// second time through a tiny window, which must change nothing.
#include "tests/engine/ArchiveTestSupport.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <random>

namespace {
constexpr int MutationsPerFixture = 2000;

// Mutations keep the size: the bytes are written over the file's own, which
// is far cheaper than a new file each time (tens of thousands are written).
void Overwrite(const std::string& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), 0), ssize_t(bytes.size()));
    ::close(fd);
}

// ZIP comments are read too; what is listed through a tiny window must be
// the same.
Listed ListBothWays(const std::string& path)
{
    Listed listed = ListArchive(path, {.zipComment = true});
    const Listed tiny = ListArchive(path, {.zipComment = true, .window = TinyWindow});
    EXPECT_EQ(tiny.lines, listed.lines);
    EXPECT_EQ(tiny.comment, listed.comment);
    EXPECT_EQ(tiny.problems.size(), listed.problems.size());
    return listed;
}

bool IsPrefix(const std::vector<std::string>& part, const std::vector<std::string>& whole)
{
    return part.size() <= whole.size() && std::equal(part.begin(), part.end(), whole.begin());
}

// A few bytes changed; often a whole 16- or 32-bit field set to an extreme,
// since sizes, counts and offsets are what a hostile header lies about.
std::string Mutate(std::string bytes, std::mt19937& rng)
{
    const int changes = 1 + int(rng() % 4);
    for (int i = 0; i < changes && !bytes.empty(); ++i) {
        const std::size_t at = rng() % bytes.size();
        switch (rng() % 4) {
        case 0:
            bytes[at] = char(rng());
            break;
        case 1:
            bytes[at] = char(bytes[at] ^ (1 << (rng() % 8)));
            break;
        default: {
            static const char* const extremes[] = {"\xFF\xFF\xFF\xFF", "\x00\x00\x00\x00", "\xFF\xFF\xFF\x7F",
                                                   "\x00\x00\x00\x80"};
            const char* fill = extremes[rng() % 4];
            for (std::size_t k = 0; k < 4 && at + k < bytes.size(); ++k)
                bytes[at + k] = fill[k];
        }
        }
    }
    return bytes;
}
} // namespace

TEST(ArchiveFuzz, CutArchivesListTheWholeHeadersBeforeTheCut)
{
    RecordingPrompter prompter;
    TempDir dir;
    for (const std::string& fixture : ArchiveFixtures()) {
        SCOPED_TRACE(fixture);
        const std::string whole = ReadFileBytes(ArchiveFixture(fixture));
        const std::vector<std::string> full = ListBothWays(ArchiveFixture(fixture)).lines;
        // Same name, so that the lines compare.
        const std::string path = dir.write("cut/" + fixture, whole);
        for (std::size_t n = whole.size(); n-- > 0;) {
            SCOPED_TRACE("cut at " + std::to_string(n));
            ASSERT_EQ(::truncate(path.c_str(), off_t(n)), 0);
            const std::vector<std::string> cut = ListBothWays(path).lines;
            ASSERT_TRUE(IsPrefix(cut, full));
            if (HasFailure())
                return;
        }
    }
}

TEST(ArchiveFuzz, MutatedArchivesNeverCrashHangOrRunAway)
{
    RecordingPrompter prompter;
    TempDir dir;
    std::mt19937 rng(20240611);
    for (const std::string& fixture : ArchiveFixtures()) {
        SCOPED_TRACE(fixture);
        const std::string whole = ReadFileBytes(ArchiveFixture(fixture));
        const std::string path = dir.file("mutated-" + fixture);
        for (int i = 0; i < MutationsPerFixture; ++i) {
            SCOPED_TRACE("mutation " + std::to_string(i));
            const std::string bytes = Mutate(whole, rng);
            Overwrite(path, bytes);
            const Listed listed = ListBothWays(path);
            // Every member line stands for at least one header byte.
            ASSERT_LE(listed.lines.size(), bytes.size());
            if (HasFailure())
                return;
        }
        prompter.boxes.clear();
    }
}
