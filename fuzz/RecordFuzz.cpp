// Every parser of a server answer and of its records: the first byte picks
// the parser, the rest is the decoded answer.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "accounts/deposits/DepositRecord.h"
#include "accounts/deposits/DepositRequests.h"
#include "model/Administrator.h"
#include "model/ContractVariety.h"
#include "model/Group.h"
#include "model/ListAnswer.h"
#include "model/MainAccount.h"
#include "model/RateTemplate.h"
#include "model/RiskStrategy.h"
#include "model/SubAccount.h"
#include "protocol/Packet.h"
#include "reports/log/OperationLog.h"
#include "reports/money/MoneyCsv.h"
#include "reports/money/MoneyRows.h"
#include "reports/params/TradingParameters.h"
#include "reports/settlement/SettlementRequests.h"
#include "reports/statements/StatementAssembly.h"
#include "reports/statements/StatementNames.h"
#include "reports/statements/StatementRequests.h"
#include "reports/trading/TradingRows.h"
#include "risk/RiskRequests.h"
#include "risk/RiskRule.h"
#include "templates/RateRow.h"
#include "templates/TemplateKind.h"

namespace {

using namespace korvant;
using Bytes = std::span<const uint8_t>;

// Reads every whole record of a list answer.
template <typename Record>
void records(Bytes answer) {
    ListPage page = parseListPage(answer.data(), static_cast<int>(answer.size()), Record::WireSize);
    for (int i = 0; i < page.count; ++i)
        (void)Record::fromWire(page.records + static_cast<std::size_t>(i) * Record::WireSize);
}

const std::vector<std::function<void(Bytes)>>& parsers() {
    static const std::vector<std::function<void(Bytes)>> all = {
        records<Administrator>,
        records<ContractVariety>,
        records<Group>,
        [](Bytes a) {
            ListPage page = parseListPage(a.data(), static_cast<int>(a.size()), Group::WireSize);
            for (int i = 0; i < page.count; ++i)
                (void)Group::partialFromWire(page.records +
                                             static_cast<std::size_t>(i) * Group::WireSize);
        },
        records<MainAccount>,
        records<MainAccountLink>,
        records<MarginTemplate>,
        records<FeeTemplate>,
        records<RiskStrategy>,
        records<SubAccount>,
        records<LogEntry>,
        records<SettlementPrice>,
        records<DepositRecord>,
        [](Bytes a) { (void)readRatePage(feeKind(), a); },
        [](Bytes a) { (void)readRatePage(marginKind(), a); },
        [](Bytes a) { (void)parseTradingParameters(a); },
        [](Bytes a) { (void)parseCloseTodayLists(a); },
        [](Bytes a) { (void)parseSettlementAnswer(a, a.size() > 3 ? a[3] : 0); },
        [](Bytes a) { (void)parseSettlementStatus(a); },
        [](Bytes a) { (void)parseSubAccountFunds(a.data(), static_cast<int>(a.size())); },
        [](Bytes a) { (void)parseDepositOutcome(a.data(), static_cast<int>(a.size())); },
        [](Bytes a) { (void)ResultPacket::parse(a.data(), static_cast<int>(a.size())); },
        [](Bytes a) {
            ListPage page =
                parseListPage(a.data(), static_cast<int>(a.size()), RiskStrategy::WireSize);
            for (int i = 0; i < page.count; ++i)
                (void)parseRiskRule(page.records +
                                    static_cast<std::size_t>(i) * RiskStrategy::WireSize);
        },
        [](Bytes a) {
            ListPage page =
                parseListPage(a.data(), static_cast<int>(a.size()), AssignedRule::WireSize);
            for (int i = 0; i < page.count; ++i)
                (void)parseAssignedRule(page.records +
                                        static_cast<std::size_t>(i) * AssignedRule::WireSize);
        },
        // The report rows, and the export lines written from them.
        [](Bytes a) {
            ListPage page = parseListPage(a.data(), static_cast<int>(a.size()), FundsRow::WireSize);
            std::string out;
            for (int i = 0; i < page.count; ++i)
                appendFundsCsvLine(out,
                                   FundsRow::fromWire(page.records + static_cast<std::size_t>(i) *
                                                                         FundsRow::WireSize),
                                   page.total, page.index);
        },
        [](Bytes a) {
            ListPage page =
                parseListPage(a.data(), static_cast<int>(a.size()), NetValueRow::WireSize);
            std::string out;
            for (int i = 0; i < page.count; ++i)
                appendNetValueCsvLine(
                    out, NetValueRow::fromWire(page.records + static_cast<std::size_t>(i) *
                                                                  NetValueRow::WireSize));
        },
        records<OrderRow>,
        records<TradeRow>,
        records<PositionRow>,
        // The export's control fields.
        [](Bytes a) {
            ListPage page = parseListPage(a.data(), static_cast<int>(a.size()), 1);
            (void)validPageFields(page.total, page.index);
        },
        // The statement list, the names made from its entries.
        [](Bytes a) {
            ListPage page = parseListPage(a.data(), static_cast<int>(a.size()), StatementEntrySize);
            std::vector<StatementEntry> entries;
            appendStatementEntries(page.records, page.count, entries);
            for (const StatementEntry& e : entries) {
                (void)batchStatementFileName(e.account, e.day, e.day % 2 == 0);
                StatementPeriod period;
                period.first = e.day;
                period.last = e.account;
                period.type = e.day % 3 == 0 ? PeriodType::Range : PeriodType::Day;
                (void)proposedStatementName(statementNamePart(std::to_string(e.account), ""),
                                            period, e.account % 2 == 0);
            }
        },
        // A statement in chunks: each chunk's packet length is its first two
        // bytes (as on the wire), cut to what is left.
        [](Bytes a) {
            StatementAssembly assembly;
            std::size_t at = 0;
            while (at + 4 <= a.size()) {
                std::size_t length = a[at] | (static_cast<std::size_t>(a[at + 1]) << 8);
                if (length > a.size() - at) length = a.size() - at;
                if (length < 4) length = 4;
                std::vector<uint8_t> chunk(a.begin() + static_cast<std::ptrdiff_t>(at),
                                           a.begin() + static_cast<std::ptrdiff_t>(at + length));
                if (assembly.take(chunk.data(), static_cast<int>(chunk.size())) !=
                    StatementAssembly::Step::More)
                    break;
                at += length;
            }
        },
    };
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const auto& all = parsers();
    // A copy of exactly the input's size, so that a read past the answer is
    // caught.
    std::vector<uint8_t> answer(data + 1, data + size);
    all[data[0] % all.size()](Bytes(answer.data(), answer.size()));
    return 0;
}
