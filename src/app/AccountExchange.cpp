#include "app/AccountExchange.h"

#include "app/AccountLists.h"
#include "app/Desk.h"

namespace korvant {

ExchangeTexts accountExchangeTexts(const std::string& title, const std::string& failureRow,
                                   const std::string& lostText, const std::string& buildText) {
    ExchangeTexts texts;
    texts.buildFailed = {buildText, "提示", MessageIcon::Error};
    texts.buildFailedEnds = false;
    texts.checkSend = false;
    texts.receiveFailed = {lostText, "提示", MessageIcon::Error};
    texts.receiveFailedEnds = true;
    texts.failureRowTitle = title;
    texts.failureRowDetail = failureRow;
    return texts;
}

void requeryAccountList(Desk& desk, AccountList list) {
    showAccountList(desk, list, desk.mainState().page);
}

}  // namespace korvant
