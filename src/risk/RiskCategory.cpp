#include "risk/RiskCategory.h"

namespace korvant {

const std::vector<CategoryNode>& categoryNodes() {
    static const std::vector<CategoryNode> nodes = {{"所有规则", AllCategories},
                                                    {"交易品种", 2},
                                                    {"交易方向", 3},
                                                    {"交易数量", 4},
                                                    {"不活跃合约", 6},
                                                    {"风险度", 7},
                                                    {"权益", 8},
                                                    {"亏损", 10},
                                                    {"保证金", 12},
                                                    {"强平", 14},
                                                    {"定时强平", 15}};
    return nodes;
}

int32_t effectiveCategory(int32_t category, int32_t kind) {
    return kind == TimedForceCloseKind ? TimedForceCloseCategory : category;
}

int32_t pairedCategory(int32_t category) {
    switch (category) {
        case 4:
        case 8:
        case 10:
        case 12:
            return category + 1;
        case 5:
        case 9:
        case 11:
        case 13:
            return category - 1;
        default:
            return category;
    }
}

bool nodeListsRule(int32_t node, int32_t category, int32_t kind) {
    if (node == AllCategories) return true;
    const int32_t c = effectiveCategory(category, kind);
    if (c == node) return true;
    return (node == 4 || node == 8 || node == 10 || node == 12) && c == node + 1;
}

bool dialogOffersKind(int32_t category, int32_t entryCategory, int32_t entryKind) {
    const int32_t c = effectiveCategory(entryCategory, entryKind);
    return c == category || c == pairedCategory(category);
}

std::string editorCaption(int32_t category) {
    switch (category) {
        case 1:
            return "交易所规则";
        case 2:
            return "交易品种";
        case 3:
            return "交易方向";
        case 4:
        case 5:
            return "交易数量";
        case 6:
            return "不活跃合约";
        case 7:
            return "风险度";
        case 8:
        case 9:
            return "权益";
        case 10:
        case 11:
            return "亏损";
        case 12:
        case 13:
            return "保证金";
        case 14:
            return "强平";
        case 15:
            return "定时强平 （时间格式: 1405 代表 14点05分）";
        default:
            return {};
    }
}

}  // namespace korvant
