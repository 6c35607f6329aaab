#include "app/exchange/Change.h"

#include <vector>

#include "app/desk/Desk.h"
#include "protocol/AnswerRouter.h"
#include "protocol/Packet.h"

namespace korvant {

namespace {

bool requeryWanted(Requery requery, const ChangeOutcome& outcome) {
    switch (requery) {
        case Requery::OnSuccess:
            return outcome.done;
        case Requery::AfterAnswer:
            return true;
        case Requery::AfterDispatchFailure:
            return outcome.done || outcome.result == AckResult::ParseFailed;
        case Requery::Never:
            break;
    }
    return false;
}

}  // namespace

ChangeOutcome runChange(Desk& desk, const ChangeSpec& spec) {
    ChangeOutcome outcome;
    // The largest change request is a risk rule's (under 2.5 KB).
    std::vector<uint8_t> buffer;
    const int length = buildRequest(spec.request, spec.build, buffer, ChangeRequestCapacity);

    ExchangeTexts texts = spec.exchange;
    if (texts.failureRowTitle.empty() && texts.failureRowDetail.empty()) {
        texts.failureRowTitle = spec.title;
        texts.failureRowDetail = spec.ack.failureRow;
    }
    if (length <= 0) {
        const BuildFailureRow row = spec.buildFailureRow;
        const bool hasRow = !texts.failureRowTitle.empty() || !texts.failureRowDetail.empty();
        if (row != BuildFailureRow::None && hasRow)
            desk.statusList().append(texts.failureRowTitle, texts.failureRowDetail,
                                     row == BuildFailureRow::ClearingFailure);
        if (texts.buildFailedEnds) desk.port().endProgram(texts.buildFailed);
        desk.port().showMessage(texts.buildFailed);
        return outcome;
    }
    outcome.built = true;
    if (!spec.startDetail.empty())
        desk.statusList().append(spec.title, spec.startDetail, spec.startClears);

    std::vector<uint8_t> answer;
    const OperationName name(desk, spec.title);
    const ExchangeResult received = exchange(desk, buffer.data(), length, answer, texts);
    if (!received) return outcome;
    outcome.answered = true;

    const std::span<const uint8_t> raw = received.answer(answer);
    if (spec.judgement == Judgement::Custom && spec.judge) {
        // The judge reads the answer as decoded (inflated when it came
        // compressed); one that cannot be decoded is judged here, the same
        // for every change: it is never a success.
        std::vector<uint8_t> decoded;
        outcome.result = decodePacket(raw, decoded) == DecodeOk
                             ? spec.judge(desk, std::span<const uint8_t>(decoded))
                             : undecodableAnswer(desk, spec.ack);
    } else {
        const Acknowledgement ack = acknowledge(desk, raw, spec.ack);
        outcome.result = ack.result;
        outcome.value95 = ack.value95;
    }
    outcome.done = outcome.result == AckResult::Success;

    if (requeryWanted(spec.requery, outcome) && spec.requeryList) spec.requeryList(desk);
    if (outcome.done && !spec.successRowAfterRequery.empty())
        desk.statusList().append(spec.title, spec.successRowAfterRequery, false);
    return outcome;
}

}  // namespace korvant
