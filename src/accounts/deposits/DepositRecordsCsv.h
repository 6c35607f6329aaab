#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "accounts/deposits/DepositRecord.h"

// The CSV export of the deposit records: GBK text, CR LF line ends, a header
// line and one line per record with the export's date range.
namespace korvant {

// The header line with its CR LF (UTF-8).
std::string depositCsvHeader();
// One record's line with its CR LF (UTF-8). A field holding a comma, a
// quote or a line break is quoted so that it stays one field.
std::string depositCsvLine(const DepositRecord& record, int32_t startDate, int32_t endDate);
// The whole file as GBK bytes.
std::string depositCsvBytes(const std::vector<DepositRecord>& records, int32_t startDate,
                            int32_t endDate);

}  // namespace korvant
