#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace korvant {

// A value of a listed record as the record holds it, for scripts: a number
// (an amount, a rate, a date as yyyymmdd), a code (a mask, a flag, an id) or
// a text. Never a display text such as "不限" or "*****".
using RawValue = std::variant<int64_t, double, std::string>;

}  // namespace korvant
