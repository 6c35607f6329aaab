#include <limits>
#include <vector>

#include "app/AccountListRequests.h"
#include "app/Desk.h"
#include "app/DeskPagedQuery.h"
#include "app/Exchange.h"
#include "app/LinkedAccountLoads.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

void loadParentMainAccounts(Desk& desk) {
    RecordCache<MainAccount>& cache = desk.accounts().mainAccounts;
    const std::string parentCode = desk.mainState().group.code.substr(0, 2);

    std::vector<uint8_t> buffer(PacketBufferSize, 0);
    const int length =
        writeGroupIdQuery(parentCode, buffer.data(), static_cast<int>(buffer.size()));
    std::vector<uint8_t> answer;
    const int received = exchange(desk, buffer.data(), length, answer, ExchangeTexts::query());
    if (received <= 0) return;
    constexpr int32_t unknown = std::numeric_limits<int32_t>::min();
    int32_t parentId = unknown;
    std::vector<uint8_t> packet;
    if (decodeAnswer(desk.router(), answer.data(), received, &parentId, &packet) != 0) {
        desk.port().error("  错误的数据包, 无法解析 !  ");
        return;
    }
    // The id comes as a single-value answer (routed into `parentId`) or as an
    // answer of the query's own command with the id at the same offset.
    if (parentId == unknown && packet.size() >= 8 && packet[3] == cmd::GroupIdOfCode)
        parentId = getI32(packet.data() + 4);
    // Without an id no other group's accounts are left in the cache.
    cache.clear();
    if (parentId == unknown) {
        // A refusal showed the server's text; any other answer is not the one
        // asked for, and an empty list would pass for the parent's.
        const int size = static_cast<int>(packet.size());
        if (!ResultPacket::isResult(packet.data(), size) ||
            ResultPacket::parse(packet.data(), size).status == 0)
            desk.port().error("  错误的数据包, 无法解析 !  ");
        return;
    }

    PagedQuery query;
    query.command = cmd::MainAccountList;
    query.recordSize = MainAccount::WireSize;
    query.writeRequest = [parentId](int page, uint8_t* out, int capacity) {
        return writeMainAccountListRequest(parentId, SearchFilter{}, page, out, capacity);
    };
    bool first = true;
    query.parsePage = [&](const uint8_t* packet, int size) {
        if (first)
            cache.replaceFromAnswer(packet, size);
        else
            cache.appendAnswer(packet, size);
        first = false;
    };
    // Accounts of a read that stopped early are not offered as the group's.
    PagedQueryTexts texts;
    texts.progress = "查询主账号";
    if (!runDeskPagedQuery(desk, std::move(query), texts)) cache.clear();
}

}  // namespace korvant
