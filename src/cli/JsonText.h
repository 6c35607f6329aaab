#pragma once

#include <string>
#include <string_view>

#include "model/RawValue.h"

// JSON values of the command line's --format json. Strings come out as valid
// UTF-8 whatever the server sent: a byte that does not belong to a UTF-8
// character becomes U+FFFD, and control characters (C0, DEL and C1) are
// written as \u00XX so that no text reaches a terminal raw.
namespace korvant::cli {

void appendJsonString(std::string& out, std::string_view text);
// A number as the shortest text that reads back as the same double (no
// locale); a value that is not finite as null.
void appendJsonValue(std::string& out, const RawValue& value);

}  // namespace korvant::cli
