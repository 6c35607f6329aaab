#pragma once

#include <string>

namespace korvant {

// A group as an operation names it: its id, code and name (the group
// selected in the desk's groups tree, or the one a command names).
struct CurrentGroup {
    int id = -1;  // -1 = none; the root group has id 1
    std::string code;
    std::string name;
    // Length of the code: 0 root, 2 first level, 4 second level.
    int level() const { return static_cast<int>(code.size()); }
};

}  // namespace korvant
