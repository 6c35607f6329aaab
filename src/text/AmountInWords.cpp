#include "text/AmountInWords.h"

#include <cstdio>

namespace korvant {

std::string trimmedTwoDecimals(double value) {
    char text[512];  // room for the largest double in fixed notation
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string out(text);
    if (out.find('.') != std::string::npos) {
        while (!out.empty() && out.back() == '0') out.pop_back();
        if (!out.empty() && out.back() == '.') out.pop_back();
    }
    return out;
}

std::string amountInWords(double value) {
    if (value >= 1e12) return trimmedTwoDecimals(value * 1e-12) + "万亿元";
    if (value >= 1e8) return trimmedTwoDecimals(value * 1e-8) + "亿元";
    if (value >= 10000) return trimmedTwoDecimals(value * 1e-4) + "万元";
    return trimmedTwoDecimals(value) + "元";
}

}  // namespace korvant
