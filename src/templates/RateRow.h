#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "templates/TemplateKind.h"

// The rates of one contract in one template, as a rate page carries them:
// fee rows 56 bytes (six doubles, the close-today discount, the collection
// mode), margin rows 100 bytes (twelve doubles, the collection mode).
namespace korvant {

inline constexpr int RatePageRows = 100;  // contracts per rate page

struct RateRow {
    std::array<double, 12> values{};  // the kind's values, in wire order
    int32_t discount = 0;             // fee only: 1 = "不优惠"
    int32_t mode = 0;                 // 1 = absolute ("绝对")
};

// One row of an answer. A mode the kind does not know reads as 0.
RateRow readRateRow(const TemplateKind& kind, const uint8_t* row);

// The rows of a rate-page answer (at most 100, whole rows only, from
// offset 12).
std::vector<RateRow> readRatePage(const TemplateKind& kind, std::span<const uint8_t> answer);

// A rate as listed: four decimals with trailing zeros and a bare point
// removed; empty when that reads as 0.
std::string rateCell(double value);
// A rate as exported, with `decimals`; empty when it reads as 0.
std::string rateCsvValue(double value, int decimals);
// rateCsvValue written to `text` (room for FixedTextSize bytes); its length.
std::size_t writeRateCsvValue(char* text, double value, int decimals);

// The cells of a row after the two code columns: the values, the discount
// ("不优惠" or empty, fee only) and the collection mode ("绝对" or empty).
std::vector<std::string> rateRowCells(const TemplateKind& kind, const RateRow& row);

}  // namespace korvant
