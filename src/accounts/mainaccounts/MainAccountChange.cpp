#include "accounts/mainaccounts/MainAccountChange.h"

#include "accounts/mainaccounts/MainAccountRequests.h"
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

ChangeSpec mainAccountLinkChange(const std::string& title, const std::string& failureRow,
                                 uint8_t command, const std::string& account,
                                 const std::string& groupCode) {
    ChangeSpec spec = mainAccountChange(title, failureRow, AccountList::MainAccountLinks);
    spec.startDetail = textf("账号:%s", account.c_str());
    spec.build = [command, &account, &groupCode](std::span<uint8_t> buffer) {
        return writeMainAccountLink(command, account, groupCode, buffer.data(),
                                    static_cast<int>(buffer.size()));
    };
    spec.requery = Requery::AfterDispatchFailure;
    return spec;
}

}  // namespace korvant
