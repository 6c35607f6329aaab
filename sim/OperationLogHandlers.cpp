#include <cstdio>

#include "Dispatcher.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"

// The log view's requests: the scope of an administrator's group (63, the
// group code of a group id) and the log query (58).
namespace korvant::sim {
namespace {

constexpr int EntriesPerPage = 30;  // 712-byte entries

// "Y-M-D h:m:s" as yyyymmddhhmmss; -1 when it is not such a text.
int64_t sortTimeOf(const std::string& text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s) != 6) return -1;
    return y * 10000000000LL + mo * 100000000LL + d * 1000000LL + h * 10000LL + mi * 100LL + s;
}

Answer groupCodeOfId(const Request& r, Context& c) {
    const Group* g = c.state.findGroup(r.i32(4));
    if (g == nullptr) return refusal("组不存在");
    Answer out = fixedAnswer(cmd::GroupCodeOfId, 20);
    writePlainText(out.data() + 4, 16, g->code);
    return out;
}

Answer operationLog(const Request& r, Context& c) {
    const std::string scope = r.text(4, 16);
    const int64_t from = sortTimeOf(r.text(24, 32));
    const int64_t to = sortTimeOf(r.text(56, 32));
    const std::string admin = r.text(89, 16);
    const std::string keyword = r.text(105, 16);
    const int32_t mask = r.i32(121);
    // The same query for its next page reuses what the first page found.
    std::string key = scope + '\n' + r.text(24, 32) + '\n' + r.text(56, 32) + '\n' + admin + '\n' +
                      keyword + '\n' + std::to_string(mask);
    const std::vector<std::size_t>& found =
        c.state.operationLog.find(key, from, to, [&](const LogRecord& e) {
            if (e.groupCode.compare(0, scope.size(), scope) != 0) return false;
            if (!admin.empty() && e.administrator != admin) return false;
            if (!keyword.empty() && e.operation.find(keyword) == std::string::npos &&
                e.remark.find(keyword) == std::string::npos)
                return false;
            return mask == 0 || (e.kind & mask) != 0;
        });
    return pageAnswer(cmd::OperationLog, 712, EntriesPerPage, r.i32(20),
                      static_cast<int>(found.size()), [&](uint8_t* out, int i) {
                          const LogRecord& e =
                              c.state.operationLog.at(found[static_cast<std::size_t>(i)]);
                          writePlainText(out, 32, e.administrator);
                          writePlainText(out + 32, 64, e.operation);
                          writePlainText(out + 96, 512, e.remark);
                          writePlainText(out + 624, 32, e.dateTime);
                          writePlainText(out + 656, 40, e.ip);
                          writePlainText(out + 696, 16, e.mac);
                      });
}

}  // namespace

void addOperationLogHandlers(Dispatcher& d) {
    d.add({cmd::GroupCodeOfId, 8, false, RefusalStyle::Result, groupCodeOfId});
    d.add({cmd::OperationLog, 125, false, RefusalStyle::Result, operationLog});
}

}  // namespace korvant::sim
