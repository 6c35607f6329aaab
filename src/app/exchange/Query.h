#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/exchange/Exchange.h"

// The one way to ask the server one thing and take one answer: build the
// request, exchange it, decode the answer and judge it. Only an answer of
// the awaited command (or a refusal) is an answer: anything else is an
// error, never an empty success. Everything the query says on the way is
// data of its QuerySpec, as a ChangeSpec is for a change.
namespace korvant {

class Desk;

// Why a query brought no answer. Its message was shown first, or the
// program ended (ProgramEnd) where the ExchangeTexts say so.
enum class QueryFailure {
    NotSent,      // the request could not be built or sent
    Refused,      // a command-0 refusal: the dispatcher showed the server's text
    Undecodable,  // an answer that cannot be decoded, or of another command, or too short
};

struct QuerySpec {
    // The request packet, empty when it cannot be built.
    std::function<std::vector<uint8_t>()> request;
    // The same for a writer that fills a buffer: its size, or 0 or less when
    // it cannot be built. Used when `request` is empty.
    std::function<int(std::span<uint8_t> buffer)> build;
    // The command of the awaited answer, and another one taken in its place
    // (0: none), e.g. a single-value answer.
    uint8_t command = 0;
    uint8_t alsoAccepted = 0;
    // An answer of the command shorter than this is no answer.
    std::size_t minSize = 4;
    // The answer is one page of a list: one whose count or index is
    // negative is no page of any list.
    bool listPage = false;
    // Whether the awaited answer also goes through the response dispatcher
    // (its handler fills a cache). A refusal always does: it shows the
    // server's text.
    bool route = true;
    ExchangeTexts exchange = ExchangeTexts::query();
    // Names the wait for the answer in the desk's wait window, e.g.
    // "查询交易参数"; empty: the operation around the query names it.
    std::string title;
    // Shown (error icon) for an answer that is no answer.
    std::string undecodable = "  错误的数据包, 无法解析 !  ";
};

// The awaited answer, decoded (inflated when it came compressed), or why
// there is none.
class QueryResult {
public:
    QueryResult(std::vector<uint8_t> packet) : packet_(std::move(packet)) {}
    QueryResult(QueryFailure failure) : failure_(failure) {}

    bool ok() const { return !failure_; }
    explicit operator bool() const { return ok(); }
    QueryFailure failure() const { return *failure_; }
    const std::vector<uint8_t>& packet() const { return packet_; }
    std::span<const uint8_t> span() const { return packet_; }
    uint8_t command() const { return packet_.size() >= 4 ? packet_[3] : 0; }

private:
    std::vector<uint8_t> packet_;
    std::optional<QueryFailure> failure_;
};

QueryResult runQuery(Desk& desk, const QuerySpec& spec);

// The receive half of a query whose request was already sent (a reader that
// asks for the next page before it works through the one in hand).
QueryResult receiveQueryAnswer(Desk& desk, const QuerySpec& spec);

}  // namespace korvant
