#include "accounts/subaccounts/SubAccountSort.h"

#include <algorithm>
#include <string>

#include "accounts/subaccounts/AccountNumber.h"
#include "protocol/Gbk.h"

namespace korvant {

namespace {

// The columns of the list, in order.
enum Column {
    Account,
    Password,
    GroupName,
    OpenDate,
    Name,
    MainAccountColumn,
    MarginTemplate,
    FeeTemplate,
    PriorityFunds,
    StartInvestment,
    Mac,
    Remark,
    Options,
    ColumnCount
};

template <class T>
int compareNumbers(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compareTexts(const std::string& a, const std::string& b) {
    return toGbk(a).compare(toGbk(b));
}

// Negative, zero or positive as a sorts before, with or after b.
int compareByColumn(const SubAccount& a, const SubAccount& b, int column) {
    switch (column) {
        case Account:
            return compareNumbers(readLeadingNumber(a.account), readLeadingNumber(b.account));
        case Password:
            return compareTexts(a.password, b.password);
        case GroupName:
            return compareTexts(a.groupName, b.groupName);
        case OpenDate:
            return compareNumbers(a.openDate, b.openDate);
        case Name:
            return compareTexts(a.name, b.name);
        case MainAccountColumn:
            return compareTexts(a.mainAccount, b.mainAccount);
        case MarginTemplate:
            return compareTexts(a.marginTemplate, b.marginTemplate);
        case FeeTemplate:
            return compareTexts(a.feeTemplate, b.feeTemplate);
        case PriorityFunds:
            return compareNumbers(a.priorityFunds, b.priorityFunds);
        case StartInvestment:
            return compareNumbers(a.startInvestment, b.startInvestment);
        case Mac:
            return compareTexts(a.mac, b.mac);
        case Remark:
            return compareTexts(a.remark, b.remark);
        case Options:
            return compareNumbers(a.options, b.options);
        default:
            return 0;
    }
}

}  // namespace

bool SubAccountSorter::sortByColumn(std::span<SubAccount> records, int column) {
    if (column < 0 || column >= ColumnCount) return false;
    ascending_ = !ascending_;
    const bool up = ascending_;
    std::stable_sort(records.begin(), records.end(),
                     [column, up](const SubAccount& a, const SubAccount& b) {
                         const int c = compareByColumn(a, b, column);
                         return up ? c < 0 : c > 0;
                     });
    return true;
}

}  // namespace korvant
