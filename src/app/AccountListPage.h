#pragma once

#include <string>
#include <vector>

#include "app/MainState.h"
#include "app/ReportPage.h"

// An account list of the accounts view as a report page: the records of its
// cache with the columns the desk shows (hidden ones kept in the rows), and
// below the sub-account list an empty row and "第 %i/%i 页". Its pages are
// the list queries of the current group.
namespace korvant {

class Desk;

class AccountListPage : public ReportPage {
public:
    AccountListPage(Desk& desk, AccountList list);

    AccountList list() const { return list_; }
    const std::vector<ReportColumn>& columns() const override { return columns_; }
    int rowCount() const override;
    int recordCount() const override;
    std::vector<std::string> cells(int row) const override;
    // The record's own values (AccountFields.h).
    std::vector<std::string> fieldNames() const override;
    std::vector<RawValue> rawValues(int row) const override;
    PageCursor cursor() const override;
    bool showPage(Desk& desk, int page) override;

private:
    Desk* desk_;
    AccountList list_;
    std::vector<ReportColumn> columns_;
};

// The page of one of the four lists, living as long as the desk.
AccountListPage& accountListPage(Desk& desk, AccountList list);

}  // namespace korvant
