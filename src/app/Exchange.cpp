#include "app/Exchange.h"

#include <cstdarg>
#include <cstdio>

#include "app/Desk.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

void failure(Desk& desk, const ExchangeTexts& texts, const Message& message, bool ends) {
    if (!texts.failureRowTitle.empty() || !texts.failureRowDetail.empty())
        desk.statusList().append(texts.failureRowTitle, texts.failureRowDetail, false);
    if (ends) desk.port().endProgram(message);
    desk.port().showMessage(message);
}

}  // namespace

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

int exchange(Desk& desk, const uint8_t* request, int length, std::vector<uint8_t>& answer,
             const ExchangeTexts& texts) {
    if (request == nullptr || length <= 0) {
        failure(desk, texts, texts.buildFailed, texts.buildFailedEnds);
        return -1;
    }
    int sent = desk.connection().send(request, length);
    if (texts.checkSend && sent < 0) {
        failure(desk, texts, texts.sendFailed, false);
        return -1;
    }
    int received = desk.connection().receive(answer);
    if (received <= 0) {
        failure(desk, texts, texts.receiveFailed, texts.receiveFailedEnds);
        return -1;
    }
    return received;
}

AckResult acknowledge(Desk& desk, const uint8_t* answer, int length, const AckTexts& texts,
                      int32_t* out95) {
    auto row = [&](const std::string& detail) {
        if (texts.writeRows) desk.statusList().append(texts.title, detail, false);
    };
    bool isResult = answer != nullptr && length >= 5 && answer[3] == cmd::Result;
    if (!isResult) {
        row(texts.failureRow);
        desk.port().showMessage({texts.notAcknowledged, "提示", MessageIcon::Warning});
        return AckResult::NotAcknowledged;
    }
    ResultPacket result = ResultPacket::parse(answer, length);
    if (result.status != 0) {
        const std::string& failureRow =
            texts.refusalRow.empty() ? texts.failureRow : texts.refusalRow;
        row(texts.refusalAddsServerText ? failureRow + result.text : failureRow);
        desk.port().showMessage({texts.refusalMessage.empty() ? result.text : texts.refusalMessage,
                                 "提示", MessageIcon::Error});
        return AckResult::Refused;
    }
    if (decodeAnswer(desk.router(), answer, length, out95) != 0) {
        row(texts.failureRow);
        desk.port().showMessage({texts.parseFailed, "提示", MessageIcon::Error});
        return AckResult::ParseFailed;
    }
    if (!texts.successRow.empty()) row(texts.successRow);
    return AckResult::Success;
}

std::string textf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (needed > 0) {
        text.resize(static_cast<std::size_t>(needed) + 1);
        std::vsnprintf(text.data(), text.size(), format, args);
        text.resize(static_cast<std::size_t>(needed));
    }
    va_end(args);
    return text;
}

}  // namespace korvant
