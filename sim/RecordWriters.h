#pragma once

#include <cstdint>

#include "SimState.h"

// The wire records of the lists, written into zeroed record space.
namespace korvant::sim {

inline constexpr int GroupRecordSize = 156;
inline constexpr int TemplateRecordSize = 84;
inline constexpr int VarietyRecordSize = 80;
inline constexpr int RiskRuleRecordSize = 2376;
inline constexpr int AdministratorRecordSize = 136;
inline constexpr int MainAccountRecordSize = 88;
inline constexpr int LinkRecordSize = 24;
inline constexpr int SubAccountRecordSize = 364;
inline constexpr int DepositRecordSize = 116;

void writeGroup(uint8_t* p, const Group& g, int subAccountCount);
void writeTemplate(uint8_t* p, const RateTemplate& t);
void writeVariety(uint8_t* p, const ContractVariety& v);
void writeRiskRule(uint8_t* p, const RiskRule& rule);
void writeAdministrator(uint8_t* p, const Administrator& a, const SimState& state);
void writeMainAccount(uint8_t* p, const MainAccount& m);
void writeLink(uint8_t* p, const MainAccountLink& l);
void writeSubAccount(uint8_t* p, const SubAccount& s, const SimState& state);
void writeDepositRecord(uint8_t* p, const DepositRecord& d);

}  // namespace korvant::sim
