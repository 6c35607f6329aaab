#pragma once

#include <cstdint>

// The code tables of the order, trade and position reports and of their CSV
// files. Codes are ASCII characters held in an i32 or a byte; a code outside
// a table falls to its last entry, or to an empty text for the order status.
namespace korvant {

// '0' "买"; any other "卖".
const char* directionText(int32_t code);
// '0' "开"; '1' "平"; any other "平今".
const char* openCloseText(int32_t code);
// '1' "投机"; '2' "套利"; any other "保值".
const char* hedgeText(int32_t code);
// '1' "市价"; any other "限价".
const char* priceTypeText(int32_t code);
// '0' "正在申报", '1' "已报", '2' "部成", '3' "已成", '4' "已撤", '5' "部成部撤",
// 'e' "废单", 'x' "未知"; any other "".
const char* orderStatusText(int32_t code);

// The speculation/hedge types a position can be given, in the order of the
// position dialog's list: "投机", "套利", "保值" (sent as '1' + index).
inline constexpr const char* HedgeChoices[3] = {"投机", "套利", "保值"};

}  // namespace korvant
