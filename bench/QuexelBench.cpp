// Dumps 64 MiB of random bytes through the hex-dump library and times xxd on
// the same file. Run from the build folder's top, beside libQuexel.so.

#include "platform/hexdump/QuexelLoader.h"
#include "platform/prompter/ConsolePrompter.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <random>
#include <string>

namespace {

constexpr std::size_t Size = 64u << 20;
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

void Report(const char* what, double seconds)
{
    std::printf("%-44s %8.1f ms  %8.1f MiB/s\n", what, seconds * 1e3, 64 / seconds);
}

} // namespace

int main()
{
    std::string data(Size, '\0');
    std::mt19937 gen(7);
    for (std::size_t i = 0; i < Size; i += 4) {
        auto word = gen();
        for (int k = 0; k < 4; ++k)
            data[i + k] = char(word >> (8 * k));
    }
    char path[] = "/tmp/quexel-bench-XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0 || write(fd, data.data(), Size) != ssize_t(Size)) {
        std::perror("temporary file");
        return 1;
    }
    close(fd);

    ConsolePrompter prompter;
    QuexelLoader loader(prompter, QUEXEL_DIR); // the library sits in the build folder's top
    std::string text;
    double dump = BestSeconds([&] { text = loader.dump(data); });
    if (text.size() != Size / 16 * 80)
        return 1;
    double whole = BestSeconds([&] {
        std::ifstream in(path, std::ios::binary);
        std::string bytes(Size, '\0');
        in.read(bytes.data(), std::streamsize(Size));
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
    std::printf("64 MiB of random bytes, best of %d\n", Rounds);
    Report("FileToQuexel through the loader", dump);
    Report("file -> FileToQuexel -> /dev/null", whole);
    Report("xxd file > /dev/null", xxd(""));
    Report("xxd -g1 -u file > /dev/null", xxd("-g1 -u"));
    std::remove(path);
    return 0;
}
