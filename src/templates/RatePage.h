#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/pages/ReportPage.h"
#include "templates/RateRow.h"
#include "templates/TemplateKind.h"

// The rate list of one template: page p lists contract-list entries
// p·100 … p·100+99 with the rates of row i of the server's page p. The
// rows carry no contract code; the pairing is by position. While no
// template is chosen (the root or a group node) the contracts are listed
// without rates in a disabled list.
namespace korvant {

class Desk;

// Asks for one rate page (commands 91 / 43). A request that cannot be built
// ("  组包出错!! ") and a lost connection ("  与服务器断开了!") end the
// program. An answer that the dispatcher rejects, or that is not a rate
// page, shows "  错误的数据包, 无法解析 !  " and gives no rows. A compressed
// answer is inflated before its rows are read.
std::optional<std::vector<RateRow>> fetchRatePage(Desk& desk, const TemplateKind& kind,
                                                  int32_t templateId, int page);
// Its two halves, for a reader that asks for the next page before it works
// through the page it holds: the request (false when it could not be sent),
// then the answer.
bool requestRatePage(Desk& desk, const TemplateKind& kind, int32_t templateId, int page);
std::optional<std::vector<RateRow>> receiveRatePage(Desk& desk, const TemplateKind& kind);

// Pages of the contract list (100 contracts each), at least 1.
int contractPageCount(int contracts);

class RatePage : public ReportPage {
public:
    explicit RatePage(const TemplateKind& kind);

    const TemplateKind& kind() const { return *kind_; }
    int32_t templateId() const { return templateId_; }
    // The list takes input only while a template is chosen.
    bool enabled() const { return templateId_ != 0; }
    int page() const { return page_; }

    const std::vector<ReportColumn>& columns() const override { return columns_; }
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    std::vector<std::string> cells(int row) const override;
    // Exchange and contract.
    std::string rowKey(int row) const override;
    PageCursor cursor() const override;
    bool showPage(Desk& desk, int page) override;

    // Whether the last page's answer was a rate page, and whether it held the
    // rates of a row on screen (a row past a short answer is listed blank).
    bool read() const { return read_; }
    bool ratesKnown(int row) const;

    // Chooses the template (0: none) and shows `page` (page 0 on a click).
    void choose(Desk& desk, int32_t templateId, int page = 0);
    // The contract-list index of a row on screen, or -1.
    int contractIndex(int row) const;

private:
    struct Row {
        std::string exchange;
        std::string contract;
        std::vector<std::string> rates;  // empty when no template is chosen
        bool known = false;              // the rates came in the answer
    };
    const TemplateKind* kind_;
    std::vector<ReportColumn> columns_;
    int32_t templateId_ = 0;
    int page_ = 0;
    int pages_ = 1;
    bool read_ = false;
    std::vector<Row> rows_;
};

}  // namespace korvant
