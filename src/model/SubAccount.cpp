#include "model/SubAccount.h"

#include "model/WireFields.h"

namespace korvant {

// Where each field of a sub-account lies in its record.
// clang-format off
KORVANT_WIRE_RECORD(SubAccount,
    wireField(&SubAccount::account, 0, 16),
    wireField(&SubAccount::password, 16, 16),
    wireField(&SubAccount::groupName, 32, 32),
    wireField(&SubAccount::groupId, 64, 4),
    wireField(&SubAccount::name, 68, 32),
    wireField(&SubAccount::openDate, 100, 4),
    wireField(&SubAccount::mainAccount, 104, 16),
    wireField(&SubAccount::marginTemplate, 120, 64),
    wireField(&SubAccount::feeTemplate, 184, 64),
    wireField(&SubAccount::startInvestment, 248, 8),
    wireField(&SubAccount::mac, 256, 32),
    wireField(&SubAccount::priorityFunds, 288, 8),
    wireField(&SubAccount::remark, 296, 64),
    wireField(&SubAccount::options, 360, 4))
// clang-format on

}  // namespace korvant
