#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Answer.h"
#include "Dispatcher.h"
#include "TradingData.h"

// What the report handlers share: the sub-accounts a report covers, the
// reports made up since the data last changed, and the page answer.
namespace korvant::sim {

// Rows of many (day, sub-account) units, counted but not made: unit u is
// day u / accounts.size() and sub-account u % accounts.size(); `ends[u]` is
// the number of rows up to and including unit u.
struct RowIndex {
    std::vector<uint32_t> accounts;  // positions in SimState::subAccounts
    std::vector<int32_t> days;
    std::vector<uint32_t> ends;
    int64_t rows() const { return ends.empty() ? 0 : ends.back(); }
};

// At most this many units a listing: a wider range is refused.
inline constexpr std::size_t MaxUnits = 32u << 20;
inline constexpr const char* RangeTooWide = "查询范围过大，请缩小日期范围";

struct ReportCache {
    explicit ReportCache(const SimState& state) : data(state) {}
    TradingData data;
    std::map<std::string, std::shared_ptr<const RowIndex>> indexes;
    std::map<std::string, std::shared_ptr<const std::vector<FundsFact>>> funds;
    std::map<std::string, std::shared_ptr<const std::vector<NetValueFact>>> netValues;
};

// The cache of the state's current data, made on first use.
ReportCache& reportCache(const SimState& state);

// Keeps `value` under `key`; a full map is emptied first.
template <class T>
void remember(std::map<std::string, std::shared_ptr<const T>>& map, const std::string& key,
              std::shared_ptr<const T> value) {
    if (map.size() >= 8) map.clear();
    map[key] = std::move(value);
}

// The sub-accounts of a report: `targetId` >= 0 is a group of the report
// tree (its sub-accounts and those of the groups below it), -1 the
// sub-account whose number is `text`. Only what the administrator manages;
// empty for anything else.
std::vector<uint32_t> targetSubAccounts(Context& c, int32_t targetId, const std::string& text);
std::string targetKey(int32_t targetId, const std::string& text);

// Counts the rows of every (day, sub-account) unit with `count`; null when
// the units are more than MaxUnits.
template <class Count>
std::shared_ptr<const RowIndex> makeRowIndex(const SimState& s, std::vector<uint32_t> accounts,
                                             std::vector<int32_t> days, Count count) {
    auto index = std::make_shared<RowIndex>();
    const std::size_t units = accounts.size() * days.size();
    if (units > MaxUnits) return nullptr;
    index->ends.reserve(units);
    uint64_t total = 0;
    for (int32_t day : days)
        for (uint32_t a : accounts) {
            total += static_cast<uint64_t>(count(s.subAccounts[a], day));
            index->ends.push_back(static_cast<uint32_t>(std::min<uint64_t>(total, UINT32_MAX)));
        }
    index->accounts = std::move(accounts);
    index->days = std::move(days);
    return index;
}

// A report page: i32 page count at 4, i32 page index at 8, rows from 12.
// No rows: count 0 and index 0. A page below 0 is page 0; a page past the
// end has no rows. `write(row, index)` fills row `index` (0 .. count-1) of
// the page's rows, which start at `first`.
Answer reportPage(uint8_t command, int rowSize, int pageSize, int page, int64_t count,
                  const std::function<void(uint8_t* rows, int64_t first, int n)>& write);

// One page of rows held whole (`rows`), each written by `writeRow`.
template <class Fact>
Answer listPage(uint8_t command, int rowSize, int pageSize, int page, const std::vector<Fact>& rows,
                void (*writeRow)(uint8_t*, const Fact&)) {
    return reportPage(command, rowSize, pageSize, page, static_cast<int64_t>(rows.size()),
                      [&](uint8_t* out, int64_t first, int n) {
                          for (int i = 0; i < n; ++i)
                              writeRow(out + static_cast<std::ptrdiff_t>(i) * rowSize,
                                       rows[static_cast<std::size_t>(first + i)]);
                      });
}

// One page of the rows of a row index, made unit by unit from `rowsOf(account, day)`.
template <class Fact>
Answer unitPage(uint8_t command, int rowSize, int pageSize, int page, const SimState& s,
                const RowIndex& index,
                const std::function<std::vector<Fact>(const SubAccount&, int32_t)>& rowsOf,
                void (*writeRow)(uint8_t*, const Fact&)) {
    return reportPage(
        command, rowSize, pageSize, page, index.rows(), [&](uint8_t* out, int64_t first, int n) {
            auto unit =
                static_cast<std::size_t>(std::upper_bound(index.ends.begin(), index.ends.end(),
                                                          static_cast<uint64_t>(first)) -
                                         index.ends.begin());
            int64_t skip = first - (unit == 0 ? 0 : index.ends[unit - 1]);
            const std::size_t width = index.accounts.size();
            int written = 0;
            for (; written < n && unit < index.ends.size(); ++unit) {
                const SubAccount& a = s.subAccounts[index.accounts[unit % width]];
                const std::vector<Fact> rows = rowsOf(a, index.days[unit / width]);
                for (std::size_t i = static_cast<std::size_t>(skip); i < rows.size() && written < n;
                     ++i, ++written)
                    writeRow(out + static_cast<std::size_t>(written) * rowSize, rows[i]);
                skip = 0;
            }
        });
}

}  // namespace korvant::sim
