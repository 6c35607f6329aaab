#include "reports/ReportLoads.h"

#include <algorithm>
#include <vector>

#include "app/Desk.h"
#include "model/ListAnswer.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

bool loadAllPages(Desk& desk, const PagedQuery& query) {
    std::vector<uint8_t> last;
    Exchange base = connectionExchange(desk.connection());
    Exchange watching = [&](const uint8_t* request, int length, std::vector<uint8_t>& answer) {
        int received = base(request, length, answer);
        if (received > 0)
            last.assign(answer.begin(),
                        answer.begin() + std::min<std::size_t>(answer.size(),
                                                               static_cast<std::size_t>(received)));
        return received;
    };
    switch (runPagedQuery(watching, query)) {
        case PagedQueryResult::BuildFailed:
            desk.port().endProgram(" 组包出错!!");
        case PagedQueryResult::Disconnected:
            desk.port().endProgram("  与服务器断开了!");
        case PagedQueryResult::Done:
            break;
    }
    const int length = static_cast<int>(last.size());
    if (isListAnswer(last.data(), length, query.command)) return true;
    // A refusal shows the server's text through its handler.
    const bool refusal = length >= 5 && last[3] == cmd::Result && last[4] != 0;
    if (refusal && decodeAnswer(desk.router(), last.data(), length) == 0) return false;
    desk.port().error(BadPacketText);
    return false;
}

}  // namespace korvant
