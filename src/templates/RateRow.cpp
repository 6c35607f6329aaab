#include "templates/RateRow.h"

#include "protocol/Bytes.h"
#include "text/NumberText.h"

namespace korvant {

RateRow readRateRow(const TemplateKind& kind, const uint8_t* row) {
    RateRow r;
    const int count = static_cast<int>(kind.values.size());
    for (int i = 0; i < count; ++i) r.values[static_cast<std::size_t>(i)] = getF64(row + 8 * i);
    int offset = 8 * count;
    if (kind.hasDiscount) {
        const int32_t discount = getI32(row + offset);
        r.discount = discount == 1 ? 1 : 0;
        offset += 4;
    }
    r.mode = getI32(row + offset) == 1 ? 1 : 0;
    return r;
}

std::vector<RateRow> readRatePage(const TemplateKind& kind, std::span<const uint8_t> answer) {
    std::vector<RateRow> rows;
    if (answer.size() < 12) return rows;
    std::size_t count = (answer.size() - 12) / static_cast<std::size_t>(kind.wire.rowSize);
    if (count > RatePageRows) count = RatePageRows;
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        rows.push_back(readRateRow(kind, answer.data() + 12 + i * kind.wire.rowSize));
    return rows;
}

std::string rateCsvValue(double value, int decimals) {
    char text[FixedTextSize];
    return std::string(text, writeRateCsvValue(text, value, decimals));
}

std::size_t writeRateCsvValue(char* text, double value, int decimals) {
    // A value that rounds to zero is trimmed to exactly "0", and written as
    // nothing.
    const std::size_t n = writeTrimmed(text, value, decimals);
    return n == 1 && text[0] == '0' ? 0 : n;
}

std::string rateCell(double value) {
    return rateCsvValue(value, 4);
}

std::vector<std::string> rateRowCells(const TemplateKind& kind, const RateRow& row) {
    std::vector<std::string> cells;
    for (std::size_t i = 0; i < kind.values.size(); ++i) cells.push_back(rateCell(row.values[i]));
    if (kind.hasDiscount) cells.push_back(row.discount == 1 ? "不优惠" : "");
    cells.push_back(row.mode == 1 ? "绝对" : "");
    return cells;
}

}  // namespace korvant
