#include "model/RateTemplate.h"

#include "model/WireFields.h"

namespace korvant {

// Where each field of a rate template lies in its record.
// clang-format off
constexpr WireFields rateTemplateFields{
    wireField(&RateTemplate::id, 0, 4),
    wireField(&RateTemplate::name, 4, 64),
    wireField(&RateTemplate::groupCode, 68, 16),
};
// clang-format on

void RateTemplate::readWire(const uint8_t* r) {
    rateTemplateFields.read(r, *this);
}

void RateTemplate::toWire(uint8_t* r) const {
    rateTemplateFields.write(*this, r);
}

}  // namespace korvant
