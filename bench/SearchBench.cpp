// Runs the catalog search over every catalog of a library folder and prints
// each hit as DiskID>Dir>Name>Size>Date>Comment (UTF-8, line breaks of the
// comment written as \n). The time and any notice go to stderr.
//   search_bench LIBRARY EXPRESSION [--type T] [--filter PATTERNS] [--max N] [--ignore-max]

#include "engine/catalog/CommentCodec.h"
#include "engine/search/LibrarySearch.h"
#include "engine/text/PathHelpers.h"
#include "engine/text/StringHelpers.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>
#include <sys/resource.h>

namespace {
int usage()
{
    std::fprintf(stderr, "usage: search_bench LIBRARY EXPRESSION [--type T] [--filter PATTERNS] "
                         "[--max N] [--ignore-max]\n");
    return 2;
}

// The comment on one line: each line break becomes the two characters \n.
std::string oneLine(std::string_view comment)
{
    std::string line;
    for (char c : NormalizeLineBreaks(comment))
        if (c == '\n')
            line += "\\n";
        else if (c != '\r')
            line += c;
    return line;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return usage();
    FindRequest request;
    request.LibraryFolder = AddSlash(argv[1]);
    request.Expression = argv[2];
    FindSession session;
    session.MaxHit = std::numeric_limits<std::int64_t>::max();
    for (int i = 3; i < argc; ++i) {
        std::string_view arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--type" && hasValue) {
            request.DriveType = argv[++i];
        } else if (arg == "--filter" && hasValue) {
            request.FileFilter = argv[++i];
        } else if (arg == "--max" && hasValue) {
            std::string_view n = argv[++i];
            auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), session.MaxHit);
            if (ec != std::errc() || end != n.data() + n.size())
                return usage();
        } else if (arg == "--ignore-max") {
            session.IgnoreMaxHit = true;
        } else {
            return usage();
        }
    }

    static char buffer[1 << 20];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    std::size_t catalogs = 0;
    std::string line;
    auto start = std::chrono::steady_clock::now();
    RunFind(
        request, session,
        [&](std::vector<FindHit>&& hits) {
            for (const FindHit& h : hits) {
                const FindReportRow& r = h.Row;
                line.clear();
                for (const std::string* field : {&r.DiskID, &r.Directory, &r.File, &r.Size, &r.Date}) {
                    line += *field;
                    line += '>';
                }
                line += oneLine(r.Comment);
                line += '\n';
                std::fwrite(line.data(), 1, line.size(), stdout);
            }
        },
        [&](const FindProgress& p) { catalogs = p.catalogCount; });
    std::fflush(stdout);
    std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

    if (session.limitReached())
        std::fprintf(stderr, "the limit of %lld hits was reached\n", static_cast<long long>(session.MaxHit));
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::fprintf(stderr, "%lld hits in %zu catalogs: %.3f s, peak memory %ld MiB\n",
                 static_cast<long long>(session.HitCount), catalogs, took.count(), ru.ru_maxrss / 1024);
    return 0;
}
