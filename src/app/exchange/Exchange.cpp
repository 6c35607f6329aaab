#include "app/exchange/Exchange.h"

#include <cstdarg>

#include "app/desk/Desk.h"
#include "protocol/AnswerRouter.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"
#include "text/NumberText.h"

namespace korvant {
namespace {

void failure(Desk& desk, const ExchangeTexts& texts, const Message& message, bool ends) {
    if (!texts.failureRowTitle.empty() || !texts.failureRowDetail.empty())
        desk.statusList().append(texts.failureRowTitle, texts.failureRowDetail, false);
    if (ends) desk.port().endProgram(message);
    desk.port().showMessage(message);
}

}  // namespace

int buildRequest(const std::function<std::vector<uint8_t>()>& request,
                 const std::function<int(std::span<uint8_t>)>& build, std::vector<uint8_t>& packet,
                 std::size_t capacity) {
    if (request) {
        packet = request();
        return packet.empty() || packet.size() > static_cast<std::size_t>(MaxPacketSize)
                   ? -1
                   : static_cast<int>(packet.size());
    }
    packet.assign(capacity, 0);
    return build ? build(std::span<uint8_t>(packet)) : -1;
}

ExchangeTexts ExchangeTexts::query(const std::string& buildText) {
    ExchangeTexts t;
    t.buildFailed.text = buildText;
    return t;
}

ExchangeTexts ExchangeTexts::operation(const std::string& buildText) {
    ExchangeTexts t;
    t.buildFailed.text = buildText;
    t.buildFailedEnds = false;
    t.checkSend = true;
    t.receiveFailed.text = "   接收数据出错, 与服务器的联接断开了! ";
    t.receiveFailedEnds = true;
    return t;
}

ExchangeTexts ExchangeTexts::account(const std::string& lostText, const std::string& buildText) {
    ExchangeTexts t;
    t.buildFailed = {buildText, "提示", MessageIcon::Error};
    t.buildFailedEnds = false;
    t.checkSend = false;
    t.receiveFailed = {lostText, "提示", MessageIcon::Error};
    t.receiveFailedEnds = true;
    return t;
}

ExchangeResult sendRequest(Desk& desk, const uint8_t* request, int length,
                           const ExchangeTexts& texts) {
    if (request == nullptr || length <= 0) {
        failure(desk, texts, texts.buildFailed, texts.buildFailedEnds);
        return ExchangeFailure::BuildFailed;
    }
    ExchangeResult sent = desk.connection().send(request, length);
    if (!texts.checkSend) return ExchangeResult(static_cast<std::size_t>(length));
    if (!sent) failure(desk, texts, texts.sendFailed, false);
    return sent;
}

ExchangeResult receiveAnswer(Desk& desk, std::vector<uint8_t>& answer, const ExchangeTexts& texts) {
    ExchangeResult received = desk.connection().receive(answer);
    if (received) return received;
    // An answer the user stopped waiting for may still come: the connection
    // can no longer be trusted to pair requests and answers, whatever the
    // operation would do about a lost answer.
    if (desk.connection().abandoned())
        failure(desk, texts, Message{LostConnectionText, "提示", MessageIcon::Error}, true);
    failure(desk, texts, texts.receiveFailed, texts.receiveFailedEnds);
    return received;
}

ExchangeResult exchange(Desk& desk, const uint8_t* request, int length,
                        std::vector<uint8_t>& answer, const ExchangeTexts& texts) {
    ExchangeResult sent = sendRequest(desk, request, length, texts);
    if (!sent) return sent;
    return receiveAnswer(desk, answer, texts);
}

AckResult undecodableAnswer(Desk& desk, const AckTexts& texts) {
    if (texts.writeRows) {
        const std::string& title = texts.failureTitle.empty() ? texts.title : texts.failureTitle;
        desk.statusList().append(title, texts.failureRow, false);
    }
    desk.port().showMessage({texts.parseFailed, "提示", MessageIcon::Error});
    return AckResult::ParseFailed;
}

Acknowledgement acknowledge(Desk& desk, std::span<const uint8_t> answer, const AckTexts& texts) {
    auto row = [&](const std::string& detail, bool failure = true) {
        const std::string& title =
            failure && !texts.failureTitle.empty() ? texts.failureTitle : texts.title;
        if (texts.writeRows) desk.statusList().append(title, detail, false);
    };
    auto notAcknowledged = [&] {
        row(texts.failureRow);
        desk.port().showMessage({texts.notAcknowledged, "提示", MessageIcon::Warning});
        return Acknowledgement{AckResult::NotAcknowledged, std::nullopt};
    };
    auto parseFailed = [&] {
        return Acknowledgement{undecodableAnswer(desk, texts), std::nullopt};
    };
    if (answer.data() == nullptr || answer.size() < static_cast<std::size_t>(HeaderSize))
        return notAcknowledged();
    // The answer is judged as decoded (inflated when it came compressed),
    // and that decoded answer is what the handlers see.
    std::vector<uint8_t> packet;
    if (decodePacket(answer, packet) != DecodeOk)
        return answer[3] == cmd::Result ? parseFailed() : notAcknowledged();
    const int size = static_cast<int>(packet.size());
    if (size < 5 || packet[3] != cmd::Result) return notAcknowledged();
    ResultPacket result = ResultPacket::parse(packet.data(), size);
    if (result.status != 0) {
        const std::string& failureRow = texts.refusalRow ? *texts.refusalRow : texts.failureRow;
        row(texts.refusalAddsServerText ? failureRow + result.text : failureRow);
        desk.port().showMessage({texts.refusalMessage.empty() ? result.text : texts.refusalMessage,
                                 "提示", MessageIcon::Error});
        return {AckResult::Refused, std::nullopt};
    }
    Acknowledgement done{AckResult::Success, desk.router().route(packet.data(), size)};
    if (!texts.successRow.empty()) row(texts.successRow, false);
    return done;
}

AckResult acknowledge(Desk& desk, const uint8_t* answer, int length, const AckTexts& texts) {
    const std::size_t size = answer != nullptr && length > 0 ? static_cast<std::size_t>(length) : 0;
    return acknowledge(desk, std::span<const uint8_t>(answer, size), texts).result;
}

AckResult dispatchOwnAnswer(Desk& desk, std::span<const uint8_t> answer, uint8_t command,
                            const std::string& undecodable) {
    std::vector<uint8_t> packet;
    if (decodePacket(answer, packet) != DecodeOk || packet.size() < HeaderSize) {
        desk.port().error(undecodable);
        return AckResult::ParseFailed;
    }
    if (packet[3] != command && packet[3] != cmd::Result) {
        desk.port().warn(AckTexts{}.notAcknowledged);
        return AckResult::NotAcknowledged;
    }
    // An acknowledgement without its status byte says nothing about the
    // change.
    if (packet[3] == cmd::Result && packet.size() < 5) {
        desk.port().error(undecodable);
        return AckResult::ParseFailed;
    }
    const bool refused = packet[3] == cmd::Result && packet[4] != 0;
    if (decodeAnswer(desk.router(), packet.data(), static_cast<int>(packet.size())) != DecodeOk) {
        desk.port().error(undecodable);
        return AckResult::ParseFailed;
    }
    return refused ? AckResult::Refused : AckResult::Success;
}

std::string textf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = formatPrintf(format, args);
    va_end(args);
    return text;
}

}  // namespace korvant
