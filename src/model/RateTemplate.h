#pragma once

#include <cstdint>
#include <string>

#include "model/WireFields.h"

// A rate template as listed: command-40 answers for margin-rate templates,
// command-41 answers for fee-rate templates, the same record.
namespace korvant {

struct RateTemplate {
    static constexpr int WireSize = 84;

    int32_t id = 0;
    std::string name;
    std::string groupCode;  // the group that owns the template

    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&RateTemplate::id, 0, 4), wireField(&RateTemplate::name, 4, 64),
        wireField(&RateTemplate::groupCode, 68, 16));

    void toWire(uint8_t* record) const { writeWire<wireFields>(*this, record); }
};

struct MarginTemplate : RateTemplate {
    static MarginTemplate fromWire(const uint8_t* record) {
        MarginTemplate t;
        readWire<wireFields>(record, t);
        return t;
    }
};

struct FeeTemplate : RateTemplate {
    static FeeTemplate fromWire(const uint8_t* record) {
        FeeTemplate t;
        readWire<wireFields>(record, t);
        return t;
    }
};

}  // namespace korvant
