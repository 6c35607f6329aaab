#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/desk/AccountList.h"
#include "app/forms/SearchFilter.h"
#include "app/pages/ReportPage.h"

// An account list of the accounts view as a report page: the records of its
// cache with the columns the desk shows (hidden ones kept in the rows), and
// below the sub-account list an empty row and "第 %i/%i 页". Its pages are
// the list queries of the group on screen where a window shows the list
// (setPageQuery), otherwise those of the group and filter it was last
// queried with (setQuery).
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
    // How a window queries and shows a page of the list.
    using PageQuery = std::function<bool(int page)>;
    void setPageQuery(PageQuery query) { pageQuery_ = std::move(query); }
    // The group (-1: all) and filter of the pages where no window shows them.
    void setQuery(int groupId, const SearchFilter& filter) {
        groupId_ = groupId;
        filter_ = filter;
    }

private:
    Desk* desk_;
    AccountList list_;
    std::vector<ReportColumn> columns_;
    PageQuery pageQuery_;
    int groupId_ = -1;
    SearchFilter filter_;
};

// The page of one of the four lists, living as long as the desk.
AccountListPage& accountListPage(Desk& desk, AccountList list);

}  // namespace korvant
