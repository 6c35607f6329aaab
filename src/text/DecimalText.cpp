#include "text/DecimalText.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace korvant {

double readDecimal(std::string_view text) {
    const std::string copy(text);
    const double v = std::strtod(copy.c_str(), nullptr);
    return std::isfinite(v) ? v : 0.0;
}

}  // namespace korvant
