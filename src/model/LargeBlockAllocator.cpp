#include "model/LargeBlockAllocator.h"

#include <sys/mman.h>

#include <cstdint>

namespace korvant {
namespace {

constexpr std::size_t HugePage = std::size_t{2} << 20;
constexpr std::size_t SmallPage = 4096;

std::size_t roundUp(std::size_t bytes, std::size_t unit) {
    return (bytes + unit - 1) / unit * unit;
}

}  // namespace

// Whole huge pages when that adds at most a third (a tail of small pages is
// faulted in a page at a time), else whole small pages.
std::size_t largeBlockLength(std::size_t bytes) {
    const std::size_t small = roundUp(bytes, SmallPage);
    const std::size_t huge = roundUp(bytes, HugePage);
    return huge - small <= small / 3 ? huge : small;
}

void* allocateLargeBlock(std::size_t bytes) {
    if (bytes > std::size_t(-1) / 2) throw std::bad_alloc();
    const std::size_t length = largeBlockLength(bytes);
    // Map a huge page more than needed, then give back what lies before the
    // first boundary and after the end.
    void* mapped = ::mmap(nullptr, length + HugePage, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = roundUp(start, HugePage);
    if (aligned > start) ::munmap(mapped, aligned - start);
    const std::uintptr_t end = start + length + HugePage;
    if (end > aligned + length)
        ::munmap(reinterpret_cast<void*>(aligned + length), end - (aligned + length));
#ifdef MADV_HUGEPAGE
    // Only advice: without huge pages the block works the same.
    ::madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
#endif
    return reinterpret_cast<void*>(aligned);
}

void releaseLargeBlock(void* block, std::size_t bytes) noexcept {
    if (block) ::munmap(block, largeBlockLength(bytes));
}

}  // namespace korvant
