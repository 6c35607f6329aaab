#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace korvant {

class ServerConnection;

// One request and its answer: sends `length` bytes of `request` and
// receives one whole answer into `answer`. Returns the answer length, or 0
// or less when nothing was received (the connection is then lost).
using Exchange =
    std::function<int(const uint8_t* request, int length, std::vector<uint8_t>& answer)>;

// The standard exchange over the one server connection: send, then receive.
Exchange connectionExchange(ServerConnection& connection);

enum class PagedQueryResult { Done, BuildFailed, Disconnected };

// The hard cap on the number of pages one query asks for.
inline constexpr int MaxQueryPages = 100000;

// A list read page by page. The loop asks for page 0, then for the received
// page index + 1 while that index is below the received total - 1. It stops
// on an answer that is not a list answer of `command` (a result packet,
// another command, fewer than 12 bytes), on a page index that does not
// advance, and after `maxPages` requests.
struct PagedQuery {
    uint8_t command = 0;  // of the request and of the expected answers
    int recordSize = 1;   // bytes of one record in the answers
    // Writes the request for `page`; returns its size, or 0 or less when it
    // cannot be built.
    std::function<int(int page, uint8_t* buffer, int capacity)> writeRequest;
    // Takes one list answer (stores the cursor, appends the records).
    std::function<void(const uint8_t* packet, int length)> parsePage;
    // After every page parsed, with the number of records received so far
    // (the cached count for a list emptied first). May be empty.
    std::function<void(int cachedCount)> progress;
    int maxPages = MaxQueryPages;
};

PagedQueryResult runPagedQuery(const Exchange& exchange, const PagedQuery& query);
PagedQueryResult runPagedQuery(ServerConnection& connection, const PagedQuery& query);

}  // namespace korvant
