#pragma once

#include <string>
#include <vector>

#include "model/Administrator.h"
#include "model/MainAccount.h"
#include "model/RawValue.h"
#include "model/SubAccount.h"

// The raw fields of the account records for scripts (korvant-cli --format
// json): stable ASCII names and the values as received, numbers as numbers
// and codes as codes, where the lists of AccountColumns.h show display texts.
namespace korvant {

// account, password, permissionMask, groupName, groupId, name, multiLogin,
// allowedIps (dotted addresses, comma-separated; empty: every address),
// monitorFrom, monitorTo.
const std::vector<std::string>& administratorFieldNames();
std::vector<RawValue> administratorRawValues(const Administrator& admin);

// account, initialFunds (0: not limited), distributableFunds,
// priorityFunds, startInvestment, managementFeeRate, custodyFeeRate,
// feeRate3, feeRate4, feeRate5.
const std::vector<std::string>& mainAccountFieldNames();
std::vector<RawValue> mainAccountRawValues(const MainAccount& account);

// account, distributableFunds.
const std::vector<std::string>& mainAccountLinkFieldNames();
std::vector<RawValue> mainAccountLinkRawValues(const MainAccountLink& link);

// account, password, groupName, groupId, name, openDate, mainAccount,
// marginTemplate, feeTemplate, priorityFunds, startInvestment, mac, remark,
// options (the flag bits).
const std::vector<std::string>& subAccountFieldNames();
std::vector<RawValue> subAccountRawValues(const SubAccount& account);

}  // namespace korvant
