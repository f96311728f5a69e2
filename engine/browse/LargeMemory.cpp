#include "engine/browse/LargeMemory.h"

#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace {
constexpr std::size_t HugePage = std::size_t(2) << 20;

// Just before every block: how it was got. A large block is a mapping of its
// own (its header on the page before it), so that freeing it gives the memory
// back at once; malloc would keep it for the next load, whose peak then grew.
struct alignas(16) Header {
    char* mapping; // nullptr: the block came from malloc
    std::size_t length;
};
} // namespace

void* AllocateLarge(std::size_t bytes)
{
    if (bytes < HugePage) {
        auto* h = static_cast<Header*>(std::malloc(sizeof(Header) + bytes));
        if (!h)
            throw std::bad_alloc();
        *h = Header{nullptr, 0};
        return h + 1;
    }
    const auto page = std::size_t(::sysconf(_SC_PAGESIZE));
    const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
    const std::size_t length = rounded + HugePage + page;
    void* m = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (m == MAP_FAILED)
        throw std::bad_alloc();
    auto* mapping = static_cast<char*>(m);
    const auto first = reinterpret_cast<std::uintptr_t>(mapping) + page;
    char* block = mapping + (first + HugePage - 1) / HugePage * HugePage - reinterpret_cast<std::uintptr_t>(mapping);
    ::madvise(block, rounded, MADV_HUGEPAGE); // a hint: nothing else changes without it
    reinterpret_cast<Header*>(block)[-1] = Header{mapping, length};
    return block;
}

void FreeLarge(void* p) noexcept
{
    if (!p)
        return;
    Header* h = static_cast<Header*>(p) - 1;
    if (h->mapping)
        ::munmap(h->mapping, h->length);
    else
        std::free(h);
}
