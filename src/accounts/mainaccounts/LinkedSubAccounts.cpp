#include "accounts/mainaccounts/MainAccountOperations.h"
#include "app/AccountLists.h"
#include "app/Desk.h"
#include "model/PagedQuery.h"

namespace korvant {

std::vector<SubAccount> linkedSubAccounts(
    Desk& desk, const std::string& mainAccount,
    const std::function<void(const std::vector<SubAccount>&)>& onPage) {
    std::vector<SubAccount> found;
    const RecordCache<SubAccount>& cache = desk.accounts().subAccounts;
    int page = 0;
    for (int asked = 0; asked < MaxQueryPages; ++asked) {
        queryAllSubAccounts(desk, page);
        for (const SubAccount& s : cache.records)
            if (s.mainAccount == mainAccount) found.push_back(s);
        if (onPage) onPage(found);
        const PageCursor cursor = cache.cursor;
        // On to the next page while the answer's page is below the last one;
        // an answer that does not advance ends the reading.
        if (cursor.last != page || cursor.last >= cursor.total - 1) break;
        ++page;
    }
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
