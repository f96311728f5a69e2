// Dumps 64 MiB of random bytes through the hex-dump library and times xxd on
// the same file.   quexel_bench [MiB]

#include "platform/hexdump/QuexelLoader.h"
#include "platform/prompter/ConsolePrompter.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

namespace {

constexpr int Rounds = 3;

double BestSeconds(const std::function<void()>& work)
{
    double best = 1e9;
    for (int i = 0; i < Rounds; ++i) {
        auto start = std::chrono::steady_clock::now();
        work();
        std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void Report(const char* what, double seconds, int mib)
{
    std::printf("%-44s %8.1f ms  %8.1f MiB/s\n", what, seconds * 1e3, mib / seconds);
}

} // namespace

int main(int argc, char** argv)
{
    const int mib = argc > 1 ? std::max(1, std::atoi(argv[1])) : 64;
    const std::size_t size = std::size_t(mib) << 20;
    std::string data(size, '\0');
    std::mt19937 gen(7);
    for (std::size_t i = 0; i < size; i += 4) {
        auto word = gen();
        for (int k = 0; k < 4; ++k)
            data[i + k] = char(word >> (8 * k));
    }
    std::string file = (std::filesystem::temp_directory_path() / "quexel-bench-XXXXXX").string();
    char* path = file.data();
    int fd = mkstemp(path);
    if (fd < 0 || write(fd, data.data(), size) != ssize_t(size)) {
        std::perror("temporary file");
        return 1;
    }
    close(fd);

    ConsolePrompter prompter;
    QuexelLoader loader(prompter, QUEXEL_DIR); // the library sits in the build folder's top
    std::string text;
    double dump = BestSeconds([&] { text = loader.dump(data); });
    if (text.size() != size / 16 * 80)
        return 1;
    double whole = BestSeconds([&] {
        std::ifstream in(path, std::ios::binary);
        std::string bytes(size, '\0');
        in.read(bytes.data(), std::streamsize(size));
        std::string out = loader.dump(bytes);
        std::FILE* null = std::fopen("/dev/null", "wb");
        std::fwrite(out.data(), 1, out.size(), null);
        std::fclose(null);
    });
    auto xxd = [&](const char* options) {
        std::string command = std::string("xxd ") + options + " " + path + " > /dev/null";
        return BestSeconds([&] {
            if (std::system(command.c_str()) != 0)
                std::exit(1);
        });
    };
    std::printf("%d MiB of random bytes, best of %d\n", mib, Rounds);
    Report("FileToQuexel through the loader", dump, mib);
    Report("file -> FileToQuexel -> /dev/null", whole, mib);
    Report("xxd file > /dev/null", xxd(""), mib);
    Report("xxd -g1 -u file > /dev/null", xxd("-g1 -u"), mib);
    std::remove(path);
    return 0;
}
