#pragma once

#include <string>

#include "app/desk/AccountList.h"
#include "app/exchange/Change.h"

// What the main-account changes have in common.
namespace korvant {

// The change titled `title` with the failure row `failureRow`: a build
// failure shows "组包失败!" without a row; a lost connection shows
// `lostText` and ends the program; an answer that cannot be dispatched
// shows " 解析数据包失败!", one that is no acknowledgement "服务器返回非确认包,
// 无法确定操作是否失败!"; an acknowledgement is followed by `list` queried
// again at its page.
ChangeSpec mainAccountChange(const std::string& title, const std::string& failureRow,
                             AccountList list,
                             const std::string& lostText = "与服务器的联接断开了!");

// The same for linking `account` to the second-level group `groupCode` or
// unlinking it (`command`): status row "账号:<account>", the link list
// queried again also when the acknowledgement cannot be dispatched. The
// spec refers to `account` and `groupCode`.
ChangeSpec mainAccountLinkChange(const std::string& title, const std::string& failureRow,
                                 uint8_t command, const std::string& account,
                                 const std::string& groupCode);

}  // namespace korvant
