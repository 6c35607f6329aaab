#pragma once

#include <string>

// The amount in words shown beside money fields while typing: the value
// scaled to 万亿元, 亿元, 万元 or 元, printed with two decimals, trailing zeros
// and a trailing point removed, then the unit ("123456" -> "12.35万元").
namespace korvant {

std::string amountInWords(double value);

// "%.2f" with trailing zeros and a trailing point removed ("10.50" -> "10.5").
std::string trimmedTwoDecimals(double value);

}  // namespace korvant
