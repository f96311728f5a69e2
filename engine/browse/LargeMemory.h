#pragma once
// Memory for the large arrays of a loaded catalog. From 2 MiB on it is asked
// for in transparent huge pages: on a virtual machine every 4 KiB page that a
// pass over a catalog touches costs a page-table walk, which made loading
// several times slower.

#include <cstddef>
#include <new>
#include <vector>

// Throws std::bad_alloc.
void* AllocateLarge(std::size_t bytes);
void FreeLarge(void* p) noexcept;

template <class T> struct LargeAllocator {
    using value_type = T;
    LargeAllocator() = default;
    template <class U> LargeAllocator(const LargeAllocator<U>&) {}
    T* allocate(std::size_t n) { return static_cast<T*>(AllocateLarge(n * sizeof(T))); }
    void deallocate(T* p, std::size_t) noexcept { FreeLarge(p); }
    template <class U> bool operator==(const LargeAllocator<U>&) const { return true; }
};

template <class T> using LargeVector = std::vector<T, LargeAllocator<T>>;
