#include <gtest/gtest.h>

#include "local/CsvText.h"

namespace korvant {
namespace {

// What a spreadsheet would run or split gets a quote in front or quotes
// around it; numbers and ordinary text stay byte for byte.
TEST(CsvText, CellsThatAFormulaOrACommaWouldBreakAreDisarmed) {
    const struct {
        const char* text;
        const char* cell;
    } cases[] = {
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+1+2", "'+1+2"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"-cmd", "'-cmd"},
        {"-1+cmd|' /C calc'!A0", "'-1+cmd|' /C calc'!A0"},
        {"-2+3", "'-2+3"},
        {"\t=1+2", "'\t=1+2"},
        {"\r=1", "\"'\r=1\""},
        {"a,=1+2", "\"a,=1+2\""},
        {"say \"hi\"\r\n", "\"say \"\"hi\"\"\r\n\""},
        {"-12.5", "-12.5"},
        {"+3", "+3"},
        {"-", "-"},
        {"a=b", "a=b"},
        {"入金", "入金"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(csvCell(c.text), c.cell) << c.text;
        // Reading the cell back (quotes already taken off) gives the text.
        std::string unquoted = c.cell;
        if (!unquoted.empty() && unquoted.front() == '"') {
            unquoted = unquoted.substr(1, unquoted.size() - 2);
            for (std::size_t i = unquoted.find("\"\""); i != std::string::npos;
                 i = unquoted.find("\"\"", i + 1))
                unquoted.erase(i, 1);
        }
        EXPECT_EQ(csvCellText(unquoted), c.text) << c.text;
    }
}

}  // namespace
}  // namespace korvant
