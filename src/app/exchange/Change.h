#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/exchange/Exchange.h"

// The one way an operation changes something on the server: build the
// request, write the start row, exchange, judge the answer, re-query the
// affected list, write the outcome row. Everything an operation says and
// does around that sequence is data of its ChangeSpec.
namespace korvant {

// Room for the request of one change.
inline constexpr int ChangeRequestCapacity = 4096;

class Desk;

// When the affected list is queried again.
enum class Requery {
    OnSuccess,             // only after an acknowledged change
    AfterAnswer,           // after any answer that was received and judged, also a
                           // refusal or an answer that could not be dispatched
    AfterDispatchFailure,  // on success, and when the acknowledgement could
                           // not be dispatched ("解析数据包失败")
    Never,
};

// What a request that cannot be built leaves in the status list.
enum class BuildFailureRow { Failure, ClearingFailure, None };

// How the answer is judged.
//  - Acknowledgement: command 0, status 0 is done; any other status is a
//    refusal with the server's text; any other command is not an
//    acknowledgement (AckTexts say what is shown).
//  - Custom: `judge` decides (e.g. a deposit answered by its i32 outcome, or
//    an operation for which every acknowledgement is a refusal). It gets the
//    answer decoded (inflated when it came compressed, marked plain; as
//    received when it cannot be decoded), dispatches it itself when it has to, writes its own
//    rows and messages, and returns Success or another AckResult; a
//    ParseFailed result counts as an answer that could not be dispatched.
//    It may hand answers it does not judge itself to `acknowledge` with
//    the ChangeSpec's `ack`.
enum class Judgement { Acknowledgement, Custom };

struct ChangeSpec {
    // Title of every status row of the operation, e.g. "添加管理员".
    std::string title;
    // Start row, written once the request is built; none when empty.
    std::string startDetail;
    // Whether the start row clears the list first (a run of changes, such as
    // deleting several rows, clears it only for the first).
    bool startClears = true;

    // The request packet, empty when it cannot be built.
    std::function<std::vector<uint8_t>()> request;
    // The same for a writer that fills a buffer: returns its size, or 0 or
    // less when it cannot be built. Used when `request` is empty.
    std::function<int(std::span<uint8_t> buffer)> build;
    // What a build failure writes before its message (`exchange.buildFailed`):
    // the failure row, the failure row clearing the list, or nothing.
    BuildFailureRow buildFailureRow = BuildFailureRow::Failure;

    // Texts and consequences of a failed build, send or receive; the failure
    // row of the exchange is `ack.failureRow` unless set in `exchange`.
    ExchangeTexts exchange = ExchangeTexts::operation("组包失败!");

    Judgement judgement = Judgement::Acknowledgement;
    AckTexts ack;
    std::function<AckResult(Desk& desk, std::span<const uint8_t> answer)> judge;

    Requery requery = Requery::OnSuccess;
    // Queries the affected list again (may be empty).
    std::function<void(Desk& desk)> requeryList;
    // The outcome row after success when the success row comes after the
    // re-query (e.g. "添加 %s 成功" written once the list is redrawn); when
    // empty, `ack.successRow` (written by the judgement) is all.
    std::string successRowAfterRequery;
};

struct ChangeOutcome {
    // Whether the request could be built (nothing was sent otherwise).
    bool built = false;
    // Whether the change was acknowledged.
    bool done = false;
    // The judgement of the answer; NotAcknowledged also when nothing was
    // received or the request could not be built.
    AckResult result = AckResult::NotAcknowledged;
    // Whether an answer was received at all.
    bool answered = false;
    // The value of a command-95 answer routed with the acknowledgement (the
    // id of a new group, for example), when one came.
    std::optional<int32_t> value95;
};

// Runs one change. Failures of the connection end the program where the
// ExchangeTexts say so (ProgramEnd is thrown).
ChangeOutcome runChange(Desk& desk, const ChangeSpec& spec);

}  // namespace korvant
