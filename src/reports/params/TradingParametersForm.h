#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/port/FrontEndPort.h"
#include "reports/params/TradingParameters.h"

// The dialog "交易参数": tabs " 平今手续费减半 " and " 平今手续费不收 " (one
// variety picker: a tree of the three exchanges and a multi-selection list
// per exchange and tab) and " 其它参数 ".
namespace korvant {

class Desk;
struct ReferenceData;

struct TradingParametersForm final : Form {
    static constexpr const char* Kind = "tradingParameters";
    const char* kind() const override { return Kind; }

    // The variety codes offered per exchange (pickerExchanges() order), the
    // same for both lists.
    std::array<std::vector<std::string>, 3> varieties;
    // selected[list][exchange][item]
    std::array<std::array<std::vector<bool>, 3>, 2> selected;

    // " 其它参数 ": the two mode indices and the typed fields as text (empty
    // when the server's answer could not be read). The fund rate's field is
    // hidden but still carried and checked.
    int positionProfitMode = 0;
    int closeProfitMode = 0;
    std::string overTradingStandard;
    std::string autoSettleTime;
    std::string settleWindowStart;
    std::string settleWindowEnd;
    std::string protectionFundRate;

    // Offers the variety codes of the cached contracts on the three
    // exchanges, each code once per list, nothing selected.
    void offerVarieties(const ReferenceData& reference);
    // Selects the items equal to a token of a received list (raw GBK).
    void selectFromList(int list, std::string_view gbk);
    // Selects exactly `codes` in `list`; codes not offered go to `unknown`.
    void selectCodes(int list, const std::vector<std::string>& codes,
                     std::vector<std::string>* unknown);
    // The selected codes of a list: exchanges in tree order, items in list
    // order.
    std::vector<std::string> selectedCodes(int list) const;

    void setParameters(const TradingParameters& p);
    // The typed fields read as numbers (empty or no number: 0).
    TradingParameters parameters() const;
};

// Accepts the page when its checks pass; otherwise shows the first failure.
bool validateTradingParameters(FrontEndPort& port, TradingParametersForm& form);

// The dialog's opening values: the permission (none when refused), then the
// lists (84) and parameters (100) queries. A query that failed showed its
// message and left its part at the defaults; `readWhole`, when given, says
// whether both were read.
std::optional<TradingParametersForm> prepareTradingParameters(Desk& desk,
                                                              bool* readWhole = nullptr);

// "确认" with the accepted values: the saves 85 (list 0), 85 (list 1) and
// 101. Returns whether every save was acknowledged.
bool applyTradingParameters(Desk& desk, const TradingParametersForm& form);

// "交易参数": prepareTradingParameters, the dialog, and on "确认"
// applyTradingParameters. Returns whether the dialog was confirmed and every
// save acknowledged.
bool editTradingParameters(Desk& desk);

}  // namespace korvant
