#pragma once

#include <cstdint>
#include <string>

#include "model/WireFields.h"

// A group of the group tree: one record of the command-94 answers.
// The root has an empty code, a first-level group a 2-character code and a
// second-level group a 4-character code.
namespace korvant {

struct Group {
    static constexpr int WireSize = 156;

    std::string name;
    int32_t id = 0;
    std::string alias;  // kept, read by no operation
    int32_t parentId = 0;
    std::string tag;  // kept, read by no operation
    std::string remark;
    int32_t referenceValue = 0;  // sent back unchanged on modify
    int32_t extraValue = 0;      // kept, read by no operation
    std::string groupCode;
    int32_t allowedSubAccounts = 0;
    int32_t subAccountFrom = 0;
    int32_t subAccountTo = 0;

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&Group::name, 0, 32),
        wireField(&Group::id, 32, 4),
        wireField(&Group::alias, 36, 32),
        wireField(&Group::parentId, 68, 4),
        wireField(&Group::tag, 72, 16),
        wireField(&Group::remark, 88, 32),
        wireField(&Group::referenceValue, 120, 4),
        wireField(&Group::extraValue, 124, 4),
        wireField(&Group::groupCode, 128, 16),
        wireField(&Group::allowedSubAccounts, 144, 4),
        wireField(&Group::subAccountFrom, 148, 4),
        wireField(&Group::subAccountTo, 152, 4));
    // clang-format on
    // Only the name, id, alias, parent id and remark: what a command-94
    // answer routed through the dispatcher leaves in the cache.
    static constexpr auto partialWireFields = wireFields.pick<0, 1, 2, 3, 5>();

    static Group fromWire(const uint8_t* record) { return decodeWire<Group>(record); }
    static Group partialFromWire(const uint8_t* record) {
        return decodeWire<Group, partialWireFields>(record);
    }
    void toWire(uint8_t* record) const { writeWire(*this, record); }

    // The group level as the accounts view uses it: the length of the code
    // (0 root, 2 first level, 4 second level; other lengths are no level).
    int level() const { return static_cast<int>(groupCode.size()); }
};

}  // namespace korvant
