#include "accounts/subaccounts/SubAccountChange.h"

#include "app/desk/Desk.h"
#include "app/lists/AccountListAgain.h"
#include "app/lists/ReportTree.h"

namespace korvant {

ChangeSpec subAccountChange(const std::string& title, const char* verb,
                            const std::string& account) {
    ChangeSpec spec;
    spec.title = title;
    spec.buildFailureRow = BuildFailureRow::ClearingFailure;
    spec.exchange = ExchangeTexts::account("与服务器的联接断开了!");
    spec.ack.title = title;
    spec.ack.failureRow = textf("%s %s 失败！", verb, account.c_str());
    spec.requeryList = [](Desk& desk) {
        requeryAccountList(desk, AccountList::SubAccounts, ListRequery::ShownPageUnfiltered);
        // The report tree lists the sub-accounts under their groups.
        markReportTreeStale(desk);
    };
    spec.successRowAfterRequery = textf("%s %s 成功", verb, account.c_str());
    return spec;
}

}  // namespace korvant
