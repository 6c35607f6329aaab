#include "RecordWriters.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"

namespace korvant::sim {

void writeGroup(uint8_t* p, const Group& g, int subAccountCount) {
    writePlainText(p, 32, g.name);
    putI32(p + 32, g.id);
    writePlainText(p + 36, 32, g.code);
    putI32(p + 68, g.parentId);
    writePlainText(p + 72, 16, g.code);
    writePlainText(p + 88, 32, g.remark);
    putI32(p + 120, g.reference);
    putI32(p + 124, subAccountCount);
    writePlainText(p + 128, 16, g.code);
    putI32(p + 144, g.allowedSubAccounts);
    putI32(p + 148, g.rangeFrom);
    putI32(p + 152, g.rangeTo);
}

void writeTemplate(uint8_t* p, const RateTemplate& t) {
    putI32(p, t.id);
    writePlainText(p + 4, 64, t.name);
    writePlainText(p + 68, 16, t.groupCode);
}

void writeVariety(uint8_t* p, const ContractVariety& v) {
    writePlainText(p, 32, v.contract);
    writePlainText(p + 32, 32, v.product);
    writePlainText(p + 64, 16, v.exchange);
}

void writeRiskRule(uint8_t* p, const RiskRule& rule) {
    putI32(p, rule.id);
    putI32(p + 4, rule.kind);
    putI32(p + 8, rule.accountLevel);
    putI32(p + 12, rule.category);
    // The scope may fill all 2048 bytes without a terminating NUL.
    std::string scope = toGbk(rule.scope);
    std::memcpy(p + 20, scope.data(), std::min<std::size_t>(scope.size(), 2048));
    putI32(p + 2068, rule.parameters[0]);
    putI32(p + 2072, rule.parameters[1]);
    putI32(p + 2076, rule.parameters[2]);
    putI32(p + 2080, rule.forbidOpen);
    putI32(p + 2084, rule.forbidClose);
    putI32(p + 2088, rule.notifyMinutes);
    putI32(p + 2092, rule.forceCloseShare);
    writePlainText(p + 2096, 256, rule.summary);
    putI32(p + 2352, rule.owner);
    putI32(p + 2356, rule.parameters[3]);
    putI32(p + 2360, rule.parameters[4]);
    putI32(p + 2364, rule.parameters[5]);
    putI32(p + 2368, rule.windowStart);
    putI32(p + 2372, rule.windowEnd);
}

void writeAdministrator(uint8_t* p, const Administrator& a, const SimState& state) {
    writePlainText(p, 16, a.account);
    writePlainText(p + 16, 16, a.password);
    putU32(p + 32, a.permissionMask);
    writePlainText(p + 36, 32, state.groupName(a.groupId));
    putI32(p + 68, a.groupId);
    writePlainText(p + 72, 32, a.name);
    putI32(p + 104, a.multiLogin);
    for (int i = 0; i < 5; ++i) putU32(p + 108 + 4 * i, a.allowedIps[static_cast<std::size_t>(i)]);
    putI32(p + 128, a.monitorFrom);
    putI32(p + 132, a.monitorTo);
}

void writeMainAccount(uint8_t* p, const MainAccount& m) {
    writePlainText(p, 16, m.account);
    putF64(p + 16, m.initialFunds);
    putF64(p + 24, m.distributable);
    putF64(p + 32, m.startInvestment);
    putF64(p + 40, m.priorityFunds);
    for (int i = 0; i < 5; ++i) putF64(p + 48 + 8 * i, m.fees[static_cast<std::size_t>(i)]);
}

void writeLink(uint8_t* p, const MainAccountLink& l) {
    writePlainText(p, 16, l.mainAccount);
    putF64(p + 16, l.distributable);
}

void writeSubAccount(uint8_t* p, const SubAccount& s, const SimState& state) {
    writePlainText(p, 16, std::to_string(s.number));
    writePlainText(p + 16, 16, s.password);
    writePlainText(p + 32, 32, state.groupName(s.groupId));
    putI32(p + 64, s.groupId);
    writePlainText(p + 68, 32, s.name);
    putI32(p + 100, s.openingDate);
    writePlainText(p + 104, 16, s.mainAccount);
    if (const RateTemplate* t = state.findTemplate(state.marginTemplates, s.marginTemplateId))
        writePlainText(p + 120, 64, t->name);
    if (const RateTemplate* t = state.findTemplate(state.feeTemplates, s.feeTemplateId))
        writePlainText(p + 184, 64, t->name);
    putF64(p + 248, s.startInvestment);
    writePlainText(p + 256, 32, s.mac);
    putF64(p + 288, s.priorityFunds);
    writePlainText(p + 296, 64, s.remark);
    putI32(p + 360, s.optionFlags);
}

void writeDepositRecord(uint8_t* p, const DepositRecord& d) {
    putI32(p, d.customer);
    putI32(p + 4, d.tradeDate);
    putI32(p + 8, d.date);
    writePlainText(p + 12, 12, d.time);
    putF64(p + 24, d.amount);
    writePlainText(p + 32, 16, d.operatorName);
    putI32(p + 48, d.serial);
    writePlainText(p + 52, 64, d.remark);
}

}  // namespace korvant::sim
