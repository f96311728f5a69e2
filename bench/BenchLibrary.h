#pragma once
// The program folders of a benchmark that works on the library: argv[1], or
// a fresh folder under $TMPDIR (/tmp) that is removed again at the end, holding the
// generated catalog "Bench.dat" in LibPath.

#include <string>

class BenchLibrary {
public:
    BenchLibrary(int argc, char** argv, int lines);
    ~BenchLibrary();
    BenchLibrary(const BenchLibrary&) = delete;
    BenchLibrary& operator=(const BenchLibrary&) = delete;

    const std::string& catalog() const { return catalog_; } // its whole path

private:
    std::string home_;
    bool temporary_ = false;
    std::string catalog_;
};
