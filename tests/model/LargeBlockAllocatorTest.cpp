#include <gtest/gtest.h>

#include <cstdint>

#include "model/LargeBlockAllocator.h"
#include "model/RecordCache.h"
#include "model/RiskStrategy.h"

namespace korvant {
namespace {

TEST(LargeBlockAllocator, LargeBlocksStartOnAHugePageAndKeepTheirRecordsWhenTheArrayGrows) {
    RecordArray<RiskStrategy> records;
    records.reserve(1200);  // 2.7 MiB
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(records.data()) % (std::size_t{2} << 20), 0u);
    for (int i = 0; i < 3000; ++i) {
        RiskStrategy r;
        r.raw[0] = static_cast<uint8_t>(i);
        r.raw[RiskStrategy::WireSize - 1] = static_cast<uint8_t>(i >> 8);
        records.push_back(r);
    }
    for (int i = 0; i < 3000; ++i) {
        ASSERT_EQ(records[i].raw[0], static_cast<uint8_t>(i));
        ASSERT_EQ(records[i].raw[RiskStrategy::WireSize - 1], static_cast<uint8_t>(i >> 8));
    }
    records.clear();
    records.shrink_to_fit();
    EXPECT_EQ(records.capacity(), 0u);
}

TEST(LargeBlockAllocator, AReleasedBlockServesTheNextListOfAboutItsSize) {
    constexpr std::size_t MiB = std::size_t{1} << 20;
    void* first = allocateLargeBlock(5 * MiB);
    static_cast<char*>(first)[5 * MiB - 1] = 1;
    releaseLargeBlock(first, 5 * MiB);
    void* again = allocateLargeBlock(4 * MiB + 1);  // the same 6 MiB mapping fits
    EXPECT_EQ(again, first);
    releaseLargeBlock(again, 4 * MiB + 1);
    void* small = allocateLargeBlock(2 * MiB);  // it would waste more than its own size
    EXPECT_NE(small, again);
    releaseLargeBlock(small, 2 * MiB);
}

TEST(LargeBlockAllocator, MappedLengthIsWholeHugePagesOnlyWhenThatAddsAtMostAThird) {
    constexpr std::size_t MiB = std::size_t{1} << 20;
    EXPECT_EQ(largeBlockLength(2 * MiB), 2 * MiB);
    EXPECT_EQ(largeBlockLength(4 * MiB + 1), 4 * MiB + 4096);
    EXPECT_EQ(largeBlockLength(5 * MiB), 6 * MiB);
    EXPECT_EQ(largeBlockLength(3 * MiB + 1), 4 * MiB);
}

}  // namespace
}  // namespace korvant
