#pragma once

#include <cstdint>
#include <vector>

#include "app/port/FrontEndPort.h"
#include "reports/trading/TradingRequests.h"
#include "reports/trading/TradingRows.h"

// "修改" on " 持仓记录 ": the volume or the speculation/hedge type of chosen
// positions changed on the server, one command 109 per position.
namespace korvant {

class Desk;
class PositionsPage;

// The dialog "修改选中的持仓".
struct PositionChangeForm final : Form {
    static constexpr const char* Kind = "positionChange";
    const char* kind() const override { return Kind; }

    bool changeVolume = false;  // "修改持仓数量:"
    int32_t volume = 0;
    bool changeHedge = false;  // "修改投保类型:"
    int hedgeIndex = 0;        // into HedgeChoices: "投机", "套利", "保值"

    bool changesAnything() const { return changeVolume || changeHedge; }
};

// A ticked volume must not be negative ("持仓数量不能为负数。", field "volume"),
// a ticked type must be one of the three.
bool validatePositionChangeForm(FrontEndPort& port, PositionChangeForm& form);

// The change of `row` that the form asks for: 0xFF as the new type when
// only the volume is ticked, -1 as the new volume when only the type is.
PositionChange positionChangeOf(const PositionRow& row, const PositionChangeForm& form);

// The change of the rows `rows` (indexes into the page's rows) of `page`,
// in list order. No row: "请先选中要修改的持仓，按住 Ctrl 键可进行多选。" and nothing
// else. Without the permission "修改持仓记录" its refusal is shown and nothing
// is sent; a form that ticks nothing sends nothing. The first refusal is
// shown (error icon) and the rows after it are not sent; a lost connection
// ("与服务器的联接断开了!") ends the program. Afterwards the page is queried
// again as by "查询". True when every row was changed.
bool changePositions(Desk& desk, PositionsPage& page, const std::vector<int>& rows,
                     const PositionChangeForm& form);

// The desk's "修改": the same checks of the rows and the permission before
// the dialog is shown, then the dialog (filled with the volume and type of
// the first chosen row) and changePositions.
bool modifyPositions(Desk& desk, PositionsPage& page, const std::vector<int>& rows);

}  // namespace korvant
