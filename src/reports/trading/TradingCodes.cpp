#include "reports/trading/TradingCodes.h"

#include <cstddef>

namespace korvant {
namespace {

struct CodeText {
    int32_t code;
    const char* text;
};

// The text of `code` in `table`, or `otherwise` for a code not in it.
template <std::size_t Count>
const char* textOf(int32_t code, const CodeText (&table)[Count], const char* otherwise) {
    for (const CodeText& entry : table)
        if (entry.code == code) return entry.text;
    return otherwise;
}

}  // namespace

const char* directionText(int32_t code) {
    return code == '0' ? "买" : "卖";
}

const char* openCloseText(int32_t code) {
    static constexpr CodeText texts[] = {{'0', "开"}, {'1', "平"}};
    return textOf(code, texts, "平今");
}

const char* hedgeText(int32_t code) {
    static constexpr CodeText texts[] = {{'1', "投机"}, {'2', "套利"}};
    return textOf(code, texts, "保值");
}

const char* priceTypeText(int32_t code) {
    return code == '1' ? "市价" : "限价";
}

const char* orderStatusText(int32_t code) {
    static constexpr CodeText texts[] = {{'0', "正在申报"}, {'1', "已报"}, {'2', "部成"},
                                         {'3', "已成"},     {'4', "已撤"}, {'5', "部成部撤"},
                                         {'e', "废单"},     {'x', "未知"}};
    return textOf(code, texts, "");
}

}  // namespace korvant
