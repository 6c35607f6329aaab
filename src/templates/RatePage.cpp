#include "templates/RatePage.h"

#include "app/desk/Desk.h"
#include "app/exchange/Exchange.h"
#include "app/exchange/Query.h"
#include "protocol/Packet.h"
#include "templates/TemplateRequests.h"

namespace korvant {

bool requestRatePage(Desk& desk, const TemplateKind& kind, int32_t templateId, int page) {
    std::vector<uint8_t> request(PacketBufferSize, 0);
    const int length = writeRatePageRequest(kind, templateId, page, request);
    return sendRequest(desk, request.data(), length, ExchangeTexts::query()).ok();
}

std::optional<std::vector<RateRow>> receiveRatePage(Desk& desk, const TemplateKind& kind) {
    // Decoded once (inflated when it came compressed): the dispatcher sees
    // it, and its rows are read from the same bytes. Only an answer of the
    // page's own command carries rows; a server message was shown by the
    // dispatcher.
    QuerySpec spec;
    spec.command = kind.wire.pageCommand;
    spec.minSize = 12;
    const QueryResult answer = receiveQueryAnswer(desk, spec);
    if (!answer) return std::nullopt;
    return readRatePage(kind, answer.packet());
}

std::optional<std::vector<RateRow>> fetchRatePage(Desk& desk, const TemplateKind& kind,
                                                  int32_t templateId, int page) {
    if (!requestRatePage(desk, kind, templateId, page)) return std::nullopt;
    return receiveRatePage(desk, kind);
}

int contractPageCount(int contracts) {
    return contracts <= 0 ? 1 : (contracts + RatePageRows - 1) / RatePageRows;
}

RatePage::RatePage(const TemplateKind& kind) : kind_(&kind) {
    for (const std::string& caption : kind.columns()) {
        int width = caption.size() > 12 ? 150 : 70;
        columns_.push_back({caption, width});
    }
}

std::vector<std::string> RatePage::cells(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    const Row& r = rows_[static_cast<std::size_t>(row)];
    std::vector<std::string> out = {r.exchange, r.contract};
    if (r.rates.empty())
        out.resize(columns_.size());
    else
        out.insert(out.end(), r.rates.begin(), r.rates.end());
    return out;
}

std::string RatePage::rowKey(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    const Row& r = rows_[static_cast<std::size_t>(row)];
    return r.exchange + '\t' + r.contract;
}

PageCursor RatePage::cursor() const {
    return PageCursor{pages_, page_};
}

bool RatePage::showPage(Desk& desk, int page) {
    const RecordCache<ContractVariety>& contracts = desk.reference().varieties;
    pages_ = contractPageCount(contracts.count());
    page_ = page;
    rows_.clear();
    desk.notify(DeskChange::ReportRows);
    // The request goes out also while no template is chosen.
    std::optional<std::vector<RateRow>> rates = fetchRatePage(desk, *kind_, templateId_, page);
    read_ = rates.has_value();
    const int first = page * RatePageRows;
    for (int i = 0; i < RatePageRows && first + i < contracts.count(); ++i) {
        const ContractVariety& v = contracts.at(first + i);
        Row row{v.exchangeCode, v.contractCode, {}};
        if (templateId_ != 0) {
            RateRow rate;  // an answer short of this row lists it without rates
            if (rates && i < static_cast<int>(rates->size())) {
                rate = (*rates)[static_cast<std::size_t>(i)];
                row.known = true;
            }
            row.rates = rateRowCells(*kind_, rate);
        }
        rows_.push_back(std::move(row));
    }
    desk.notify(DeskChange::ReportRows);
    return !rows_.empty();
}

void RatePage::choose(Desk& desk, int32_t templateId, int page) {
    templateId_ = templateId;
    showPage(desk, page);
}

bool RatePage::ratesKnown(int row) const {
    return row >= 0 && row < rowCount() && rows_[static_cast<std::size_t>(row)].known;
}

int RatePage::contractIndex(int row) const {
    if (row < 0 || row >= rowCount()) return -1;
    return page_ * RatePageRows + row;
}

}  // namespace korvant
