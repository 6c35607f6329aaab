#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A small deterministic generator (splitmix64): the same seed gives the same
// data set on every machine and library.
namespace korvant::sim {

class Random {
public:
    // Neighbouring seeds start far apart: the seed goes through the mixer
    // (plain seed multiples would give streams one step apart).
    explicit Random(uint64_t seed) : state_(mix(seed + 0x632BE59BD9B4E019ULL)) {}

    uint64_t next() { return mix(state_ += 0x9E3779B97F4A7C15ULL); }
    // A value in [0, n); 0 when n is 0.
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<uint64_t>(n)); }
    int between(int from, int to) { return from + below(to - from + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T>
    const T& pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

private:
    static uint64_t mix(uint64_t z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    uint64_t state_;
};

}  // namespace korvant::sim
