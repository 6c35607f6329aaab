#include "app/Change.h"

#include <limits>
#include <vector>

#include "app/Desk.h"
#include "protocol/Packet.h"

namespace korvant {

ChangeOutcome runChange(Desk& desk, const ChangeSpec& spec) {
    ChangeOutcome outcome;
    std::vector<uint8_t> buffer(PacketBufferSize, 0);
    const int length = spec.build ? spec.build(std::span<uint8_t>(buffer)) : -1;
    if (length <= 0 && spec.buildFailureWritesRow) {
        desk.statusList().append(spec.title, spec.ack.failureRow, true);
        ExchangeTexts texts = spec.exchange;
        texts.failureRowTitle.clear();
        texts.failureRowDetail.clear();
        std::vector<uint8_t> none;
        exchange(desk, nullptr, 0, none, texts);
        return outcome;
    }
    if (length > 0 && !spec.startDetail.empty())
        desk.statusList().append(spec.title, spec.startDetail, true);

    ExchangeTexts texts = spec.exchange;
    if (texts.failureRowTitle.empty() && texts.failureRowDetail.empty()) {
        texts.failureRowTitle = spec.title;
        texts.failureRowDetail = spec.ack.failureRow;
    }
    std::vector<uint8_t> answer;
    const int received =
        exchange(desk, length > 0 ? buffer.data() : nullptr, length, answer, texts);
    if (received <= 0) return outcome;
    outcome.answered = true;

    if (spec.judgement == Judgement::Custom && spec.judge) {
        outcome.result = spec.judge(desk, std::span<const uint8_t>(answer.data(), received));
    } else {
        constexpr int32_t unset = std::numeric_limits<int32_t>::min();
        int32_t value = unset;
        outcome.result = acknowledge(desk, answer.data(), received, spec.ack, &value);
        if (value != unset) {
            outcome.value95 = value;
            outcome.has95 = true;
        }
    }
    outcome.done = outcome.result == AckResult::Success;

    bool again = false;
    switch (spec.requery) {
        case Requery::OnSuccess:
            again = outcome.done;
            break;
        case Requery::AfterAnswer:
            again = true;
            break;
        case Requery::AfterDispatchFailure:
            again = outcome.done || outcome.result == AckResult::ParseFailed;
            break;
        case Requery::Never:
            again = false;
            break;
    }
    if (again && spec.requeryList) spec.requeryList(desk);
    if (outcome.done && !spec.successRowAfterRequery.empty())
        desk.statusList().append(spec.title, spec.successRowAfterRequery, false);
    return outcome;
}

}  // namespace korvant
