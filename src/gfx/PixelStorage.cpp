#include "gfx/PixelStorage.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <new>

namespace gfx {
namespace {

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELMORA_PIXELS_FROM_HEAP 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VELMORA_PIXELS_FROM_HEAP 1
#endif

#ifdef VELMORA_PIXELS_FROM_HEAP
// Under the address sanitizer every block comes from the heap, where overruns are caught.
constexpr bool kHugeBlocks = false;
#else
constexpr bool kHugeBlocks = true;
#endif

size_t RoundToHugePages(size_t bytes) { return (bytes + kHugePageSize - 1) / kHugePageSize * kHugePageSize; }

bool IsHugeBlock(size_t bytes) { return kHugeBlocks && bytes >= kHugePixelBlock; }

}  // namespace

void* AllocatePixels(size_t bytes) {
    if (!IsHugeBlock(bytes)) {
        if (void* block = std::malloc(bytes ? bytes : 1)) return block;
        throw std::bad_alloc();
    }
    // A mapping of its own, aligned to a huge page: freeing it gives the memory back at
    // once, so huge pages never linger under the small blocks of the heap.
    const size_t size = RoundToHugePages(bytes);
    void* raw = mmap(nullptr, size + kHugePageSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t aligned = (start + kHugePageSize - 1) & ~(uintptr_t(kHugePageSize) - 1);
    if (aligned > start) munmap(raw, aligned - start);
    if (const uintptr_t tail = start + size + kHugePageSize - (aligned + size); tail > 0)
        munmap(reinterpret_cast<void*>(aligned + size), tail);
    // Only advice: where the kernel has no huge pages to give, small pages serve.
    madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

void FreePixels(void* block, size_t bytes) {
    if (!block) return;
    if (IsHugeBlock(bytes)) munmap(block, RoundToHugePages(bytes));
    else std::free(block);
}

}  // namespace gfx
