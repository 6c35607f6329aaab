#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "SimServer.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"
#include "protocol/ServerConnection.h"

// A simulator on its own thread and a client that talks to it through the
// desk's own connection and packet writer.
namespace korvant::sim::test {

inline std::unique_ptr<SimServerThread> startServer(const std::string& data,
                                                    int stallTimeoutMs = 30000) {
    SimOptions options;
    options.port = 0;
    options.data = data;
    options.stallTimeoutMs = stallTimeoutMs;
    auto server = std::make_unique<SimServerThread>(options);
    EXPECT_TRUE(server->ok());
    return server;
}

// One answer as received, with field readers.
struct Reply {
    std::vector<uint8_t> bytes;

    int size() const { return static_cast<int>(bytes.size()); }
    uint8_t command() const { return bytes.size() >= 4 ? bytes[3] : 0xFF; }
    int32_t i32(int offset) const { return getI32(bytes.data() + offset); }
    uint32_t u32(int offset) const { return getU32(bytes.data() + offset); }
    double f64(int offset) const { return getF64(bytes.data() + offset); }
    std::string text(int offset, int width) const {
        return readPlainText(bytes.data() + offset, static_cast<std::size_t>(width));
    }
    // Result packets: status byte and text.
    bool refused() const { return command() == cmd::Result && bytes.size() >= 5 && bytes[4] != 0; }
    bool accepted() const { return command() == cmd::Result && bytes.size() >= 5 && bytes[4] == 0; }
    std::string resultText() const {
        return bytes.size() > 5 ? readPlainText(bytes.data() + 5, bytes.size() - 5) : "";
    }
    // List answers.
    int totalPages() const { return i32(4); }
    int pageIndex() const { return i32(8); }
    int records(int recordSize) const { return (size() - 12) / recordSize; }
    const uint8_t* record(int index, int recordSize) const {
        return bytes.data() + 12 + index * recordSize;
    }
};

// The search fields of a sub-account list query; empty = not set.
struct SubFilter {
    std::string account{};
    std::string password{};
    std::string remark{};
    int32_t date = 0;
};

class SimClient {
public:
    explicit SimClient(int port) { connected_ = connection_.connect("127.0.0.1", port, 5000) == 1; }

    bool connected() const { return connection_.connected(); }
    ServerConnection& connection() { return connection_; }

    // Builds a plain request of `size` bytes with `fill`, sends it and
    // receives one answer; an empty reply when the connection failed.
    Reply request(uint8_t command, int size, const std::function<void(PacketWriter&)>& fill) {
        std::vector<uint8_t> packet(static_cast<std::size_t>(size));
        PacketWriter w(packet.data(), size, size, command);
        fill(w);
        return send(packet.data(), w.finish());
    }

    // A compressed request built from its plain form, as the desk sends it.
    Reply compressed(uint8_t command, int size, const std::function<void(PacketWriter&)>& fill) {
        std::vector<uint8_t> plain(static_cast<std::size_t>(size));
        PacketWriter w(plain.data(), size, size, command);
        fill(w);
        std::vector<uint8_t> out(static_cast<std::size_t>(size) + 256);
        int n =
            writeCompressedRequest(plain.data(), size, out.data(), static_cast<int>(out.size()));
        return send(out.data(), n);
    }

    Reply send(const uint8_t* data, int size) {
        Reply reply;
        if (size <= 0 || connection_.send(data, size) != size) return reply;
        std::vector<uint8_t> buffer(PacketBufferSize);
        int n = connection_.receive(buffer);
        if (n > 0) reply.bytes.assign(buffer.begin(), buffer.begin() + n);
        return reply;
    }

    Reply login(const std::string& account, const std::string& password) {
        return request(cmd::Login, 56, [&](PacketWriter& w) {
            w.text(4, 16, account).text(20, 16, password).i32(52, 1);
        });
    }

    // The account lists.
    Reply administrators(int32_t group, int page, const std::string& account = {},
                         uint8_t flags = 0) {
        return request(cmd::AdministratorList, 85, [&](PacketWriter& w) {
            w.i32(4, group).text(8, 16, account).i32(76, page).u8(80, flags);
        });
    }
    Reply mainAccounts(int32_t group, int page, const std::string& account = {}) {
        return request(cmd::MainAccountList, 36, [&](PacketWriter& w) {
            w.i32(4, group).text(8, 16, account).i32(24, page);
        });
    }
    Reply links(int32_t group, int page) {
        return request(cmd::MainAccountLinks, 12,
                       [&](PacketWriter& w) { w.i32(4, group).i32(8, page); });
    }
    Reply subAccounts(int32_t group, int page, const SubFilter& f = {}) {
        uint8_t flags = (f.account.empty() ? 0 : 0x01) | (f.password.empty() ? 0 : 0x02) |
                        (f.date == 0 ? 0 : 0x10) | (f.remark.empty() ? 0 : 0x20);
        return request(cmd::SubAccountList, 98, [&](PacketWriter& w) {
            w.i32(4, group)
                .text(8, 16, f.account)
                .text(24, 16, f.password)
                .i32(40, f.date)
                .text(44, 32, f.remark)
                .i32(76, page)
                .u8(80, flags);
        });
    }
    Reply groupIdOfCode(const std::string& code) {
        return request(cmd::GroupIdOfCode, 20, [&](PacketWriter& w) { w.text(4, 16, code); });
    }
    Reply groups(int page, const std::string& filter = {}) {
        return request(cmd::GroupList, 40,
                       [&](PacketWriter& w) { w.text(4, 32, filter).i32(36, page); });
    }

private:
    ServerConnection connection_;
    bool connected_ = false;
};

}  // namespace korvant::sim::test
