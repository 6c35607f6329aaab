#pragma once

#include <cstdint>
#include <string>

#include "SimState.h"

// The data sets the server starts with, generated from a seed:
// "demo" (small and realistic), "large" (for benchmarks) and "empty" (the
// root group and one administrator).
namespace korvant::sim {

// Fills `state` with the named data set; false for an unknown name.
bool buildDataSet(const std::string& name, uint32_t seed, SimState& state);

void buildDemo(uint32_t seed, SimState& state);
void buildLarge(uint32_t seed, SimState& state);
void buildEmpty(SimState& state);

}  // namespace korvant::sim
