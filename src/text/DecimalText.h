#pragma once

#include <string_view>

// Typed amounts and rates of the main-account dialogs.
namespace korvant {

// Reads decimal text leniently: leading blanks, then a number; empty or
// non-numeric text (and infinities) give 0.
double readDecimal(std::string_view text);

}  // namespace korvant
