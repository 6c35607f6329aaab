#include "model/PagedQuery.h"

#include <cstddef>
#include <cstdint>

#include "model/ListAnswer.h"
#include "protocol/AnswerRouter.h"
#include "protocol/Packet.h"
#include "protocol/ServerConnection.h"

namespace korvant {

Exchange connectionExchange(ServerConnection& connection) {
    return {[&connection](const uint8_t* request, int length) { connection.send(request, length); },
            [&connection](std::vector<uint8_t>& answer) { return connection.receive(answer); }};
}

namespace {

int clampedInt(int64_t value) {
    return value > INT32_MAX ? INT32_MAX : static_cast<int>(value);
}

}  // namespace

// The request of the next page goes out before the page in hand is parsed,
// so that the server builds the next answer while the desk takes this one;
// one request is outstanding at a time.
PagedQueryResult runPagedQuery(const Exchange& exchange, const PagedQuery& query) {
    // The request and the answer have buffers of their own: the request of
    // the next page is written while the answer of this one is still held.
    std::vector<uint8_t> request;
    std::vector<uint8_t> answer;
    answer.reserve(PacketBufferSize);
    std::vector<uint8_t> packet;
    if (query.maxPages < 1) return PagedQueryResult::TooMuchData;
    // The request of `page` in `request`: its size, or 0 or less.
    const auto writePage = [&query, &request](int page) {
        if (query.requestPage) {
            request = query.requestPage(page);
            return request.size() > static_cast<std::size_t>(MaxPacketSize)
                       ? -1
                       : static_cast<int>(request.size());
        }
        request.resize(PacketBufferSize);
        return query.writeRequest ? query.writeRequest(page, request.data(), PacketBufferSize) : -1;
    };
    int size = writePage(0);
    if (size < 1) return PagedQueryResult::BuildFailed;
    exchange.send(request.data(), size);
    int64_t lastIndex = -1;
    int64_t requested = 0;
    int64_t records = 0;
    int64_t bytes = 0;
    for (int asked = 1;; ++asked) {
        const ExchangeResult result = exchange.receive(answer);
        if (!result || result.length() < 1) return PagedQueryResult::Disconnected;
        const std::span<const uint8_t> received = result.answer(answer);
        // A plain answer is parsed where it was received, an inflated one
        // from `packet`.
        std::span<const uint8_t> page;
        if (decodePacketView(received, packet, page) != DecodeOk) {
            if (query.foreignAnswer) query.foreignAnswer(received);
            return PagedQueryResult::ForeignAnswer;
        }
        const int decodedLength = static_cast<int>(page.size());
        if (!isListAnswer(page.data(), decodedLength, query.command)) {
            if (query.foreignAnswer) query.foreignAnswer(page);
            return PagedQueryResult::ForeignAnswer;
        }

        const ListPage listPage = parseListPage(page.data(), decodedLength, query.recordSize);
        const int64_t first = listPage.total;
        const int64_t second = listPage.index;
        // The page just received and the one to ask for next.
        int64_t next = 0;
        bool wanted = false;
        if (query.loop == PageLoop::ControlFields) {
            wanted = first >= 0;
            next = second;
            if (wanted && next <= requested) return PagedQueryResult::Stalled;
        } else if (query.loop == PageLoop::KnownPages) {
            next = requested + 1;
            wanted = next < query.knownPages;
        } else {
            if (!validPageFields(first, second)) return PagedQueryResult::Malformed;
            if (second <= lastIndex) return PagedQueryResult::Stalled;
            if (query.refuseAbsurdCounts && first > query.maxPages)
                return PagedQueryResult::TooMuchData;
            next = second + 1;
            wanted = query.loop == PageLoop::CountAndIndex ? next < first : second < first - 1;
        }
        if (records + listPage.count > query.maxRecords || bytes + decodedLength > query.maxBytes)
            return PagedQueryResult::TooMuchData;
        records += listPage.count;
        bytes += decodedLength;

        // Whether the next page is asked for is known from the header alone:
        // its request goes out before this page is parsed. Whatever ends the
        // read here still parses the page received.
        PagedQueryResult end = PagedQueryResult::Done;
        bool more = false;
        if (wanted) {
            // Pages read so far, of those announced; the funds export
            // announces no count (of 0), the rate exports know theirs.
            int64_t pagesRead = second + 1;
            int64_t announced = first;
            if (query.loop == PageLoop::ControlFields) {
                pagesRead = asked;
                announced = 0;
            } else if (query.loop == PageLoop::KnownPages) {
                pagesRead = asked;
                announced = query.knownPages;
            }
            if (query.pageRead && !query.pageRead(clampedInt(pagesRead), clampedInt(announced)))
                end = PagedQueryResult::Stopped;
            // No page index beyond the last representable one can be asked
            // for, and no more requests than the cap.
            else if (next > INT32_MAX || asked >= query.maxPages)
                end = PagedQueryResult::TooMuchData;
            else if ((size = writePage(static_cast<int>(next))) < 1)
                end = PagedQueryResult::BuildFailed;
            else
                more = true;
        }
        if (more) exchange.send(request.data(), size);

        if (query.acceptPage && !query.acceptPage(page.data(), decodedLength))
            return PagedQueryResult::Stopped;
        if (query.parsePage) query.parsePage(page.data(), decodedLength);
        if (query.progress) query.progress(clampedInt(records));
        if (!more) return end;
        lastIndex = second;
        requested = next;
    }
}

void useStreamingCaps(PagedQuery& query) {
    query.maxRecords = int64_t{query.maxPages} * PacketBufferSize;
    query.maxBytes = int64_t{query.maxPages} * MaxPacketSize;
    query.refuseAbsurdCounts = true;
}

void useCustomerCaps(PagedQuery& query) {
    query.maxRecords = MaxCustomerRecords;
    query.maxBytes = answerByteCap(MaxCustomerRecords, query.recordSize);
}

PagedQueryResult runPagedQuery(ServerConnection& connection, const PagedQuery& query) {
    return runPagedQuery(connectionExchange(connection), query);
}

}  // namespace korvant
