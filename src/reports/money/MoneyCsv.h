#pragma once

#include <cstdint>
#include <string>

#include "local/TableLayout.h"
#include "local/TableSink.h"
#include "reports/money/MoneyRows.h"

// The account-funds and net-value exports: their columns (the CSV file's
// header, the workbook's sheet) and the cells of a row. The CSV lines are
// UTF-8 here; the export writes them in GBK.
namespace korvant {

const TableLayout& fundsLayout();
// One row's cells with the export's start and end days, then the row's end.
void writeFundsRow(TableSink& sink, const FundsRow& row, int32_t startDay, int32_t endDay);
const TableLayout& netValueLayout();
// One row's cells; "份额净值" 0.0000 without an initial investment above 0.
void writeNetValueRow(TableSink& sink, const NetValueRow& row);

// The same as CSV text: the header line, one row's line with its CR LF.
const char* fundsCsvHeader();
void appendFundsCsvLine(std::string& out, const FundsRow& row, int32_t startDay, int32_t endDay);
const char* netValueCsvHeader();
void appendNetValueCsvLine(std::string& out, const NetValueRow& row);

}  // namespace korvant
