#include "ReportSupport.h"

#include "HandlerSupport.h"
#include "text/NumberText.h"

namespace korvant::sim {

ReportCache& reportCache(const SimState& state) {
    std::shared_ptr<ReportCache>& cache = state.reportCache();
    if (!cache) cache = std::make_shared<ReportCache>(state);
    return *cache;
}

std::vector<uint32_t> targetSubAccounts(Context& c, int32_t targetId, const std::string& text) {
    if (targetId == -1) {
        int32_t number = 0;
        const SubAccount* a =
            parseAccountNumber(text, number) ? c.state.findSubAccount(number) : nullptr;
        if (a == nullptr || !manages(c, a->groupId)) return {};
        return {static_cast<uint32_t>(a - c.state.subAccounts.data())};
    }
    if (targetId < 0 || c.state.findGroup(targetId) == nullptr || !manages(c, targetId)) return {};
    return c.state.positionsWithin(targetId, true);
}

std::string targetKey(int32_t targetId, const std::string& text) {
    return targetId == -1 ? "a" + text : "g" + formatInt(targetId);
}

Answer reportPage(uint8_t command, int rowSize, int pageSize, int page, int64_t count,
                  const std::function<void(uint8_t*, int64_t, int)>& write) {
    page = std::max(page, 0);
    const int64_t pages = count <= 0 ? 0 : (count + pageSize - 1) / pageSize;
    if (pages == 0) page = 0;
    const int64_t first = static_cast<int64_t>(page) * pageSize;
    const int rows = static_cast<int>(std::clamp<int64_t>(count - first, 0, pageSize));
    Answer out(static_cast<std::size_t>(12 + rows * rowSize), 0);
    putU16(out.data(), static_cast<uint16_t>(out.size()));
    out[3] = command;
    putI32(out.data() + 4, static_cast<int32_t>(std::min<int64_t>(pages, INT32_MAX)));
    putI32(out.data() + 8, page);
    if (rows > 0) write(out.data() + 12, first, rows);
    return out;
}

}  // namespace korvant::sim
