#pragma once
// Memory for pixel rows. A picture of a window's size is touched page by page the first
// time it is painted, and on a virtual machine each of those page faults costs more than
// painting the page. Large blocks are therefore offered to the kernel as transparent huge
// pages: one fault per 2 MiB instead of one per 4 KiB. Small blocks come from the heap as
// usual.

#include <cstddef>
#include <cstdint>

namespace gfx {

// Blocks from this size on are mappings of their own, aligned and rounded up to whole huge
// pages.
inline constexpr size_t kHugePixelBlock = size_t(1) << 20;
inline constexpr size_t kHugePageSize = size_t(2) << 20;

// Memory for `bytes` bytes (not cleared); throws std::bad_alloc. FreePixels takes the
// same size back.
void* AllocatePixels(size_t bytes);
void FreePixels(void* block, size_t bytes);

template <class T>
struct PixelAllocator {
    using value_type = T;
    PixelAllocator() = default;
    template <class U>
    PixelAllocator(const PixelAllocator<U>&) {}
    T* allocate(size_t n) { return static_cast<T*>(AllocatePixels(n * sizeof(T))); }
    void deallocate(T* p, size_t n) { FreePixels(p, n * sizeof(T)); }
    template <class U>
    bool operator==(const PixelAllocator<U>&) const { return true; }
};

}  // namespace gfx
