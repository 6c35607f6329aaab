#pragma once

#include <cstdint>

#include "TradingData.h"

// The wire rows of the reports, written into zeroed record space.
namespace korvant::sim {

inline constexpr int FundsRowSize = 144;
inline constexpr int NetValueRowSize = 124;
inline constexpr int OrderRowSize = 456;
inline constexpr int TradeRowSize = 256;
inline constexpr int PositionRowSize = 156;

void writeFundsRow(uint8_t* p, const FundsFact& f);
void writeNetValueRow(uint8_t* p, const NetValueFact& n);
void writeOrderRow(uint8_t* p, const OrderFact& o);
void writeTradeRow(uint8_t* p, const TradeFact& t);
void writePositionRow(uint8_t* p, const PositionFact& f);

}  // namespace korvant::sim
