#include "model/PagedQuery.h"

#include <cstddef>
#include <cstdint>

#include "model/ListAnswer.h"
#include "protocol/AnswerRouter.h"
#include "protocol/Packet.h"
#include "protocol/ServerConnection.h"

namespace korvant {

Exchange connectionExchange(ServerConnection& connection) {
    return [&connection](const uint8_t* request, int length, std::vector<uint8_t>& answer) {
        connection.send(request, length);
        return connection.receive(answer);
    };
}

namespace {

int clampedInt(int64_t value) {
    return value > INT32_MAX ? INT32_MAX : static_cast<int>(value);
}

}  // namespace

PagedQueryResult runPagedQuery(const Exchange& exchange, const PagedQuery& query) {
    // The request and the answer have buffers of their own: the request of
    // the next page is written while the answer of this one is still read.
    std::vector<uint8_t> request(PacketBufferSize, 0);
    std::vector<uint8_t> answer;
    answer.reserve(PacketBufferSize);
    std::vector<uint8_t> packet;
    int page = 0;
    int64_t lastIndex = -1;
    int64_t records = 0;
    int64_t bytes = 0;
    for (int asked = 0;; ++asked) {
        if (asked >= query.maxPages) return PagedQueryResult::TooMuchData;
        const int size =
            query.writeRequest ? query.writeRequest(page, request.data(), PacketBufferSize) : -1;
        if (size < 1) return PagedQueryResult::BuildFailed;
        int length = exchange(request.data(), size, answer);
        if (length < 1) return PagedQueryResult::Disconnected;
        if (static_cast<std::size_t>(length) > answer.size())
            length = static_cast<int>(answer.size());

        std::span<const uint8_t> received(answer.data(), static_cast<std::size_t>(length));
        if (decodePacket(received, packet) != DecodeOk) {
            if (query.foreignAnswer) query.foreignAnswer(received);
            return PagedQueryResult::ForeignAnswer;
        }
        const int decodedLength = static_cast<int>(packet.size());
        if (!isListAnswer(packet.data(), decodedLength, query.command)) {
            if (query.foreignAnswer) query.foreignAnswer(packet);
            return PagedQueryResult::ForeignAnswer;
        }

        const ListPage listPage = parseListPage(packet.data(), decodedLength, query.recordSize);
        const int64_t index = listPage.index;
        const int64_t total = listPage.total;
        if (index <= lastIndex) return PagedQueryResult::Stalled;
        if (records + listPage.count > query.maxRecords || bytes + decodedLength > query.maxBytes)
            return PagedQueryResult::TooMuchData;
        records += listPage.count;
        bytes += decodedLength;
        if (query.parsePage) query.parsePage(packet.data(), decodedLength);
        if (query.progress)
            query.progress(records > INT32_MAX ? INT32_MAX : static_cast<int>(records));

        if (!(index < total - 1)) return PagedQueryResult::Done;  // last page reached
        if (query.pageRead && !query.pageRead(clampedInt(index + 1), clampedInt(total)))
            return PagedQueryResult::Stopped;
        // No page index beyond the last representable one can be asked for.
        if (index + 1 > INT32_MAX) return PagedQueryResult::TooMuchData;
        lastIndex = index;
        page = static_cast<int>(index + 1);
    }
}

PagedQueryResult runPagedQuery(ServerConnection& connection, const PagedQuery& query) {
    return runPagedQuery(connectionExchange(connection), query);
}

}  // namespace korvant
