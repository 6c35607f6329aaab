#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Random.h"
#include "SimState.h"

// Building blocks shared by the data sets: real product codes of the four
// exchanges, Chinese names, templates, risk rules, funds and deposit history.
namespace korvant::sim {

struct Product {
    const char* code;
    const char* exchange;
    double price;  // a typical price, for plausible rates
};

const std::vector<Product>& products();

// The contract code of a product for a delivery month given as yymm
// (2601): four digits, or three on the Zhengzhou exchange (SR601).
std::string contractCode(const Product& product, int yymm);

// Varieties for the given delivery months of the given products.
void addVarieties(SimState& state, const std::vector<Product>& list,
                  const std::vector<int>& months);
// `count` varieties, month by month over every product from 2601 on.
void addVarietiesUpTo(SimState& state, int count);

std::string chineseName(Random& random);
int32_t randomDate(Random& random, int fromYear, int toYear);

RateTemplate makeFeeTemplate(int32_t id, const std::string& name, const std::string& groupCode,
                             Random& random, double scale);
RateTemplate makeMarginTemplate(int32_t id, const std::string& name, const std::string& groupCode,
                                Random& random, double scale);
RiskRule makeRiskRule(int32_t id, int32_t owner, Random& random);

Administrator makeAdministrator(const std::string& account, const std::string& password,
                                const std::string& name, int32_t groupId, uint32_t mask);

// Sets the allocatable funds of links and limited main accounts so that a
// limited main account's initial funds equal its own allocatable funds plus
// those of its links plus the available funds of the sub-accounts it funds.
void balanceFunds(SimState& state, Random& random);

// `count` past deposits and withdrawals on random sub-accounts.
void addDepositHistory(SimState& state, Random& random, int count);

// An IPv4 address written a.b.c.d, as kept in the state (network order).
uint32_t ipv4(int a, int b, int c, int d);

}  // namespace korvant::sim
