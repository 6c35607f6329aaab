#pragma once

#include "app/desk/AccountList.h"
#include "app/forms/SearchFilter.h"

// Every page of one account list at once, for a front end that looks up a
// record by its account instead of paging to it on screen.
namespace korvant {

class Desk;

// Reads every page of `list` for group `groupId` with `filter` into the
// list's cache (the paged-query loop with all its guards). A
// request that cannot be built ("  组包出错!! ") and a lost connection
// ("  与服务器断开了!") end the program. Returns true when every announced
// page came; otherwise its message was shown (the server's text for a
// refusal, " 解析数据包出错!" for an answer that is not a page of the list)
// and the cache holds the pages read before.
bool loadAllAccountPages(Desk& desk, AccountList list, int groupId, const SearchFilter& filter);

}  // namespace korvant
