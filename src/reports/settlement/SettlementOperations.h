#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/pages/ReportPage.h"
#include "app/port/FrontEndPort.h"
#include "reports/settlement/SettlementRequests.h"

// The settlement commands of the "操作" menu: "开始结算" with its status
// dialog, "结算价设置" and "清除结算数据". All need the settlement permission.
namespace korvant {

class Desk;

// The polling of the status dialog "结算状态". The front end calls `tick`
// every `IntervalMs` while `polling()` (the desk from a timer, the command
// line in a loop with a sleep) and `stop` when the dialog closes.
class SettlementWatch {
public:
    static constexpr int IntervalMs = 5000;
    // Unlisted states in a row after which the polling gives up with a
    // message, so that a confused server cannot keep it running unnoticed.
    static constexpr int MaxUnlistedInARow = 12;

    enum class Phase { Polling, Finished, Failed, GaveUp, Stopped };

    explicit SettlementWatch(Desk& desk) : desk_(&desk) {}

    // The status text: "正在结算...", "正在结算!", "结算完成!" or the
    // server's failure text.
    const std::string& text() const { return text_; }
    Phase phase() const { return phase_; }
    bool polling() const { return phase_ == Phase::Polling; }
    // Whether the last answer was a status answer with a state the watch
    // knows (1, 2 or 3).
    bool understood() const { return understood_; }

    // One status request (52). State 1 "正在结算!", 2 "结算完成!" (polling
    // stops), 3 the failure text (polling stops); other states change
    // nothing. An answer that is not a status answer shows BadPacketText (a
    // refusal, the server's text). A failed send shows its message and ends
    // the polling (GaveUp); a failed receive ends the program. Returns
    // whether the text changed.
    bool tick();
    // The dialog closes: no further polling.
    void stop();

private:
    Desk* desk_;
    std::string text_ = "正在结算...";
    Phase phase_ = Phase::Polling;
    int unlisted_ = 0;
    bool understood_ = false;
};

// The status dialog "结算状态" ("状态:", one button "确定").
struct SettlementStatusForm final : Form {
    static constexpr const char* Kind = "settlementStatus";
    const char* kind() const override { return Kind; }
    SettlementWatch* watch = nullptr;
};

// "开始结算" up to its answer: the permission, then command 51. The answer's
// date becomes the current settlement date before its result is looked at;
// a refusal shows the server's text. Returns whether the server accepted.
bool requestSettlementStart(Desk& desk);

// "开始结算": requestSettlementStart, and on acceptance the status dialog
// over a SettlementWatch. Returns whether the server accepted.
bool startSettlement(Desk& desk);

// "清除结算数据": the question "是否清除今日的结算数据？  " first (No sends
// nothing), then the permission, then command 105. Returns whether the
// server cleared.
bool clearSettlement(Desk& desk);

// The settlement prices of one date, all server pages loaded into one array
// and shown 100 rows a page ("第%d/%d页" with the server's page count).
class SettlementPricePage : public ReportPage {
public:
    static constexpr int RowsPerPage = 100;

    int32_t date = 0;
    std::vector<SettlementPrice> prices;
    // The page count of the last answer.
    int serverPages = 0;
    // False while no settlement was started since login: list and label
    // stay empty.
    bool loaded = false;

    const std::vector<ReportColumn>& columns() const override;
    int rowCount() const override;
    std::vector<std::string> cells(int row) const override;
    // Exchange and contract.
    std::string rowKey(int row) const override;
    PageCursor cursor() const override;
    std::string pageLabel() const override;
    bool showPage(Desk& desk, int page) override;

    // Empties the array and, for a date other than 0, reads every page
    // (53). A request that cannot be built (" 组包出错!!") and a lost
    // connection ("  与服务器断开了!") end the program. True when every page
    // came (date 0: nothing to read); false after the message of what went
    // wrong.
    bool load(Desk& desk);
    // "上一页", "下一页": within the server's page count only.
    bool previous(Desk& desk) { return showPage(desk, paging_.page - 1); }
    bool next(Desk& desk) { return showPage(desk, paging_.page + 1); }
    int page() const { return paging_.page; }

    // The edited "结算价" cell of `row` on the current page: its text is read
    // as a number, written back with three decimals (0 or no number: an
    // empty cell) and that price is sent (54). An acknowledged price
    // replaces the array's; a refusal shows the server's text and keeps the
    // old price. Returns whether the new price was taken.
    bool setPrice(Desk& desk, int row, const std::string& text);

    // Index into `prices` of the row on screen.
    int64_t indexOfRow(int row) const { return paging_.firstRow() + row; }
    // The array index of a contract of an exchange, or -1.
    int64_t find(const std::string& exchange, const std::string& contract) const;

private:
    LocalPaging paging_{RowsPerPage, 0};
    // Rows whose price was edited to 0: their cell is empty.
    std::vector<bool> emptied_;
};

// The dialog "结算价设置": a list of four columns, "上一页", "下一页", "退出"
// and the page label.
struct SettlementPricesForm final : Form {
    static constexpr const char* Kind = "settlementPrices";
    const char* kind() const override { return Kind; }
    Desk* desk = nullptr;
    SettlementPricePage* page = nullptr;
};

// "结算价设置": the permission, then the dialog over the prices of the
// current settlement date.
bool showSettlementPrices(Desk& desk);

}  // namespace korvant
