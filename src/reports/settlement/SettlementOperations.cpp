#include "reports/settlement/SettlementOperations.h"

#include <functional>
#include <vector>

#include "app/desk/Desk.h"
#include "app/exchange/Change.h"
#include "app/exchange/Query.h"
#include "app/session/Permissions.h"
#include "model/ListAnswer.h"
#include "protocol/AnswerRouter.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"
#include "reports/ReportLoads.h"
#include "text/NumberInput.h"
#include "text/NumberText.h"

namespace korvant {
namespace {

const char* const GaveUpText = "服务器返回的结算状态无法识别，已停止查询。  ";

// A command-0 answer with a non-zero status: the server refused and said why.
bool isRefusal(std::span<const uint8_t> answer) {
    return answer.size() >= 5 && answer[3] == cmd::Result && answer[4] != 0;
}

// The judgement of the start and clear answers: the server's text on a
// refusal, BadPacketText for an answer of another kind.
AckResult judgeSettlementAnswer(Desk& desk, std::span<const uint8_t> answer, uint8_t command,
                                SettlementAnswer& parsed) {
    // An answer that could not be decoded comes as received: its bytes are
    // no date and no result.
    const bool plain = answer.size() >= HeaderSize && answer[2] == FlagPlain;
    parsed = plain ? parseSettlementAnswer(answer, command) : SettlementAnswer{};
    if (parsed.valid) return AckResult::Success;
    if (isRefusal(answer)) {
        ResultPacket result = ResultPacket::parse(answer.data(), static_cast<int>(answer.size()));
        desk.port().error(result.text);
        return AckResult::Refused;
    }
    desk.port().error(BadPacketText);
    return AckResult::NotAcknowledged;
}

ChangeSpec settlementSpec() {
    ChangeSpec spec;
    spec.exchange = ExchangeTexts::operation("  组包出错!! ");
    spec.judgement = Judgement::Custom;
    spec.requery = Requery::Never;
    spec.ack.writeRows = false;
    spec.ack.parseFailed = BadPacketText;
    return spec;
}

}  // namespace

// --- status dialog ---

bool SettlementWatch::tick() {
    if (!polling()) return false;
    if (!gate(*desk_, GatedOperation::Settlement)) {
        phase_ = Phase::GaveUp;
        return false;
    }
    // The status is read from the answer as decoded (inflated when it came
    // compressed); a refusal, or an answer that is no status answer, says
    // nothing about the state.
    QuerySpec spec;
    spec.build = writeSettlementStatus;
    spec.command = cmd::SettlementProgress;
    spec.minSize = 8;
    spec.route = false;
    spec.exchange = ExchangeTexts::operation("  组包出错!! ");
    spec.undecodable = BadPacketText;
    const QueryResult answer = runQuery(*desk_, spec);
    understood_ = false;
    // The failure was shown once; asking again would only repeat it.
    if (!answer && answer.failure() == QueryFailure::NotSent) {
        phase_ = Phase::GaveUp;
        return false;
    }
    const SettlementStatusAnswer status =
        answer ? parseSettlementStatus(answer.span()) : SettlementStatusAnswer{};
    understood_ = status.valid && status.state >= static_cast<int>(SettlementState::Running) &&
                  status.state <= static_cast<int>(SettlementState::Failed);
    const std::string before = text_;
    switch (status.valid ? status.state : 0) {
        case static_cast<int>(SettlementState::Running):
            text_ = "正在结算!";
            unlisted_ = 0;
            break;
        case static_cast<int>(SettlementState::Finished):
            text_ = "结算完成!";
            phase_ = Phase::Finished;
            break;
        case static_cast<int>(SettlementState::Failed):
            text_ = status.text;
            phase_ = Phase::Failed;
            break;
        default:
            if (++unlisted_ >= MaxUnlistedInARow) {
                phase_ = Phase::GaveUp;
                desk_->port().warn(GaveUpText);
            }
            break;
    }
    return text_ != before;
}

void SettlementWatch::stop() {
    if (polling()) phase_ = Phase::Stopped;
}

// --- start and clear ---

namespace {

// Sends a start or clear command; a refusal shows the server's text. The
// answer's date is kept even when the server refuses; `accepted` runs on
// success (its message).
bool runSettlementCommand(Desk& desk, const decltype(ChangeSpec::build)& build, uint8_t command,
                          const std::function<void(Desk&)>& accepted) {
    SettlementAnswer parsed;
    ChangeSpec spec = settlementSpec();
    spec.build = build;
    spec.judge = [&](Desk& d, std::span<const uint8_t> answer) {
        AckResult result = judgeSettlementAnswer(d, answer, command, parsed);
        if (result != AckResult::Success) return result;
        if (command == cmd::StartSettlement) d.session().settlementDate = parsed.date;
        if (!parsed.accepted) {
            d.port().info(parsed.text);
            return AckResult::Refused;
        }
        if (accepted) accepted(d);
        return AckResult::Success;
    };
    return runChange(desk, spec).done;
}

}  // namespace

bool requestSettlementStart(Desk& desk) {
    if (!gate(desk.port(), desk.session().permissionMask, GatedOperation::Settlement)) return false;
    return runSettlementCommand(desk, writeStartSettlement, cmd::StartSettlement, {});
}

bool startSettlement(Desk& desk) {
    if (!requestSettlementStart(desk)) return false;
    SettlementWatch watch(desk);
    SettlementStatusForm form;
    form.watch = &watch;
    desk.port().editForm(form, [](Form&) { return true; });
    watch.stop();
    return true;
}

bool clearSettlement(Desk& desk) {
    if (!desk.port().askYesNo({"是否清除今日的结算数据？  ", "提示", MessageIcon::Question, true}))
        return false;
    if (!gate(desk, GatedOperation::Settlement)) return false;
    return runSettlementCommand(desk, writeClearSettlement, cmd::ClearSettlement, [](Desk& d) {
        d.port().info("结算结果已清除。稍后请手动重新结算。  ");
    });
}

// --- settlement prices ---

const std::vector<ReportColumn>& SettlementPricePage::columns() const {
    static const std::vector<ReportColumn> columns = {
        {"日期", 150}, {"市场", 150}, {"合约", 150}, {"结算价", 150}};
    return columns;
}

int SettlementPricePage::rowCount() const {
    return loaded ? paging_.rowsOnPage(static_cast<int64_t>(prices.size())) : 0;
}

std::vector<std::string> SettlementPricePage::cells(int row) const {
    const int64_t index = indexOfRow(row);
    if (row < 0 || index >= static_cast<int64_t>(prices.size())) return {"", "", "", ""};
    const SettlementPrice& p = prices[static_cast<std::size_t>(index)];
    const bool empty = emptied_[static_cast<std::size_t>(index)];
    return {formatInt(p.date), p.exchange, p.contract, empty ? "" : formatFixed(p.price, 3)};
}

std::string SettlementPricePage::rowKey(int row) const {
    const std::vector<std::string> all = cells(row);
    return all[1] + '\t' + all[2];
}

PageCursor SettlementPricePage::cursor() const {
    return PageCursor{serverPages, paging_.page};
}

std::string SettlementPricePage::pageLabel() const {
    if (!loaded) return {};
    return "第" + formatInt(paging_.page + 1) + "/" + formatInt(serverPages) + "页";
}

bool SettlementPricePage::showPage(Desk&, int page) {
    if (!loaded || page < 0 || page > serverPages - 1) return false;
    paging_.page = page;
    return true;
}

bool SettlementPricePage::load(Desk& desk) {
    if (!gate(desk, GatedOperation::Settlement)) return false;
    prices.clear();
    emptied_.clear();
    paging_.page = 0;
    serverPages = 0;
    loaded = false;
    if (date == 0) return true;
    loaded = true;
    PagedQuery query;
    query.command = cmd::SettlementPrices;
    query.recordSize = SettlementPrice::WireSize;
    const int32_t wanted = date;
    query.writeRequest = [wanted](int page, uint8_t* buffer, int capacity) {
        return writeSettlementPricesQuery(
            wanted, page, std::span<uint8_t>(buffer, static_cast<std::size_t>(capacity)));
    };
    query.parsePage = [this](const uint8_t* packet, int length) {
        const ListPage page = parseListPage(packet, length, SettlementPrice::WireSize);
        serverPages = page.total;
        for (int i = 0; i < page.count; ++i)
            prices.push_back(SettlementPrice::fromWire(
                page.records + static_cast<std::size_t>(i) * SettlementPrice::WireSize));
    };
    const bool read = loadAllPages(desk, query, "查询结算价");
    emptied_.assign(prices.size(), false);
    return read;
}

bool SettlementPricePage::setPrice(Desk& desk, int row, const std::string& text) {
    if (!gate(desk, GatedOperation::Settlement)) return false;
    const int64_t index = indexOfRow(row);
    if (!loaded || row < 0 || row >= rowCount()) return false;
    // What is not a price is refused before anything is sent: a typing slip
    // must not set every account's settlement price to 0. An empty cell is
    // the price 0.
    static constexpr NumberInput PriceInput{9, false, 999999999999.0};
    const std::optional<double> typed = readNumberInput(PriceInput, text);
    if (!typed) {
        desk.port().error(numberInputRefusal("结算价", PriceInput));
        return false;
    }
    // The cell shows the number with three decimals, or nothing for 0; the
    // price sent is what the cell then reads.
    const std::string cell = *typed != 0 ? formatFixed(*typed, 3) : std::string();
    SettlementPrice update = prices[static_cast<std::size_t>(index)];
    update.price = readLenient(cell);

    ChangeSpec spec;
    spec.build = [&update](std::span<uint8_t> buffer) {
        return writeSettlementPriceUpdate(update, buffer);
    };
    spec.exchange = ExchangeTexts::query(" 组包出错!!");
    spec.judgement = Judgement::Custom;
    spec.requery = Requery::Never;
    spec.ack.writeRows = false;
    spec.ack.parseFailed = BadPacketText;
    spec.judge = [](Desk& d, std::span<const uint8_t> answer) {
        return dispatchOwnAnswer(d, answer, cmd::SetSettlementPrice, BadPacketText);
    };
    if (!runChange(desk, spec).done) return false;
    prices[static_cast<std::size_t>(index)].price = update.price;
    emptied_[static_cast<std::size_t>(index)] = update.price == 0;
    return true;
}

int64_t SettlementPricePage::find(const std::string& exchange, const std::string& contract) const {
    for (std::size_t i = 0; i < prices.size(); ++i)
        if (prices[i].exchange == exchange && prices[i].contract == contract)
            return static_cast<int64_t>(i);
    return -1;
}

bool showSettlementPrices(Desk& desk) {
    if (!gate(desk.port(), desk.session().permissionMask, GatedOperation::Settlement)) return false;
    SettlementPricePage page;
    page.date = desk.session().settlementDate;
    page.load(desk);
    SettlementPricesForm form;
    form.desk = &desk;
    form.page = &page;
    desk.port().editForm(form, [](Form&) { return true; });
    return true;
}

}  // namespace korvant
