#include "model/LargeBlockAllocator.h"

#include <sys/mman.h>

#include <cstdint>
#include <mutex>
#include <new>
#include <unordered_map>
#include <utility>
#include <vector>

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

namespace {

// Maps a fresh block of `length` bytes on a huge-page boundary.
void* mapBlock(std::size_t length) {
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

constexpr std::size_t MaxSpareBlocks = 2;
constexpr std::size_t MaxSpareLength = std::size_t{256} << 20;

// The blocks in use with their mapped lengths, and the last released ones,
// kept for the next list of about the same size: a list read again (a
// refresh, the next login) then writes into pages it already has instead
// of having fresh ones zeroed and faulted in.
struct Blocks {
    Blocks() { spare.reserve(MaxSpareBlocks); }
    std::mutex mutex;
    std::unordered_map<void*, std::size_t> inUse;
    std::vector<std::pair<void*, std::size_t>> spare;
};
Blocks& blocks() {
    static Blocks* b = new Blocks;  // outlives every cache, also at exit
    return *b;
}

}  // namespace

void* allocateLargeBlock(std::size_t bytes) {
    if (bytes > std::size_t(-1) / 2) throw std::bad_alloc();
    const std::size_t length = largeBlockLength(bytes);
    Blocks& b = blocks();
    std::lock_guard<std::mutex> lock(b.mutex);
    // A spare block that fits without wasting more than its own size.
    for (auto it = b.spare.begin(); it != b.spare.end(); ++it) {
        if (it->second >= length && it->second / 2 <= length) {
            const auto [block, kept] = *it;
            b.spare.erase(it);
            b.inUse.emplace(block, kept);
            return block;
        }
    }
    void* block = mapBlock(length);
    b.inUse.emplace(block, length);
    return block;
}

void releaseLargeBlock(void* block, std::size_t bytes) noexcept {
    if (block == nullptr) return;
    Blocks& b = blocks();
    std::lock_guard<std::mutex> lock(b.mutex);
    std::size_t length = largeBlockLength(bytes);
    if (auto it = b.inUse.find(block); it != b.inUse.end()) {
        length = it->second;
        b.inUse.erase(it);
    }
    if (length <= MaxSpareLength) {
        if (b.spare.size() == MaxSpareBlocks) {
            ::munmap(b.spare.front().first, b.spare.front().second);
            b.spare.erase(b.spare.begin());
        }
        b.spare.emplace_back(block, length);
        return;
    }
    ::munmap(block, length);
}

}  // namespace korvant
