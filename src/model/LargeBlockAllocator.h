#pragma once

#include <cstddef>
#include <new>

// The allocator of the record caches. A cache of the start-up lists holds
// megabytes written once, page by page, as they arrive; touching them a
// 4 KiB page at a time costs more than reading them from the socket. Blocks
// of 2 MiB and more are therefore mapped on a 2 MiB boundary and offered to
// the kernel for huge pages; smaller ones come from operator new.
namespace korvant {

void* allocateLargeBlock(std::size_t bytes);
void releaseLargeBlock(void* block, std::size_t bytes) noexcept;
// The bytes a large block of `bytes` takes in memory.
std::size_t largeBlockLength(std::size_t bytes);

inline constexpr std::size_t LargeBlockThreshold = std::size_t{2} << 20;

template <class T>
struct LargeBlockAllocator {
    using value_type = T;

    LargeBlockAllocator() noexcept = default;
    template <class U>
    LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        if (n > std::size_t(-1) / sizeof(T)) throw std::bad_array_new_length();
        const std::size_t bytes = n * sizeof(T);
        if (bytes >= LargeBlockThreshold) return static_cast<T*>(allocateLargeBlock(bytes));
        return static_cast<T*>(::operator new (bytes, std::align_val_t{alignof(T)}));
    }
    void deallocate(T* p, std::size_t n) noexcept {
        const std::size_t bytes = n * sizeof(T);
        if (bytes >= LargeBlockThreshold)
            releaseLargeBlock(p, bytes);
        else
            ::operator delete (p, std::align_val_t{alignof(T)});
    }

    template <class U>
    bool operator==(const LargeBlockAllocator<U>&) const noexcept {
        return true;
    }
};

}  // namespace korvant
