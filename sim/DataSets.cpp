#include "DataSets.h"

#include "DataCatalogue.h"

namespace korvant::sim {

bool buildDataSet(const std::string& name, uint32_t seed, SimState& state, int scale) {
    state = SimState();
    if (name == "demo")
        buildDemo(seed, state);
    else if (name == "large")
        buildLarge(seed, state, scale);
    else if (name == "empty")
        buildEmpty(state);
    else
        return false;
    return true;
}

void buildEmpty(SimState& state) {
    state.groups.push_back({1, 0, "", "Korvant平台", "", 1, 0, 0, 0});
    state.administrators.push_back(makeAdministrator("admin", "admin", "系统管理员", 1, 0xFFFFF));
    state.nextGroupId = 2;
}

}  // namespace korvant::sim
