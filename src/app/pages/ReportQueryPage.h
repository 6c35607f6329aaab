#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "app/desk/Desk.h"
#include "app/pages/ReportPage.h"
#include "model/ListAnswer.h"

// The report pages that ask the server for one page of rows at a time for a
// target: account funds, net values, orders, trades and positions. Each
// page keeps its own target (a node of the report tree, or the account
// typed into its "客户号:" field), its query values and the rows of the
// last answer; the desk's tab and the command line drive the same object.
namespace korvant {

class ReportQueryPage : public ReportPage {
public:
    std::string account;  // "客户号:" as typed; emptied by a node chosen in the tree
    // Asks the front end to select a node of the report tree by its text
    // (a typed account is located there); may be empty.
    std::function<void(const std::string&)> selectReportNode;

    // The first step of every new query: a typed account becomes the target
    // (id -1, its number as text) and, when `locate`, is looked up in the
    // report tree. Nothing happens for an empty field.
    void takeTypedAccount(bool locate = true);

    // A node chosen in the report tree: the typed account is forgotten; the
    // shown page queries its page 0 again.
    void targetChosen(Desk& desk, bool shown) override;

    // "查询" (or a changed date, sort or order, or Enter in the account
    // field): the typed account step, then page 0. Returns whether rows were
    // listed.
    virtual bool search(Desk& desk);
};

// What one report query sends and expects.
struct ReportQuery {
    // The request, empty when it cannot be built.
    std::function<std::vector<uint8_t>()> request;
    uint8_t command = 0;  // of the request and of its answer
    int rowSize = 1;      // bytes of one row in the answer
    std::string title;    // names the wait for the answer, e.g. "查询成交记录"
};

// Sends one report query and hands the answer's page (page count, page
// index and whole rows) to `take`, then updates the main window's page
// label. A request that cannot be built (" 组包出错!!") and a lost connection
// ("  与服务器断开了!") end the program; a refusal shows the server's text and
// any other answer (a negative page count or index too)
// "  错误的数据包, 无法解析 !  ": nothing is taken then and
// false is returned.
bool runReportQuery(Desk& desk, const ReportQuery& query,
                    const std::function<void(const ListPage& page)>& take);

// `page`, one of the desk's pages for its whole run, registered as a report
// page so that a node chosen in the report tree reaches it.
template <class P>
P& registeredReportPage(Desk& desk, P& page) {
    addReportPage(desk, page);
    return page;
}

// The report tab of `page` was selected (`shown`) or left: while shown, the
// main window's pager pages it.
void showReportTab(Desk& desk, ReportPage& page, bool shown);

}  // namespace korvant
