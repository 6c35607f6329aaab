#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/WireCells.h"

// Where the rows of a table export go: a CSV file, a workbook, the cells of
// a list. A row hands its cells in column order, then ends; the column's
// kind (TableLayout.h) says how each is shown.
namespace korvant {

class TableSink {
public:
    virtual ~TableSink() = default;
    // Text (UTF-8). Never taken as a formula or a number.
    virtual void text(std::string_view value) = 0;
    // The same still in its wire field (GBK up to the first NUL): decoded
    // and handed to `text`, unless the sink can write the bytes as they are.
    virtual void wireText(WireText value);
    // A whole number; also the value of a Date column (yyyymmdd) and of a
    // Text column that lists numbers (account numbers).
    virtual void integer(int64_t value) = 0;
    // A value of a Number column, written with the column's decimals.
    virtual void number(double value) = 0;
    // No value: `csvText` stands in a CSV file, a workbook's cell stays empty.
    virtual void none(std::string_view csvText) = 0;
    virtual void endRow() = 0;

private:
    std::string decoded_;  // the last wire text decoded
};

// A text cell of a row writer whose cells are decoded texts or wire fields
// (WireCells.h).
inline void textCell(TableSink& sink, std::string_view value) {
    sink.text(value);
}
inline void textCell(TableSink& sink, WireText value) {
    sink.wireText(value);
}

}  // namespace korvant
