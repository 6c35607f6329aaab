#include "accounts/mainaccounts/MainAccountOperations.h"
#include "app/desk/Desk.h"
#include "app/exchange/DeskPagedQuery.h"
#include "app/lists/AccountListRequests.h"
#include "protocol/CommandCode.h"

namespace korvant {

std::vector<SubAccount> linkedSubAccounts(
    Desk& desk, const std::string& mainAccount,
    const std::function<void(const std::vector<SubAccount>&)>& onPage) {
    std::vector<SubAccount> found;
    RecordCache<SubAccount>& cache = desk.accounts().subAccounts;
    // The sub-accounts of all groups, page by page, each page replacing the
    // list as the list of all groups does (action `AllSubAccountsPage`).
    PagedQuery query;
    query.command = cmd::SubAccountList;
    query.recordSize = SubAccount::WireSize;
    query.writeRequest = [](int page, uint8_t* buffer, int capacity) {
        return writeSubAccountListRequest(-1, SearchFilter{}, page, buffer, capacity);
    };
    query.parsePage = [&](const uint8_t* packet, int length) {
        cache.replaceFromAnswer(packet, length);
        for (const SubAccount& s : cache.records)
            if (s.mainAccount == mainAccount) found.push_back(s);
        if (onPage) onPage(found);
    };
    PagedQueryTexts texts;
    texts.undecodable = " 解析数据包出错!";
    texts.progress = "查询关联的子账号";
    runDeskPagedQuery(desk, std::move(query), texts);
    desk.notify(DeskChange::AccountList);
    return found;
}

const std::vector<std::string>& linkedSubAccountCaptions() {
    static const std::vector<std::string> captions = {"子账号",   "密码", "隶属",
                                                      "开户日期", "名称", "所属主账号"};
    return captions;
}

std::vector<std::string> linkedSubAccountCells(const SubAccount& s) {
    return {s.account, s.password, s.groupName, std::to_string(s.openDate), s.name, s.mainAccount};
}

}  // namespace korvant
