#include "app/exchange/Query.h"

#include "app/desk/Desk.h"
#include "model/ListAnswer.h"
#include "protocol/AnswerRouter.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

QueryResult runQuery(Desk& desk, const QuerySpec& spec) {
    const OperationName name(desk, spec.title);
    std::vector<uint8_t> buffer;
    const int length = buildRequest(spec.request, spec.build, buffer);
    if (!sendRequest(desk, buffer.data(), length, spec.exchange)) return QueryFailure::NotSent;
    return receiveQueryAnswer(desk, spec);
}

QueryResult receiveQueryAnswer(Desk& desk, const QuerySpec& spec) {
    std::vector<uint8_t> answer;
    const ExchangeResult received = receiveAnswer(desk, answer, spec.exchange);
    if (!received) return QueryFailure::NotSent;
    std::vector<uint8_t> packet;
    auto undecodable = [&desk, &spec] {
        desk.port().error(spec.undecodable);
        return QueryFailure::Undecodable;
    };
    if (decodePacket(received.answer(answer), packet) != DecodeOk || packet.size() < HeaderSize)
        return undecodable();
    const int size = static_cast<int>(packet.size());
    const uint8_t command = packet[3];
    if (command == cmd::Result && size >= 5 && packet[4] != 0) {
        desk.router().route(packet.data(), size);
        return QueryFailure::Refused;
    }
    const bool awaited =
        command == spec.command || (spec.alsoAccepted != 0 && command == spec.alsoAccepted);
    if (!awaited || packet.size() < spec.minSize) return undecodable();
    if (spec.listPage) {
        const ListPage header = parseListPage(packet.data(), size, 1);
        if (header.total < 0 || header.index < 0) return undecodable();
    }
    if (spec.route) desk.router().route(packet.data(), size);
    return QueryResult(std::move(packet));
}

}  // namespace korvant
