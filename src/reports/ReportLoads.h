#pragma once

#include "model/PagedQuery.h"

// Reading every page of a report list for local paging (the settlement
// prices, the operation log).
namespace korvant {

class Desk;

// The text of an answer that cannot be read as what was asked for.
inline constexpr const char* BadPacketText = "  错误的数据包, 无法解析 !  ";

// Runs `query` over the desk's connection. A request that cannot be built
// (" 组包出错!!") and a lost connection ("  与服务器断开了!") end the program.
// An answer that is not a page of the list ends the reading: a refusal
// shows the server's text, anything else (or pages that do not advance)
// BadPacketText, too much data its own message. Returns false then, and
// when the user stopped the read in the progress window (titled `title`).
bool loadAllPages(Desk& desk, const PagedQuery& query, const char* title);

}  // namespace korvant
