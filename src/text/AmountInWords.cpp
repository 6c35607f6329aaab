#include "text/AmountInWords.h"

#include "text/NumberText.h"

namespace korvant {

std::string trimmedTwoDecimals(double value) {
    return formatTrimmed(value, 2);
}

std::string amountInWords(double value) {
    if (value >= 1e12) return trimmedTwoDecimals(value * 1e-12) + "万亿元";
    if (value >= 1e8) return trimmedTwoDecimals(value * 1e-8) + "亿元";
    if (value >= 10000) return trimmedTwoDecimals(value * 1e-4) + "万元";
    return trimmedTwoDecimals(value) + "元";
}

}  // namespace korvant
