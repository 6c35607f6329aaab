#pragma once

#include <string>

#include "app/exchange/Change.h"

// What adding, modifying and deleting a sub-account have in common.
namespace korvant {

// The change titled `title` for `account`: a build failure writes the
// failure row "<verb> <account> 失败！" (clearing the list) and shows
// "组包失败!"; a lost connection "与服务器的联接断开了!" ends the program; an
// acknowledgement is followed by the sub-account list queried again at its
// page without a filter, then the row "<verb> <account> 成功".
ChangeSpec subAccountChange(const std::string& title, const char* verb, const std::string& account);

}  // namespace korvant
