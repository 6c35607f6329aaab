#pragma once

#include "app/desk/AccountList.h"
#include "app/forms/SearchFilter.h"
#include "model/PageCursor.h"

// The four list queries of the accounts view.
namespace korvant {

class Desk;

// Queries one account list of `groupId` (-1 = all groups) at `page`; the
// answer replaces the list's cache. A request that cannot be built
// ("  组包出错!! ") and a lost connection ("  与服务器断开了!") end the
// program; an answer that cannot be decoded shows " 解析数据包出错!" and
// returns false.
bool queryAccountList(Desk& desk, AccountList list, int groupId, const SearchFilter& filter,
                      int page);

// The cursor of one account list's cache.
PageCursor accountListCursor(Desk& desk, AccountList list);

}  // namespace korvant
