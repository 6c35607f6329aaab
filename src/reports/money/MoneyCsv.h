#pragma once

#include <cstdint>
#include <string>

#include "reports/money/MoneyRows.h"

// The lines of the account-funds and net-value CSV files (UTF-8 here; the
// export writes them in GBK). Text cells go through the one CSV cell rule.
namespace korvant {

const char* fundsCsvHeader();
// One row's line with the export's start and end days and its CR LF.
void appendFundsCsvLine(std::string& out, const FundsRow& row, int32_t startDay, int32_t endDay);

const char* netValueCsvHeader();
// One row's line with its CR LF; "份额净值" 0.0000 without an initial
// investment above 0.
void appendNetValueCsvLine(std::string& out, const NetValueRow& row);

}  // namespace korvant
