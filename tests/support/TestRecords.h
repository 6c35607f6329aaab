#pragma once

#include <string>

#include "model/Group.h"

// Records built in memory for tests that fill a cache directly.
namespace korvant::test {

inline Group makeGroup(int id, int parentId, const std::string& code, const std::string& name) {
    Group g;
    g.id = id;
    g.parentId = parentId;
    g.groupCode = code;
    g.name = name;
    return g;
}

}  // namespace korvant::test
