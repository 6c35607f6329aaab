#include "model/PagedQuery.h"

#include <cstddef>
#include <cstdint>

#include "model/ListAnswer.h"
#include "protocol/Bytes.h"
#include "protocol/Packet.h"
#include "protocol/ServerConnection.h"

namespace korvant {

Exchange connectionExchange(ServerConnection& connection) {
    return [&connection](const uint8_t* request, int length, std::vector<uint8_t>& answer) {
        connection.send(request, length);
        return connection.receive(answer);
    };
}

PagedQueryResult runPagedQuery(const Exchange& exchange, const PagedQuery& query) {
    std::vector<uint8_t> request(PacketBufferSize, 0);
    std::vector<uint8_t> answer;
    answer.reserve(PacketBufferSize);
    std::vector<uint8_t> inflated;
    int page = 0;
    int64_t lastIndex = -1;
    int64_t received = 0;
    for (int asked = 0; asked < query.maxPages; ++asked) {
        int size =
            query.writeRequest ? query.writeRequest(page, request.data(), PacketBufferSize) : -1;
        if (size < 1) return PagedQueryResult::BuildFailed;
        int length = exchange(request.data(), size, answer);
        if (length < 1) return PagedQueryResult::Disconnected;
        if (static_cast<std::size_t>(length) > answer.size())
            length = static_cast<int>(answer.size());

        const uint8_t* packet = answer.data();
        if (length >= HeaderSize && packet[2] == FlagCompressed) {
            // Lists are expected plain; a compressed one is inflated rather
            // than read as records.
            inflated.assign(WorkCopySize, 0);
            length = inflatePacket(packet, length, inflated.data(), WorkCopySize);
            if (length < 0) break;
            packet = inflated.data();
        }
        if (!isListAnswer(packet, length, query.command)) break;

        ListPage listPage = parseListPage(packet, length, query.recordSize);
        if (query.parsePage) query.parsePage(packet, length);
        received += listPage.count;
        if (query.progress) query.progress(static_cast<int>(received));

        int64_t index = listPage.index;
        int64_t total = listPage.total;
        if (index <= lastIndex) break;    // the server repeats itself
        if (!(index < total - 1)) break;  // last page reached
        if (index + 1 > INT32_MAX) break;
        lastIndex = index;
        page = static_cast<int>(index + 1);
    }
    return PagedQueryResult::Done;
}

PagedQueryResult runPagedQuery(ServerConnection& connection, const PagedQuery& query) {
    return runPagedQuery(connectionExchange(connection), query);
}

}  // namespace korvant
