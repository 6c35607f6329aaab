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

// A logged-in desk on a fake server for the settlement, parameter and log
// operations: every permission, and a responder that answers each request
// through `answer` (an acknowledgement when it returns nothing).
namespace korvant::test {

struct ReportDeskFixture {
    ScriptedPort port;
    FakeServer server;
    Desk desk{port};
    DeskView view{desk};
    std::function<Bytes(const Bytes&)> answer;

    ReportDeskFixture() {
        server.respondByDefault([this](const Bytes& request) {
            if (answer) {
                Bytes reply = answer(request);
                if (!reply.empty()) return reply;
            }
            return FakeServer::resultPacket(0);
        });
        desk.connection().connect(server.host(), server.port());
        desk.session().permissionMask = 0xFFFFF;
        desk.session().ownGroupId = 1;
    }

    static Bytes listAnswer(uint8_t command, const std::vector<Bytes>& records, int total,
                            int index) {
        Bytes body(8, 0);
        std::memcpy(body.data(), &total, 4);
        std::memcpy(body.data() + 4, &index, 4);
        for (const Bytes& r : records) body.insert(body.end(), r.begin(), r.end());
        return FakeServer::packet(command, body);
    }

    std::vector<int> commands() const {
        std::vector<int> out;
        for (const Bytes& r : server.requests()) out.push_back(r.size() > 3 ? r[3] : -1);
        return out;
    }

    static int32_t i32At(const Bytes& b, int offset) {
        int32_t v;
        std::memcpy(&v, b.data() + offset, 4);
        return v;
    }
    static double f64At(const Bytes& b, int offset) {
        double v;
        std::memcpy(&v, b.data() + offset, 8);
        return v;
    }
    static std::string textAt(const Bytes& b, int offset, int width) {
        return readPlainText(b.data() + offset, static_cast<std::size_t>(width));
    }
};

}  // namespace korvant::test
