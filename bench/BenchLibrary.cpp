#include "bench/BenchLibrary.h"

#include "bench/BenchCatalog.h"
#include "engine/start/AppFolders.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

BenchLibrary::BenchLibrary(int argc, char** argv, int lines)
{
    home_ = argc > 1 ? argv[1] : "";
    if (home_.empty()) {
        std::string tmpl = (std::filesystem::temp_directory_path() / "corvane-bench-XXXXXX").string();
        home_ = mkdtemp(tmpl.data());
        temporary_ = true;
    }
    SetAppFolders(home_);
    CreateOutputFolders();
    catalog_ = Folders().LibPath + "Bench.dat";
    WriteBenchCatalog(catalog_, lines);
    std::printf("catalog: %d lines, %.1f MiB\n", lines, FileMiB(catalog_));
}

BenchLibrary::~BenchLibrary()
{
    if (temporary_)
        std::filesystem::remove_all(home_);
}
