#include "accounts/mainaccounts/MainAccountChange.h"

#include "app/desk/Desk.h"
#include "app/lists/AccountListAgain.h"

namespace korvant {

ChangeSpec mainAccountChange(const std::string& title, const std::string& failureRow,
                             AccountList list, const std::string& lostText) {
    ChangeSpec spec;
    spec.title = title;
    spec.buildFailureRow = BuildFailureRow::None;
    spec.exchange = ExchangeTexts::account(lostText);
    spec.ack.title = title;
    spec.ack.failureRow = failureRow;
    spec.ack.parseFailed = " 解析数据包失败!";
    spec.ack.notAcknowledged = "服务器返回非确认包, 无法确定操作是否失败!";
    spec.requeryList = [list](Desk& desk) { requeryAccountList(desk, list); };
    return spec;
}

}  // namespace korvant
