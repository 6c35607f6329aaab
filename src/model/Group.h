#pragma once

#include <cstdint>
#include <string>

// A group of the group tree: 156 bytes on the wire (command-94 answers).
// The root has an empty code, a first-level group a 2-character code and a
// second-level group a 4-character code.
namespace korvant {

struct Group {
    static constexpr int WireSize = 156;

    std::string name;                // 0, char[32]
    int32_t id = 0;                  // 32
    std::string alias;               // 36, char[32]; kept, read by no operation
    int32_t parentId = 0;            // 68
    std::string tag;                 // 72, char[16]; kept, read by no operation
    std::string remark;              // 88, char[32]
    int32_t referenceValue = 0;      // 120, sent back unchanged on modify
    int32_t extraValue = 0;          // 124; kept, read by no operation
    std::string groupCode;           // 128, char[16]
    int32_t allowedSubAccounts = 0;  // 144
    int32_t subAccountFrom = 0;      // 148
    int32_t subAccountTo = 0;        // 152

    static Group fromWire(const uint8_t* record);
    // Only the name, id, alias, parent id and remark: what a command-94
    // answer routed through the dispatcher leaves in the cache.
    static Group partialFromWire(const uint8_t* record);
    void toWire(uint8_t* record) const;

    // The group level as the accounts view uses it: the length of the code
    // (0 root, 2 first level, 4 second level; other lengths are no level).
    int level() const { return static_cast<int>(groupCode.size()); }
};

}  // namespace korvant
