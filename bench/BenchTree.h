#pragma once
// A generated folder tree for the scan benchmarks: by default 100,000 small
// files in 5,000 folders, two levels deep.

#include <filesystem>

inline constexpr int BenchTreeFolders = 5000;
inline constexpr int BenchTreeFilesPerFolder = 20;

void BuildBenchTree(const std::filesystem::path& root, int folders = BenchTreeFolders);
