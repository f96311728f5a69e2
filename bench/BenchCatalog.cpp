#include "bench/BenchCatalog.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
std::string albumFolder(long album)
{
    std::string folder = "\\home\\ann\\music\\artist" + std::to_string(album / 4096) + "\\year" +
                         std::to_string(1960 + album / 64 % 64) + "\\album" + std::to_string(album % 64) + "\\";
    if (album % 2 == 1)
        folder += "CD" + std::to_string(album % 3 + 1) + "\\";
    return folder;
}
} // namespace

void WriteBenchCatalog(const std::string& path, int lines, bool oneFolder, double foldersPerFile)
{
    std::ofstream out(path, std::ios::binary);
    out << ">Fixed\r\n>Serial 1A2B3C4D\r\n>Volume DATA\r\n>Free 51200 MB\r\n>Total 102400 MB\r\n"
           ">Root Dir \\home\\ann\r\n>Recursive Dir True\r\n>Search zip content True\r\n"
           ">Enable comment True\r\n>Search *.*\r\n>Comment bench\r\n";
    std::string line;
    for (int i = 0; i < lines - 11; ++i) {
        if (foldersPerFile > 0) {
            line = albumFolder(long(i * foldersPerFile));
        } else {
            line = "\\home\\ann\\photos\\";
            if (!oneFolder)
                line += std::to_string(2000 + i % 20) + "\\trip" + std::to_string(i % 97) + "\\";
        }
        if (i % 10 == 0)
            line += "archive" + std::to_string(i) + ".zip/docs\\page" + std::to_string(i) + ".html>" +
                    std::to_string(i % 5000) + " Kb/01/02/2003>Found in zipfile :archive" + std::to_string(i) + ".zip<";
        else if (i % 10 == 1)
            line += "index" + std::to_string(i) + ".html>" + std::to_string(i % 700) +
                    " Kb/15/06/2010>Holiday pictures & notes<";
        else
            line += "IMG_" + std::to_string(i) + ".jpg>" + std::to_string(i % 9000) + " Kb/31/12/2019";
        out << line << "\r\n";
    }
}

namespace {
double cpuSeconds(int who)
{
    rusage u{};
    getrusage(who, &u);
    auto sec = [](timeval t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return sec(u.ru_utime) + sec(u.ru_stime);
}
} // namespace

Timing BestOf(int runs, const std::function<void()>& run, int who)
{
    Timing t;
    for (int i = 0; i < runs; ++i) {
        double cpu = cpuSeconds(who);
        auto start = std::chrono::steady_clock::now();
        run();
        std::chrono::duration<double> d = std::chrono::steady_clock::now() - start;
        t.wall = std::min(t.wall, d.count());
        if (i == 0)
            t.firstWall = d.count();
        t.cpu = std::min(t.cpu, cpuSeconds(who) - cpu);
    }
    return t;
}

Timing TimeAwk(const std::string& path, int runs)
{
    const std::string awk = "awk -F'>' '{print $1}' '" + path + "' >/dev/null";
    return BestOf(
        runs,
        [&] {
            if (std::system(awk.c_str()) != 0)
                std::fprintf(stderr, "awk failed\n");
        },
        RUSAGE_CHILDREN);
}

double FileMiB(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? double(st.st_size) / (1 << 20) : 0;
}
