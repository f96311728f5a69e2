#include "engine/browse/LargeMemory.h"

#include <algorithm>
#include <cstdlib>
#include <sys/mman.h>

namespace {
constexpr std::size_t kHugePage = std::size_t(2) << 20;
}

void* AllocateLarge(std::size_t bytes)
{
    void* p = nullptr;
    if (bytes < kHugePage) {
        p = std::malloc(std::max(bytes, std::size_t(1)));
    } else {
        std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        p = std::aligned_alloc(kHugePage, rounded);
        if (p)
            ::madvise(p, rounded, MADV_HUGEPAGE); // a hint: nothing else changes without it
    }
    if (!p)
        throw std::bad_alloc();
    return p;
}

void FreeLarge(void* p) noexcept
{
    std::free(p);
}
