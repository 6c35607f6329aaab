#include "model/Administrator.h"
#include "model/ContractVariety.h"
#include "model/Group.h"
#include "model/MainAccount.h"
#include "model/RateTemplate.h"
#include "model/SubAccount.h"
#include "model/WireFields.h"

// Where each field of the model's records lies on the wire: one table a
// record, read by its fromWire and written by its toWire.
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
    return decodeWire<Group, partialGroupFields>(r);
}

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

// Where each field of a main account lies in its record.
// clang-format off
KORVANT_WIRE_RECORD(MainAccount,
    wireField(&MainAccount::account, 0, 16),
    wireField(&MainAccount::initialFunds, 16, 8),
    wireField(&MainAccount::distributableFunds, 24, 8),
    wireField(&MainAccount::startInvestment, 32, 8),
    wireField(&MainAccount::priorityFunds, 40, 8),
    wireField(&MainAccount::feeRates, 48, 8 * MainAccount::FeeRateCount))
// clang-format on

// Where each field of a main account's link lies in its record.
// clang-format off
KORVANT_WIRE_RECORD(MainAccountLink,
    wireField(&MainAccountLink::account, 0, 16),
    wireField(&MainAccountLink::distributableFunds, 16, 8))
// clang-format on

// Where each field of a contract lies in its record.
// clang-format off
KORVANT_WIRE_RECORD(ContractVariety,
    wireField(&ContractVariety::contractCode, 0, 32),
    wireField(&ContractVariety::productCode, 32, 32),
    wireField(&ContractVariety::exchangeCode, 64, 16))
// clang-format on

// Where each field of a rate template lies in its record.
// clang-format off
constexpr WireFields rateTemplateFields{
    wireField(&RateTemplate::id, 0, 4),
    wireField(&RateTemplate::name, 4, 64),
    wireField(&RateTemplate::groupCode, 68, 16),
};
// clang-format on

void RateTemplate::readWire(const uint8_t* r) {
    korvant::readWire<rateTemplateFields>(r, *this);
}

void RateTemplate::toWire(uint8_t* r) const {
    writeWire<rateTemplateFields>(*this, r);
}

}  // namespace korvant
