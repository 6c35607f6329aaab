#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/Packet.h"
#include "protocol/ServerConnection.h"

// The raw-replay floor of the benchmarks: the same requests the desk sends,
// the answers received and dropped (only the page header is read).
namespace korvant::bench {

struct RawClient {
    ServerConnection connection;
    std::vector<uint8_t> buffer;
    int32_t ownGroup = 0;
    std::size_t bytesReceived = 0;
    int pages = 0;

    // Connects and logs in as admin; exits the program when that fails.
    RawClient(const std::string& host, int port);
    // Sends `length` bytes of `request`, receives one answer; its length.
    int exchange(const uint8_t* request, int length);
    // Asks page 0, 1, ... with `write` until the answer's page index says
    // the last page arrived.
    template <class Write>
    void readAllPages(Write write) {
        std::vector<uint8_t> request(PacketBufferSize, 0);
        int page = 0;
        for (int asked = 0; asked < 100000; ++asked) {
            int n = write(page, request.data(), PacketBufferSize);
            n = exchange(request.data(), n);
            if (n < 12) return;
            int total = readI32(4);
            int index = readI32(8);
            if (index < page || index >= total - 1) return;
            page = index + 1;
        }
    }

private:
    int32_t readI32(int offset) const;
};

// The login and the five start-up lists, raw.
void runStartupFloor(const std::string& host, int port);

}  // namespace korvant::bench
