#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/CoreDesk.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"
#include "support/FakeServer.h"
#include "support/ScriptedPort.h"
#include "templates/RateRow.h"
#include "templates/TemplateKind.h"
#include "templates/TemplateOperations.h"
#include "view/DeskView.h"

// A logged-in desk with every area's actions on a fake server that keeps
// rate rows per template and answers every other request with an
// acknowledgement. The caches hold two first-level groups, a few templates
// of each kind and `contracts` contracts.
namespace korvant::test {

struct TemplateDeskFixture {
    ScriptedPort port;
    FakeServer server;
    CoreDesk desk{port};
    DeskView view{desk};
    // Rows the server lists for a template id, by command of the page.
    std::map<int, std::vector<RateRow>> feeRows, marginRows;
    // Answers before the defaults; an empty answer falls through.
    std::function<Bytes(const Bytes&)> answer;

    explicit TemplateDeskFixture(int contracts = 250) {
        server.respondByDefault([this](const Bytes& request) {
            if (answer) {
                Bytes reply = answer(request);
                if (!reply.empty()) return reply;
            }
            return defaultAnswer(request);
        });
        desk.connection().connect(server.host(), server.port());
        desk.session().permissionMask = 0xFFFFF;
        Group root;
        root.id = 1;
        root.name = "Korvant平台";
        desk.reference().groups.records = {root, group(2, "01", "华东"), group(3, "02", "华南"),
                                           group(4, "0101", "上海")};
        desk.reference().feeTemplates.records = {fee(7, "标准", "01"), fee(8, "优惠", "02"),
                                                 fee(9, "孤儿", "09")};
        desk.reference().marginTemplates.records = {margin(5, "保证金A", "01")};
        setContracts(contracts);
    }

    static Group group(int id, const std::string& code, const std::string& name) {
        Group g;
        g.id = id;
        g.groupCode = code;
        g.name = name;
        return g;
    }
    static FeeTemplate fee(int id, const std::string& name, const std::string& code) {
        FeeTemplate t;
        t.id = id;
        t.name = name;
        t.groupCode = code;
        return t;
    }
    static MarginTemplate margin(int id, const std::string& name, const std::string& code) {
        MarginTemplate t;
        t.id = id;
        t.name = name;
        t.groupCode = code;
        return t;
    }

    // Contracts "c0", "c1" … of product "p<i/5>" (five months each) on "EX".
    void setContracts(int count) {
        auto& v = desk.reference().varieties.records;
        v.clear();
        for (int i = 0; i < count; ++i)
            v.push_back({"c" + std::to_string(i), "p" + std::to_string(i / 5), "EX"});
    }

    static void writeRow(const TemplateKind& kind, uint8_t* p, const RateRow& row) {
        const int n = static_cast<int>(kind.values.size());
        for (int i = 0; i < n; ++i) putF64(p + 8 * i, row.values[static_cast<std::size_t>(i)]);
        int offset = 8 * n;
        if (kind.hasDiscount) {
            putI32(p + offset, row.discount);
            offset += 4;
        }
        putI32(p + offset, row.mode);
    }

    // A rate page of 100 rows (or `rows`) of `kind` for template `id`.
    Bytes ratePage(const TemplateKind& kind, int id, int page, int rows = 100) const {
        const auto& table = kind.id == RateKind::Fee ? feeRows : marginRows;
        Bytes p(12 + static_cast<std::size_t>(rows * kind.wire.rowSize), 0);
        putU16(p.data(), static_cast<uint16_t>(p.size()));
        p[3] = kind.wire.pageCommand;
        putI32(p.data() + 4, 3);
        putI32(p.data() + 8, page);
        auto it = table.find(id);
        for (int i = 0; i < rows; ++i) {
            const std::size_t index = static_cast<std::size_t>(page * 100 + i);
            if (it != table.end() && index < it->second.size())
                writeRow(kind, p.data() + 12 + i * kind.wire.rowSize, it->second[index]);
        }
        return p;
    }

    Bytes defaultAnswer(const Bytes& request) const {
        const uint8_t command = request.size() > 3 ? request[3] : 0;
        switch (command) {
            case cmd::FeeRates:
                return ratePage(feeKind(), getI32(request.data() + 4), getI32(request.data() + 8));
            case cmd::MarginRates:
                return ratePage(marginKind(), getI32(request.data() + 4),
                                getI32(request.data() + 8));
            case cmd::FeeTemplateList:
            case cmd::MarginTemplateList:
            case cmd::SubAccountList: {
                Bytes p(12, 0);
                putU16(p.data(), 12);
                p[3] = command;
                putI32(p.data() + 4, 1);
                return p;
            }
            default:
                return FakeServer::resultPacket(0);
        }
    }

    std::vector<Bytes> requestsOf(uint8_t command) const {
        std::vector<Bytes> out;
        for (const Bytes& r : server.requests())
            if (r.size() > 3 && r[3] == command) out.push_back(r);
        return out;
    }

    std::vector<std::string> statusRows() {
        std::vector<std::string> out;
        for (const auto& row : desk.statusList().rows())
            out.push_back(row.title + "|" + row.detail);
        return out;
    }

    static std::string textAt(const Bytes& request, int offset, int width) {
        return readPlainText(request.data() + offset, static_cast<std::size_t>(width));
    }

    void chooseNode(const TemplateKind& kind, TemplateNodeType type, const std::string& code,
                    int id) {
        chooseTemplateNode(desk, kind, ChosenNode{type, code, id});
    }
};

}  // namespace korvant::test
