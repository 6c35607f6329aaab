#pragma once

#include <cstdint>
#include <string>

#include "accounts/deposits/DepositRecord.h"

// The CSV export of the deposit records: GBK text, CR LF line ends, a header
// line and one line per record with the export's date range.
namespace korvant {

// The header line with its CR LF (UTF-8).
std::string depositCsvHeader();
// One record's line with its CR LF (UTF-8). A field holding a comma, a
// quote or a line break is quoted so that it stays one field.
std::string depositCsvLine(const DepositRecord& record, int32_t startDate, int32_t endDate);
// The file's bytes (GBK), built record by record: the header line first.
class DepositCsvFile {
public:
    DepositCsvFile(int32_t startDate, int32_t endDate);
    // Room for `records` more lines (bounded).
    void reserve(std::size_t records);
    void append(const DepositRecord& record);
    const std::string& bytes() const { return bytes_; }

private:
    int32_t startDate_;
    int32_t endDate_;
    std::string bytes_;
    std::string line_;  // one line's UTF-8 text, reused
};

}  // namespace korvant
