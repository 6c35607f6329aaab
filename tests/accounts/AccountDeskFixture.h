#pragma once

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/desk/Desk.h"
#include "protocol/Gbk.h"
#include "support/FakeServer.h"
#include "support/ScriptedPort.h"
#include "view/DeskView.h"

// A logged-in desk on a fake server for the account operations: every
// permission, a second-level group selected, and a responder that answers
// each request through `answer` (by default an empty list for the list
// queries and an acknowledgement for everything else).
namespace korvant::test {

struct AccountDeskFixture {
    ScriptedPort port;
    FakeServer server;
    Desk desk{port};
    // The window over it: the group on screen, the lists queried again.
    DeskView view{desk};
    std::function<Bytes(const Bytes&)> answer;

    explicit AccountDeskFixture(bool connectNow = true) {
        server.respondByDefault([this](const Bytes& request) {
            if (answer) {
                Bytes reply = answer(request);
                if (!reply.empty()) return reply;
            }
            return defaultAnswer(request);
        });
        if (connectNow) connect();
        desk.session().permissionMask = 0xFFFFF;
        view.state().group.id = 12;
        view.state().group.code = "0101";
        view.state().group.name = "二级组";
    }

    void connect() { desk.connection().connect(server.host(), server.port()); }

    static Bytes listAnswer(uint8_t command, const std::vector<Bytes>& records, int total = 1,
                            int index = 0) {
        Bytes body(8, 0);
        std::memcpy(body.data(), &total, 4);
        std::memcpy(body.data() + 4, &index, 4);
        for (const Bytes& r : records) body.insert(body.end(), r.begin(), r.end());
        return FakeServer::packet(command, body);
    }

    // An acknowledgement with status 0 whose compressed body cannot be
    // inflated, so that it cannot be dispatched.
    static Bytes undispatchableAck() {
        return FakeServer::packet(0, Bytes{0, 0xFF, 0xFF, 0xFF}, 1);
    }

    static Bytes defaultAnswer(const Bytes& request) {
        const uint8_t command = request.size() > 3 ? request[3] : 0;
        switch (command) {
            case 4:
            case 37:
            case 64:
            case 97:
                return listAnswer(command, {});
            default:
                return FakeServer::resultPacket(0);
        }
    }

    // The commands of the requests received, in order.
    std::vector<int> commands() const {
        std::vector<int> out;
        for (const Bytes& r : server.requests()) out.push_back(r.size() > 3 ? r[3] : -1);
        return out;
    }

    std::vector<std::string> statusDetails() const {
        std::vector<std::string> out;
        for (const auto& row : const_cast<Desk&>(desk).statusList().rows())
            out.push_back(row.detail);
        return out;
    }

    static std::string textAt(const Bytes& request, int offset, int width) {
        return readPlainText(request.data() + offset, static_cast<std::size_t>(width));
    }
};

}  // namespace korvant::test
