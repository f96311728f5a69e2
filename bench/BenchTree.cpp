#include "bench/BenchTree.h"

#include <fstream>
#include <string>

void BuildBenchTree(const std::filesystem::path& root, int folders)
{
    for (int d = 0; d < folders; ++d) {
        // Two levels: 50 top folders of 100 folders each.
        auto dir = root / ("top" + std::to_string(d / 100)) / ("dir" + std::to_string(d));
        std::filesystem::create_directories(dir);
        for (int f = 0; f < BenchTreeFilesPerFolder; ++f)
            std::ofstream(dir / ("file" + std::to_string(f) + ".txt")) << std::string(f * 37, 'x');
    }
}
