#pragma once

#include <cstdint>
#include <string>

// A rate template as listed (84 bytes on the wire): command-40 answers for
// margin-rate templates, command-41 answers for fee-rate templates.
namespace korvant {

struct RateTemplate {
    static constexpr int WireSize = 84;

    int32_t id = 0;         // 0
    std::string name;       // 4, char[64]
    std::string groupCode;  // 68, char[16]: the group that owns the template

    void toWire(uint8_t* record) const;

protected:
    void readWire(const uint8_t* record);
};

struct MarginTemplate : RateTemplate {
    static MarginTemplate fromWire(const uint8_t* record) {
        MarginTemplate t;
        t.readWire(record);
        return t;
    }
};

struct FeeTemplate : RateTemplate {
    static FeeTemplate fromWire(const uint8_t* record) {
        FeeTemplate t;
        t.readWire(record);
        return t;
    }
};

}  // namespace korvant
