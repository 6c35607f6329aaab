#pragma once

#include <string>

#include "local/StatusList.h"

// The stderr line of one status-list row: "status<TAB>TIME<TAB>TITLE<TAB>DETAIL",
// control characters escaped and passwords masked. The desk's status list
// keeps the full rows; a terminal's scroll-back or a script's log must not.
namespace korvant::cli {

// Replaces the value after every "密码:" by "******". The value ends at the
// ", " that starts the next "标签:" field, or at the end of the text.
std::string maskPasswords(const std::string& detail);

std::string statusLine(const StatusRow& row);

}  // namespace korvant::cli
