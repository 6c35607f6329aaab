#include "accounts/subaccounts/SubAccountSort.h"

#include "accounts/subaccounts/AccountNumber.h"
#include "accounts/subaccounts/SubAccountOperations.h"
#include "app/desk/Desk.h"
#include "app/lists/AccountListSort.h"

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

// Negative, zero or positive as a sorts before, with or after b.
int compareByColumn(const SubAccount& a, const SubAccount& b, int column) {
    switch (column) {
        case Account:
            return compareNumbers(readLeadingNumber(a.account), readLeadingNumber(b.account));
        case Password:
            return compareGbkTexts(a.password, b.password);
        case GroupName:
            return compareGbkTexts(a.groupName, b.groupName);
        case OpenDate:
            return compareNumbers(a.openDate, b.openDate);
        case Name:
            return compareGbkTexts(a.name, b.name);
        case MainAccountColumn:
            return compareGbkTexts(a.mainAccount, b.mainAccount);
        case MarginTemplate:
            return compareGbkTexts(a.marginTemplate, b.marginTemplate);
        case FeeTemplate:
            return compareGbkTexts(a.feeTemplate, b.feeTemplate);
        case PriorityFunds:
            return compareNumbers(a.priorityFunds, b.priorityFunds);
        case StartInvestment:
            return compareNumbers(a.startInvestment, b.startInvestment);
        case Mac:
            return compareGbkTexts(a.mac, b.mac);
        case Remark:
            return compareGbkTexts(a.remark, b.remark);
        case Options:
            return compareNumbers(a.options, b.options);
        default:
            return 0;
    }
}

}  // namespace

SubAccountSorter::SubAccountSorter() : ColumnSorter(ColumnCount, compareByColumn) {}

void registerSubAccountSorter(Desk& desk) {
    registerColumnSorter<SubAccountSorter>(desk, AccountList::SubAccounts,
                                           &AccountCaches::subAccounts);
}

}  // namespace korvant
