#include "model/Group.h"

#include "model/WireFields.h"

namespace korvant {

// Where each field of a group lies in its record.
// clang-format off
KORVANT_WIRE_RECORD(Group,
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
    wireField(&Group::subAccountTo, 152, 4))
// clang-format on

// The name, id, alias, parent id and remark.
constexpr auto partialGroupFields = GroupFields.pick<0, 1, 2, 3, 5>();

Group Group::partialFromWire(const uint8_t* r) {
    return partialGroupFields.decode<Group>(r);
}

}  // namespace korvant
