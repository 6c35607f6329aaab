#include "reports/trading/TradingCodes.h"

namespace korvant {

const char* directionText(int32_t code) {
    return code == '0' ? "买" : "卖";
}

const char* openCloseText(int32_t code) {
    switch (code) {
        case '0':
            return "开";
        case '1':
            return "平";
        default:
            return "平今";
    }
}

const char* hedgeText(int32_t code) {
    switch (code) {
        case '1':
            return "投机";
        case '2':
            return "套利";
        default:
            return "保值";
    }
}

const char* priceTypeText(int32_t code) {
    return code == '1' ? "市价" : "限价";
}

const char* orderStatusText(int32_t code) {
    switch (code) {
        case '0':
            return "正在申报";
        case '1':
            return "已报";
        case '2':
            return "部成";
        case '3':
            return "已成";
        case '4':
            return "已撤";
        case '5':
            return "部成部撤";
        case 'e':
            return "废单";
        case 'x':
            return "未知";
        default:
            return "";
    }
}

}  // namespace korvant
