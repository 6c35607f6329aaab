#pragma once

#include <gtest/gtest.h>

#include <array>
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

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

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

// The first record of a list answer whose text field at `offset` is `key`.
inline const uint8_t* findRecord(const Reply& list, int recordSize, const std::string& key,
                                 int offset = 0, int width = 16) {
    for (int i = 0; i < list.records(recordSize); ++i)
        if (readPlainText(list.record(i, recordSize) + offset, static_cast<std::size_t>(width)) ==
            key)
            return list.record(i, recordSize);
    return nullptr;
}

// A record found in a temporary answer: a copy of its bytes that outlives
// the answer, used where a pointer to the record is expected (null when not
// found).
struct FoundRecord {
    std::vector<uint8_t> bytes;
    operator const uint8_t*() const { return bytes.empty() ? nullptr : bytes.data(); }
};

inline FoundRecord findRecord(Reply&& list, int recordSize, const std::string& key, int offset = 0,
                              int width = 16) {
    const uint8_t* r = findRecord(static_cast<const Reply&>(list), recordSize, key, offset, width);
    if (r == nullptr) return {};
    return {std::vector<uint8_t>(r, r + recordSize)};
}

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
        if (size <= 0 || !connection_.send(data, size)) return reply;
        std::vector<uint8_t> buffer(PacketBufferSize);
        const ExchangeResult received = connection_.receive(buffer);
        const std::span<const uint8_t> answer = received.answer(buffer);
        reply.bytes.assign(answer.begin(), answer.end());
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

    // Administrators.
    Reply addAdministrator(const std::string& account, const std::string& password, uint32_t mask,
                           int32_t group, const std::string& name, std::array<uint32_t, 5> ips = {},
                           int32_t from = 0, int32_t to = 0) {
        return request(cmd::AddAdministrator, 108, [&](PacketWriter& w) {
            w.text(4, 16, account).text(20, 16, password).u32(36, mask).i32(40, group);
            w.text(44, 32, name).i32(76, 1).i32(100, from).i32(104, to);
            for (int i = 0; i < 5; ++i) w.u32(80 + 4 * i, ips[static_cast<std::size_t>(i)]);
        });
    }
    Reply modifyAdministrator(const std::string& account, const std::string& password,
                              uint32_t mask, const std::string& name,
                              std::array<uint32_t, 5> ips = {}, int32_t from = 0, int32_t to = 0) {
        return request(cmd::ModifyAdministrator, 110, [&](PacketWriter& w) {
            w.u8(4, 0).u8(5, 1).text(6, 16, account).text(22, 16, password).u32(38, mask);
            w.text(46, 32, name).i32(78, 0).i32(102, from).i32(106, to);
            for (int i = 0; i < 5; ++i) w.u32(82 + 4 * i, ips[static_cast<std::size_t>(i)]);
        });
    }
    Reply accountRequest(uint8_t command, const std::string& account) {
        return request(command, 20, [&](PacketWriter& w) { w.text(4, 16, account); });
    }
    Reply changePassword(const std::string& current, const std::string& fresh) {
        return request(cmd::ChangePassword, 36,
                       [&](PacketWriter& w) { w.text(4, 16, current).text(20, 16, fresh); });
    }

    // Groups (compressed requests).
    Reply addGroup(const std::string& name, int32_t parent, const std::string& remark,
                   int32_t allowed = 0, int32_t from = 0, int32_t to = 0) {
        return compressed(cmd::AddGroup, 124, [&](PacketWriter& w) {
            w.text(4, 32, name).i32(36, parent).text(40, 32, remark);
            w.i32(112, allowed).i32(116, from).i32(120, to);
        });
    }
    Reply modifyGroup(uint8_t flags, const std::string& name, int32_t id, int32_t parent,
                      const std::string& remark, int32_t allowed = 0, int32_t from = 0,
                      int32_t to = 0) {
        return compressed(cmd::ModifyGroup, 129, [&](PacketWriter& w) {
            w.u8(4, flags).text(5, 32, name).i32(37, id).i32(41, parent).text(45, 32, remark);
            w.i32(77, id).i32(117, allowed).i32(121, from).i32(125, to);
        });
    }

    // Sub-accounts.
    Reply addSubAccount(const std::string& number, const std::string& password, int32_t group,
                        const std::string& name, const std::string& main,
                        const std::string& remark = {}) {
        return request(cmd::AddSubAccount, 202, [&](PacketWriter& w) {
            w.text(4, 16, number).text(20, 16, password).i32(36, 20260105).i32(40, group);
            w.text(44, 32, name).text(86, 16, main).text(102, 32, "00E04C6A1B2C");
            w.text(134, 64, remark).i32(198, 1);
        });
    }
    Reply modifySubAccount(int32_t changes, int32_t group, const std::string& password,
                           const std::string& name, const std::string& main,
                           const std::string& number, const std::string& remark) {
        return compressed(cmd::ModifySubAccount, 196, [&](PacketWriter& w) {
            w.i32(4, changes).i32(8, 1).i32(12, group).text(16, 16, password);
            w.text(32, 32, name).text(64, 16, main).text(80, 16, number);
            w.text(128, 64, remark).i32(192, 2);
        });
    }

    // Main accounts and links.
    Reply addMainAccount(const std::string& account, double initial, const std::string& code,
                         double start = 0, double priority = 0) {
        return request(cmd::AddMainAccount, 164, [&](PacketWriter& w) {
            w.text(4, 16, account).f64(20, initial).text(28, 16, code).text(44, 32, "trade");
            w.f64(76, start).f64(84, priority).text(92, 32, "fund").f64(124, 1.5).f64(132, 0.2);
        });
    }
    Reply modifyMainAccount(const std::string& account, std::array<double, 5> fees) {
        return request(cmd::ModifyMainAccount, 136, [&](PacketWriter& w) {
            w.text(4, 16, account).text(60, 32, "newtrade").i32(92, 1);
            for (int i = 0; i < 5; ++i) w.f64(96 + 8 * i, fees[static_cast<std::size_t>(i)]);
        });
    }
    Reply link(uint8_t command, const std::string& main, const std::string& code) {
        return request(command, 36,
                       [&](PacketWriter& w) { w.text(4, 16, main).text(20, 16, code); });
    }

    // Money.
    Reply subDeposit(const std::string& code, const std::string& sub, int32_t direction,
                     double amount, const std::string& main, double priority, double start,
                     const std::string& remark = {}) {
        return request(cmd::SubAccountDeposit, 164, [&](PacketWriter& w) {
            w.text(4, 16, code).text(20, 32, sub).i32(52, direction).f64(56, amount);
            w.text(64, 16, main).i32(80, 1).f64(84, priority).f64(92, start);
            w.text(100, 64, remark);
        });
    }
    Reply mainDeposit(const std::string& code, const std::string& main, int32_t direction,
                      double amount, double priority = 0, double start = 0) {
        return request(cmd::MainAccountDeposit, 64, [&](PacketWriter& w) {
            w.text(4, 16, code).text(20, 16, main).i32(36, direction).f64(40, amount);
            w.f64(48, priority).f64(56, start);
        });
    }
    Reply linkDeposit(const std::string& code, const std::string& main, int32_t direction,
                      double amount) {
        return request(cmd::LinkDeposit, 64, [&](PacketWriter& w) {
            w.text(4, 16, code).text(20, 32, main).i32(52, direction).f64(56, amount);
        });
    }
    Reply funds(const std::string& sub) {
        return request(cmd::SubAccountFunds, 40, [&](PacketWriter& w) { w.text(4, 32, sub); });
    }
    Reply depositRecords(int32_t from, int32_t to, const std::string& customer, int32_t accountId,
                         int page) {
        return request(cmd::DepositRecords, 56, [&](PacketWriter& w) {
            w.i32(4, from).i32(8, to).text(12, 32, customer).i32(44, accountId).i32(48, page);
        });
    }

private:
    ServerConnection connection_;
    bool connected_ = false;
};

}  // namespace korvant::sim::test
