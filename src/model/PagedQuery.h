#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "protocol/ExchangeResult.h"

namespace korvant {

class ServerConnection;

// Requests and their answers, in two halves, so that a paged read can send
// the request of the next page before it parses the page in hand.
struct Exchange {
    // Sends `length` bytes of `request`; a request that could not be sent
    // makes the receive fail.
    std::function<void(const uint8_t* request, int length)> send;
    // Receives one whole answer into `answer`: its length, or why nothing
    // was received (the connection is then lost).
    std::function<ExchangeResult(std::vector<uint8_t>& answer)> receive;
};

// The standard exchange over the one server connection.
Exchange connectionExchange(ServerConnection& connection);

// How a paged read ended. Only Done means that every announced page came.
enum class PagedQueryResult {
    Done,          // the last page announced was received
    BuildFailed,   // the request could not be built; nothing more was sent
    Disconnected,  // nothing was received
    // An answer that is not a list page of the command: a refusal, another
    // command's answer, a packet shorter than a page header, or one that
    // cannot be decoded.
    ForeignAnswer,
    // The page index of an answer did not advance (the server repeats a page
    // or goes back).
    Stalled,
    // A page count or index that no list has: negative, or an index at or
    // beyond the count. Nothing of that page was parsed.
    Malformed,
    // More pages, records or bytes than any real list holds: the pages
    // received so far were parsed, the rest was not asked for.
    TooMuchData,
    // `pageRead` asked to stop (the user stopped the read): the pages
    // received so far were parsed, the rest was not asked for. Also when
    // `acceptPage` refused a page (that page was not parsed).
    Stopped,
};

// The hard caps of one query: about ten times the largest real list (50 000
// sub-accounts, 50 000 report-tree nodes, a few megabytes), low enough that
// a server announcing endless pages cannot take the desk past a few hundred
// megabytes: 500 000 records of the smallest kind (a 24-byte main-account
// link, some 150 bytes in the cache) or 64 MiB of answers, whichever comes
// first.
inline constexpr int MaxQueryPages = 100000;
inline constexpr int64_t MaxQueryRecords = 500000;
inline constexpr int64_t MaxQueryBytes = int64_t{64} << 20;

// The caps of the lists that hold a firm's customers (the account lists and
// the report tree: a node, a main account or a sub-account per record),
// sized by what a list can hold rather than by its bytes: two million
// records (a firm of two million sub-accounts lists them all: 29 500 pages
// of 68), and no more answer bytes than those records take on the wire,
// with an eighth and one MiB for page headers and tails. A server announcing
// endless pages or padding its answers is stopped there: a sub-account list
// at some 830 MB of answers.
inline constexpr int64_t MaxCustomerRecords = 2000000;

// The answer bytes that `maxRecords` records of `recordSize` bytes may take.
constexpr int64_t answerByteCap(int64_t maxRecords, int recordSize) {
    const int64_t records = maxRecords * (recordSize > 0 ? recordSize : 1);
    return records + records / 8 + (int64_t{1} << 20);
}

// The message of a read stopped by the caps.
inline constexpr const char* TooMuchDataText = "  数据过多, 读取已停止!  ";

// How a read goes from one page to the next. Every shape asks for page 0
// first; the answers carry two control fields (offsets 4 and 8).
enum class PageLoop {
    // Lists, and the net-value export: the fields are the page count and the
    // index of the page returned; the next request is for the last index + 1
    // while that index is below the count - 1.
    LastIndex,
    // The order and trade exports: count and index as above; the next
    // request is for the index + 1 while that is below the count (the same
    // pages, said the other way round).
    CountAndIndex,
    // The account-funds export: the read goes on while the first field is
    // not negative, and the second is the index of the next request (it must
    // lie beyond the page just asked for, else the read is Stalled).
    ControlFields,
    // The rate exports: the pages are known before the read (`knownPages`,
    // counted by the desk from its own lists); pages 0 … knownPages - 1 are
    // asked for in turn and the control fields are not read.
    KnownPages,
};

// A list read page by page, in the shape `loop` says. Every
// answer is decoded first (inflated when it came compressed). The loop
// stops on an answer that is not a list answer of `command`, on a page
// index that does not advance, and at the caps (`maxPages` requests,
// `maxRecords` records or `maxBytes` decoded answer bytes; a page that would
// cross a cap is not parsed).
struct PagedQuery {
    uint8_t command = 0;  // of the request and of the expected answers
    int recordSize = 1;   // bytes of one record in the answers
    // The request for `page`, empty when it cannot be built.
    std::function<std::vector<uint8_t>(int page)> requestPage;
    // The same for a writer that fills a buffer: returns its size, or 0 or
    // less when it cannot be built. Used when `requestPage` is empty.
    std::function<int(int page, uint8_t* buffer, int capacity)> writeRequest;
    // Takes one list answer (stores the cursor, appends the records).
    std::function<void(const uint8_t* packet, int length)> parsePage;
    // Judges a page once the request of the next one went out, before it is
    // parsed: false ends the read there (Stopped, the page not parsed). May
    // be empty.
    std::function<bool(const uint8_t* packet, int length)> acceptPage;
    // After every page parsed, with the number of records received so far
    // (the cached count for a list emptied first). May be empty.
    std::function<void(int cachedCount)> progress;
    // After every page received that is not the last one announced, with
    // the pages received so far and the pages announced, before the next
    // request goes out and before the page is parsed (the server then builds
    // the next answer while the page is parsed). Returning false stops the
    // read before the next request (Stopped; the page is still parsed). May
    // be empty.
    std::function<bool(int pagesRead, int pagesAnnounced)> pageRead;
    // Sees a decoded answer that is not a list page of `command` before the
    // loop stops on it, e.g. to route a refusal so that its text is shown.
    // May be empty.
    std::function<void(std::span<const uint8_t> packet)> foreignAnswer;
    PageLoop loop = PageLoop::LastIndex;
    // The pages of a KnownPages read (at least page 0 is asked for).
    int knownPages = 0;
    int maxPages = MaxQueryPages;
    int64_t maxRecords = MaxQueryRecords;
    int64_t maxBytes = MaxQueryBytes;
    // A page count above `maxPages` ends the read at the page that announces
    // it (TooMuchData, the page not parsed) rather than after `maxPages`
    // requests.
    bool refuseAbsurdCounts = false;
};

// The caps of a read whose rows are written out page by page and not held
// (the CSV exports): records and bytes bounded by the page cap alone (set
// `maxPages` first); a page count above it is refused at once.
void useStreamingCaps(PagedQuery& query);

// The caps of a list of a firm's customers (see MaxCustomerRecords): set
// `recordSize` first.
void useCustomerCaps(PagedQuery& query);

PagedQueryResult runPagedQuery(const Exchange& exchange, const PagedQuery& query);
PagedQueryResult runPagedQuery(ServerConnection& connection, const PagedQuery& query);

}  // namespace korvant
