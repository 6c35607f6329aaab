#include "reports/trading/PositionChange.h"

#include <algorithm>

#include "app/desk/Desk.h"
#include "app/exchange/Change.h"
#include "app/session/Permissions.h"
#include "reports/trading/TradingCodes.h"
#include "reports/trading/TradingPages.h"

namespace korvant {

namespace {

constexpr const char* NothingChosenText = "请先选中要修改的持仓，按住 Ctrl 键可进行多选。";
constexpr const char* Title = "修改持仓";

// The chosen rows that the page lists, each once, in list order.
std::vector<PositionRow> chosenRows(const PositionsPage& page, std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<PositionRow> chosen;
    for (int row : rows)
        if (row >= 0 && row < page.rowCount())
            chosen.push_back(page.rows[static_cast<std::size_t>(row)]);
    return chosen;
}

bool mayChange(Desk& desk, const std::vector<PositionRow>& chosen) {
    if (chosen.empty()) {
        desk.port().info(NothingChosenText);
        return false;
    }
    return gate(desk.port(), desk.session().permissionMask, GatedOperation::ModifyPositions);
}

std::string describe(const PositionRow& row) {
    return textf("子账号:%d, 合约:%s, 成交号:%s", row.subAccount, row.contract.c_str(),
                 row.tradeNumber.c_str());
}

}  // namespace

bool validatePositionChangeForm(FrontEndPort& port, PositionChangeForm& form) {
    form.refusedField.clear();
    if (form.changeVolume && form.volume < 0) {
        form.refusedField = "volume";
        port.warn("持仓数量不能为负数。");
        return false;
    }
    if (form.changeHedge && (form.hedgeIndex < 0 || form.hedgeIndex > 2)) {
        form.refusedField = "hedge";
        port.warn("请选择投保类型。");
        return false;
    }
    return true;
}

PositionChange positionChangeOf(const PositionRow& row, const PositionChangeForm& form) {
    PositionChange change;
    change.exchange = row.exchange;
    change.contract = row.contract;
    change.tradeNumber = row.tradeNumber;
    change.combinationNumber = row.combinationNumber;
    change.direction = row.direction == '0' ? '0' : '1';
    change.hedge = row.hedge == '1' || row.hedge == '2' ? row.hedge : '3';
    change.newHedge = form.changeHedge ? static_cast<uint8_t>('1' + form.hedgeIndex) : 0xFF;
    change.subAccount = row.subAccount;
    change.openDate = row.openDate;
    change.tradingDay = row.tradingDay;
    change.volume = row.volume;
    change.newVolume = form.changeVolume ? form.volume : -1;
    return change;
}

bool changePositions(Desk& desk, PositionsPage& page, const std::vector<int>& rows,
                     const PositionChangeForm& form) {
    // Copies: the rows of the page change with the query that follows.
    const std::vector<PositionRow> chosen = chosenRows(page, rows);
    if (!mayChange(desk, chosen)) return false;
    if (!form.changesAnything()) return false;

    bool allChanged = true;
    bool first = true;
    for (const PositionRow& row : chosen) {
        const PositionChange change = positionChangeOf(row, form);
        ChangeSpec spec;
        spec.title = Title;
        spec.startDetail = describe(row);
        spec.startClears = first;
        spec.request = [&change] { return writePositionChange(change); };
        spec.exchange = ExchangeTexts::account("与服务器的联接断开了!");
        spec.ack.title = Title;
        spec.ack.failureRow = textf("修改 %s 失败！", row.tradeNumber.c_str());
        spec.ack.successRow = textf("修改 %s 成功", row.tradeNumber.c_str());
        spec.requery = Requery::Never;
        first = false;
        // The first change not acknowledged (refused, or an answer that says
        // nothing about it) stops the run: the rows after it stay as they were.
        if (!runChange(desk, spec).done) {
            allChanged = false;
            break;
        }
    }
    page.search(desk);
    return allChanged;
}

bool modifyPositions(Desk& desk, PositionsPage& page, const std::vector<int>& rows) {
    const std::vector<PositionRow> chosen = chosenRows(page, rows);
    if (!mayChange(desk, chosen)) return false;
    FrontEndPort& port = desk.port();
    // The dialog starts from the volume and type of the first chosen
    // position, so that ticking a box without typing changes nothing else.
    PositionChangeForm form;
    form.volume = chosen.front().volume;
    const uint8_t hedge = chosen.front().hedge;
    form.hedgeIndex = hedge == '1' ? 0 : hedge == '2' ? 1 : 2;
    if (!port.editForm(
            form, [&port](PositionChangeForm& f) { return validatePositionChangeForm(port, f); }))
        return false;
    return changePositions(desk, page, rows, form);
}

}  // namespace korvant
