#include "RawClient.h"

#include <cstdlib>

#include "app/session/LoginRequest.h"
#include "model/ReferenceQueries.h"
#include "protocol/Bytes.h"
#include "protocol/Packet.h"

namespace korvant::bench {

RawClient::RawClient(const std::string& host, int port) : buffer(PacketBufferSize, 0) {
    if (connection.connect(host, port) != 1) std::exit(1);
    std::vector<uint8_t> request(PacketBufferSize, 0);
    int n = writeLoginRequest("admin", "admin", "001A2B3C4D5E", request.data(), PacketBufferSize);
    n = exchange(request.data(), n);
    ownGroup = n == 44 ? getI32(buffer.data() + 4) : 0;
}

int RawClient::exchange(const uint8_t* request, int length) {
    connection.send(request, length);
    const int n = connection.receive(buffer).length();
    if (n <= 0) std::exit(1);
    bytesReceived += static_cast<std::size_t>(n);
    ++pages;
    return n;
}

int32_t RawClient::readI32(int offset) const {
    return getI32(buffer.data() + offset);
}

void runStartupFloor(const std::string& host, int port) {
    RawClient c(host, port);
    const int32_t own = c.ownGroup;
    c.readAllPages([](int p, uint8_t* b, int n) { return writeGroupListRequest("", p, b, n); });
    c.readAllPages(
        [](int p, uint8_t* b, int n) { return writeMarginTemplateListRequest(p, b, n); });
    c.readAllPages([](int p, uint8_t* b, int n) { return writeFeeTemplateListRequest(p, b, n); });
    c.readAllPages([](int p, uint8_t* b, int n) { return writeVarietyListRequest(p, b, n); });
    c.readAllPages(
        [own](int p, uint8_t* b, int n) { return writeRiskStrategyListRequest(own, p, b, n); });
}

}  // namespace korvant::bench
