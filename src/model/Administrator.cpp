#include "model/Administrator.h"

#include "model/WireFields.h"

namespace korvant {

// Where each field of an administrator lies in its record.
// clang-format off
KORVANT_WIRE_RECORD(Administrator,
    wireField(&Administrator::account, 0, 16),
    wireField(&Administrator::password, 16, 16),
    wireField(&Administrator::permissionMask, 32, 4),
    wireField(&Administrator::groupName, 36, 32),
    wireField(&Administrator::groupId, 68, 4),
    wireField(&Administrator::name, 72, 32),
    wireField(&Administrator::multiLogin, 104, 4),
    wireField(&Administrator::allowedIps, 108, 4 * Administrator::IpCount),
    wireField(&Administrator::monitorFrom, 128, 4),
    wireField(&Administrator::monitorTo, 132, 4))
// clang-format on

}  // namespace korvant
