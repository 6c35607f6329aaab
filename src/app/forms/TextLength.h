#pragma once

#include <cstddef>
#include <string>

namespace korvant {

// Bytes that a UTF-8 text takes on the wire and in the files (GBK): the
// measure of every fixed-width text field's limit.
std::size_t wireTextLength(const std::string& utf8);

}  // namespace korvant
