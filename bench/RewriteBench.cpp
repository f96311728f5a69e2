// Times the three catalog rewrites on a generated catalog of 1,000,000
// lines (the comment of its last entry, the catalog's comment, a root move
// that changes every line) against awk splitting the same file.
//   rewrite_bench [work folder] [LINES]   (default: a fresh folder under $TMPDIR, 1,000,000 lines)

#include "bench/BenchCatalog.h"
#include "bench/BenchLibrary.h"
#include "engine/catalog/CatalogLine.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "platform/fs/AtomicFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <sys/resource.h>

namespace {
constexpr int kRuns = 3;

void report(const char* what, const Timing& t, const Timing& awk)
{
    std::printf("%-28s %.3f s wall (%.2f x awk), %.3f s cpu\n", what, t.wall, t.wall / awk.wall, t.cpu);
}
} // namespace

int main(int argc, char** argv)
{
    const BenchLibrary library(argc, argv, argc > 2 ? std::max(12, std::atoi(argv[2])) : 1'000'000);
    const std::string& catalog = library.catalog();
    std::string text;
    ReadWholeFile(catalog, text);
    const std::size_t lastStart = text.rfind('\n', text.size() - 2) + 1;
    const std::string lastKey = ParseBodyLine(text.substr(lastStart, text.size() - 2 - lastStart)).key();
    const std::size_t rootAt = text.find(HeaderLabel(HeaderLine::RootDir)) + HeaderLabel(HeaderLine::RootDir).size();
    const std::string root = text.substr(rootAt, text.find('\r', rootAt) - rootAt);

    Problems problems;
    bool failed = false;
    // A rewrite that fails times nothing: the bench must fail with it.
    const auto written = [&](bool ok) {
        if (!ok) {
            failed = true;
            for (const Problem& p : std::exchange(problems.list, {}))
                std::fprintf(stderr, "%s\n", ProblemBoxText(p).c_str());
        }
    };
    Timing awk = TimeAwk(catalog, kRuns);
    std::printf("%-28s %.3f s wall, %.3f s cpu\n", "awk -F'>' '{print $1}':", awk.wall, awk.cpu);
    report("comment of the last entry:",
           BestOf(
               kRuns, [&] { written(ChangeComment("Bench.dat", lastKey, "note", problems) == CommentChange::Written); },
               RUSAGE_SELF),
           awk);
    report("catalog comment:",
           BestOf(
               kRuns, [&] { written(ChangeCommentLib("Bench.dat", "note", problems)); }, RUSAGE_SELF),
           awk);
    int move = 0;
    report("root move of every line:",
           BestOf(
               kRuns,
               [&] {
                   const std::string from = move % 2 ? "\\moved" : root, to = move % 2 ? root : "\\moved";
                   ++move;
                   written(ChangeRoot("Bench.dat", from, to, problems) == RootChange::Written);
               },
               RUSAGE_SELF),
           awk);
    if (failed)
        std::fprintf(stderr, "rewrite_bench: a rewrite failed; its figures mean nothing\n");
    return failed ? 1 : 0;
}
