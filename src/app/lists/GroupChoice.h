#pragma once

#include <cstdint>
#include <string>

namespace korvant {

// One entry of a group combo: the group's id and name.
struct GroupChoice {
    int32_t id = 0;
    std::string name;
};

}  // namespace korvant
