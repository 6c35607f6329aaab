#pragma once

#include <cstdint>
#include <string>

#include "SimState.h"

// The data sets the server starts with, generated from a seed:
// "demo" (small and realistic), "large" (for benchmarks) and "empty" (the
// root group and one administrator).
namespace korvant::sim {

// Fills `state` with the named data set; false for an unknown name.
// `scale` multiplies the customers of each desk of the large set.
bool buildDataSet(const std::string& name, uint32_t seed, SimState& state, int scale = 1);

void buildDemo(uint32_t seed, SimState& state);
void buildLarge(uint32_t seed, SimState& state, int scale = 1);

// The month of the large set (scale 1) whose trades of the whole tree
// (group 1) number at least LargeSetTrades (1 350 626 with seed 1).
inline constexpr int32_t LargeSetMonthFrom = 20261101;
inline constexpr int32_t LargeSetMonthTo = 20261130;
inline constexpr int64_t LargeSetTrades = 1000000;
void buildEmpty(SimState& state);

}  // namespace korvant::sim
