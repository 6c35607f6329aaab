#include "reports/params/TradingParametersForm.h"

#include <algorithm>
#include <vector>

#include "app/desk/Desk.h"
#include "app/exchange/Change.h"
#include "app/exchange/Query.h"
#include "app/session/Permissions.h"
#include "model/ReferenceData.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"
#include "reports/ReportLoads.h"
#include "text/NumberText.h"

namespace korvant {
namespace {

int exchangeIndex(const std::string& code) {
    const auto& exchanges = pickerExchanges();
    for (std::size_t i = 0; i < exchanges.size(); ++i)
        if (code == exchanges[i].code) return static_cast<int>(i);
    return -1;
}

// Fixed notation without trailing zeros ("7.500000" → "7.5").
std::string rateText(double value) {
    std::string s = formatFixed(value, 6);
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s.empty() || s == "-0" ? "0" : s;
}

std::string joined(const std::vector<std::string>& codes) {
    std::string text;
    for (const std::string& code : codes) text += (text.empty() ? "" : ", ") + code;
    return text;
}

// One query for the dialog: its answer routed through the response
// dispatcher and read by the caller; nothing (after the message) when it
// cannot be decoded, is a refusal or is no answer of the query's command.
QueryResult queryForDialog(Desk& desk, uint8_t command, int (*build)(std::span<uint8_t>)) {
    QuerySpec spec;
    spec.build = build;
    spec.command = command;
    spec.exchange = ExchangeTexts::query("  组包出错!! ");
    spec.undecodable = BadPacketText;
    spec.title = "查询交易参数";
    return runQuery(desk, spec);
}

bool loadLists(Desk& desk, TradingParametersForm& form) {
    const QueryResult answer = queryForDialog(desk, cmd::CloseTodayFees, writeCloseTodayQuery);
    if (!answer) return false;
    auto lists = parseCloseTodayLists(answer.span());
    if (!lists) {
        desk.port().error(BadPacketText);
        return false;
    }
    form.selectFromList(0, lists->list0);
    form.selectFromList(1, lists->list1);
    return true;
}

bool loadParameters(Desk& desk, TradingParametersForm& form) {
    const QueryResult answer =
        queryForDialog(desk, cmd::TradingParameters, writeTradingParametersQuery);
    if (!answer) return false;
    auto parameters = parseTradingParameters(answer.span());
    if (!parameters) {
        desk.port().error(BadPacketText);
        return false;
    }
    form.setParameters(*parameters);
    return true;
}

// A save whose answer goes through the response dispatcher: a rejected
// answer shows BadPacketText, a refusal the server's text.
bool save(Desk& desk, uint8_t command, std::function<int(std::span<uint8_t>)> build) {
    ChangeSpec spec;
    spec.build = std::move(build);
    spec.exchange = ExchangeTexts::query("  组包出错!! ");
    spec.judgement = Judgement::Custom;
    spec.requery = Requery::Never;
    spec.ack.writeRows = false;
    spec.ack.parseFailed = BadPacketText;
    spec.judge = [command](Desk& d, std::span<const uint8_t> answer) {
        return dispatchOwnAnswer(d, answer, command, BadPacketText);
    };
    return runChange(desk, spec).done;
}

}  // namespace

void TradingParametersForm::offerVarieties(const ReferenceData& reference) {
    for (auto& list : varieties) list.clear();
    for (const ContractVariety& v : reference.varieties.records) {
        const int exchange = exchangeIndex(v.exchangeCode);
        if (exchange < 0 || v.productCode.empty()) continue;
        bool offered = false;
        for (const auto& list : varieties)
            offered = offered || std::find(list.begin(), list.end(), v.productCode) != list.end();
        if (!offered) varieties[static_cast<std::size_t>(exchange)].push_back(v.productCode);
    }
    for (auto& lists : selected)
        for (std::size_t e = 0; e < lists.size(); ++e) lists[e].assign(varieties[e].size(), false);
}

void TradingParametersForm::selectFromList(int list, std::string_view gbk) {
    if (list < 0 || list > 1) return;
    for (const std::string& token : closeTodayTokens(gbk))
        for (std::size_t e = 0; e < varieties.size(); ++e)
            for (std::size_t i = 0; i < varieties[e].size(); ++i)
                if (varieties[e][i] == token) selected[list][e][i] = true;
}

void TradingParametersForm::selectCodes(int list, const std::vector<std::string>& codes,
                                        std::vector<std::string>* unknown) {
    if (list < 0 || list > 1) return;
    for (std::size_t e = 0; e < varieties.size(); ++e)
        selected[list][e].assign(varieties[e].size(), false);
    for (const std::string& code : codes) {
        bool found = false;
        for (std::size_t e = 0; e < varieties.size(); ++e)
            for (std::size_t i = 0; i < varieties[e].size(); ++i)
                if (varieties[e][i] == code) {
                    selected[list][e][i] = true;
                    found = true;
                }
        if (!found && unknown != nullptr) unknown->push_back(code);
    }
}

std::vector<std::string> TradingParametersForm::selectedCodes(int list) const {
    std::vector<std::string> codes;
    if (list < 0 || list > 1) return codes;
    for (std::size_t e = 0; e < varieties.size(); ++e)
        for (std::size_t i = 0; i < varieties[e].size() && i < selected[list][e].size(); ++i)
            if (selected[list][e][i]) codes.push_back(varieties[e][i]);
    return codes;
}

void TradingParametersForm::setParameters(const TradingParameters& p) {
    positionProfitMode = p.positionProfitMode;
    closeProfitMode = p.closeProfitMode;
    overTradingStandard = formatInt(p.overTradingStandard);
    autoSettleTime = formatInt(p.autoSettleTime);
    settleWindowStart = formatInt(p.settleWindowStart);
    settleWindowEnd = formatInt(p.settleWindowEnd);
    protectionFundRate = rateText(p.protectionFundRate);
}

TradingParameters TradingParametersForm::parameters() const {
    auto whole = [](const std::string& text) {
        const double v = readLenient(text);
        if (v >= 2147483647.0) return INT32_MAX;
        if (v <= -2147483648.0) return INT32_MIN;
        return static_cast<int32_t>(v);
    };
    TradingParameters p;
    p.positionProfitMode = std::clamp(positionProfitMode, 0, 4);
    p.closeProfitMode = std::clamp(closeProfitMode, 0, 2);
    p.overTradingStandard = whole(overTradingStandard);
    p.autoSettleTime = whole(autoSettleTime);
    p.settleWindowStart = whole(settleWindowStart);
    p.settleWindowEnd = whole(settleWindowEnd);
    p.protectionFundRate = readLenient(protectionFundRate);
    return p;
}

bool validateTradingParameters(FrontEndPort& port, TradingParametersForm& form) {
    if (auto failure = checkTradingParameters(form.parameters())) {
        port.showMessage(*failure);
        return false;
    }
    return true;
}

std::optional<TradingParametersForm> prepareTradingParameters(Desk& desk, bool* readWhole) {
    if (!gate(desk.port(), desk.session().permissionMask, GatedOperation::Settlement))
        return std::nullopt;
    TradingParametersForm form;
    form.offerVarieties(desk.reference());
    const bool lists = loadLists(desk, form);
    const bool parameters = loadParameters(desk, form);
    if (readWhole != nullptr) *readWhole = lists && parameters;
    return form;
}

bool applyTradingParameters(Desk& desk, const TradingParametersForm& form) {
    if (!gate(desk, GatedOperation::Settlement)) return false;
    FrontEndPort& port = desk.port();
    bool saved = true;
    for (int32_t list = 0; list < 2; ++list) {
        std::vector<std::string> leftOut;
        const std::string text = closeTodayListText(form.selectedCodes(list), &leftOut);
        if (!leftOut.empty())
            port.warn(std::string(closeTodayTabCaptions()[static_cast<std::size_t>(list)]) +
                      "超出长度，以下品种未保存: " + joined(leftOut));
        saved = save(desk, cmd::SetCloseTodayFees,
                     [&text, list](std::span<uint8_t> buffer) {
                         return writeCloseTodaySave(text, list, buffer);
                     }) &&
                saved;
    }
    const TradingParameters p = form.parameters();
    saved =
        save(desk, cmd::SetTradingParameters,
             [&p](std::span<uint8_t> buffer) { return writeTradingParametersSave(p, buffer); }) &&
        saved;
    return saved;
}

bool editTradingParameters(Desk& desk) {
    std::optional<TradingParametersForm> form = prepareTradingParameters(desk);
    if (!form) return false;
    FrontEndPort& port = desk.port();
    if (!port.editForm(*form, [&port](TradingParametersForm& f) {
            return validateTradingParameters(port, f);
        }))
        return false;
    return applyTradingParameters(desk, *form);
}

}  // namespace korvant
