#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/DeskAnswers.h"
#include "cli/CliRun.h"
#include "protocol/CommandCode.h"
#include "risk/RiskRule.h"
#include "support/FakeServer.h"
#include "templates/TemplateKind.h"

// The exit status says whether everything asked for was done: 0 only then,
// 1 when anything was refused or failed, 3 when the desk ends. Each case is
// a server that answers the start-up queries and treats the command's own
// requests in one way.
namespace korvant::cli {
namespace {

using test::Bytes;
using test::FakeServer;

// Two months of one product and a fee template of group "01"; a template of
// a group that does not exist.
Bytes startup(const Bytes& request) {
    switch (request[3]) {
        case cmd::VarietyList: {
            ContractVariety a{"cu2601", "cu", "SHFE"}, b{"cu2602", "cu", "SHFE"};
            return test::listAnswerOf<ContractVariety>(cmd::VarietyList, 1, 0, {a, b});
        }
        case cmd::FeeTemplateList: {
            FeeTemplate t, orphan;
            t.id = 20;
            t.name = "标准手续费";
            t.groupCode = "01";
            orphan.id = 21;
            orphan.name = "无主模板";
            orphan.groupCode = "99";
            return test::listAnswerOf<FeeTemplate>(cmd::FeeTemplateList, 1, 0, {t, orphan});
        }
        case cmd::RiskStrategyList: {
            // One rule of the warehouse: id 5, owned by the logged-in group.
            RiskRule rule;
            rule.id = 5;
            rule.category = 1;
            rule.owner = 1;
            rule.summary = "规则5";
            return test::listAnswerOf<RiskStrategy>(cmd::RiskStrategyList, 1, 0,
                                                    {toRiskStrategy(rule)});
        }
        default:
            return test::startupAnswer(request);
    }
}

Bytes ratePage(int rows) {
    Bytes p(12 + static_cast<std::size_t>(rows * feeKind().wire.rowSize), 0);
    putU16(p.data(), static_cast<uint16_t>(p.size()));
    p[3] = cmd::FeeRates;
    putI32(p.data() + 4, 1);
    return p;
}

Bytes zlibGarbage(uint8_t command) {
    return FakeServer::packet(command, Bytes{1, 2, 3, 4, 5, 6, 7, 8}, 1);
}

struct Case {
    const char* what;
    std::vector<std::string> command;
    // The answer to the command's own requests (n counts them from 0);
    // nothing: the start-up answer.
    std::function<std::optional<Bytes>(const Bytes& request, int n)> answer;
    int status;
    const char* message;       // a line stderr must hold
    const char* forbiddenOut;  // stdout must not hold it ("" : no check)
};

const std::vector<Case>& cases() {
    static const std::vector<Case> all = {
        {"fee set --all-months, the second contract refused",
         {"fee", "set", "--template", "20", "--contract", "cu2601", "--all-months", "--open-rate",
          "1"},
         [](const Bytes& r, int n) -> std::optional<Bytes> {
             if (r[3] == cmd::FeeRates) return ratePage(2);
             if (r[3] == cmd::SetFeeRates) return FakeServer::resultPacket(n == 1 ? 0 : 1, "拒绝");
             return std::nullopt;
         },
         1,
         "[提示] 拒绝",
         ""},
        {"fee set whose current rates cannot be read sends nothing",
         {"fee", "set", "--template", "20", "--contract", "cu2601", "--open-rate", "1"},
         [](const Bytes& r, int) -> std::optional<Bytes> {
             if (r[3] == cmd::FeeRates) return FakeServer::resultPacket(1, "读不到");
             if (r[3] == cmd::SetFeeRates) ADD_FAILURE() << "a change was sent";
             return std::nullopt;
         },
         1,
         "[提示] 读不到",
         ""},
        {"fee set answered by another command's answer",
         {"fee", "set", "--template", "20", "--contract", "cu2601", "--open-rate", "1"},
         [](const Bytes& r, int) -> std::optional<Bytes> {
             if (r[3] == cmd::FeeRates) return ratePage(2);
             if (r[3] == cmd::SetFeeRates) return test::emptyList(cmd::GroupList);
             return std::nullopt;
         },
         1,
         "[提示] 服务器返回非确认包, 无法确定操作是否失败!",
         ""},
        {"fee rates of a refused page",
         {"fee", "rates", "--template", "20"},
         [](const Bytes& r, int) -> std::optional<Bytes> {
             if (r[3] == cmd::FeeRates) return FakeServer::resultPacket(1, "拒绝");
             return std::nullopt;
         },
         1,
         "[提示] 拒绝",
         "cu2601"},
        {"settle status on a 6-byte answer",
         {"settle", "status"},
         [](const Bytes& r, int) -> std::optional<Bytes> {
             if (r[3] == cmd::SettlementProgress)
                 return Bytes{6, 0, 0, cmd::SettlementProgress, 1, 0};
             return std::nullopt;
         },
         1,
         "[提示]   错误的数据包, 无法解析 !  ",
         "正在结算"},
        {"settle start on an answer that cannot be inflated",
         {"settle", "start"},
         [](const Bytes& r, int) -> std::optional<Bytes> {
             if (r[3] == cmd::StartSettlement) return zlibGarbage(cmd::StartSettlement);
             return std::nullopt;
         },
         1,
         "[提示]   错误的数据包, 无法解析 !  ",
         "date"},
        {"log whose scope is refused",
         {"log", "--from", "2026-01-01 00:00:00", "--to", "2026-12-31 00:00:00"},
         [](const Bytes& r, int) -> std::optional<Bytes> {
             if (r[3] == cmd::GroupCodeOfId) return FakeServer::resultPacket(1, "无权查询");
             if (r[3] == cmd::OperationLog) return test::emptyList(cmd::OperationLog);
             return std::nullopt;
         },
         1,
         "[提示] 无权查询",
         ""},
        {"fee set acknowledged without its status byte",
         {"fee", "set", "--template", "20", "--contract", "cu2601", "--open-rate", "1"},
         [](const Bytes& r, int) -> std::optional<Bytes> {
             if (r[3] == cmd::FeeRates) return ratePage(2);
             if (r[3] == cmd::SetFeeRates) return Bytes{4, 0, 0, 0};
             return std::nullopt;
         },
         1,
         "[提示]   错误的数据包, 无法解析 !  ",
         ""},
        {"risk add whose new id cannot be inflated",
         {"risk", "add", "--category", "2", "--products", "cu"},
         [](const Bytes& r, int) -> std::optional<Bytes> {
             if (r[3] == cmd::AddRiskRule) return zlibGarbage(cmd::AddRiskRule);
             return std::nullopt;
         },
         1,
         "[提示]   错误的数据包, 无法解析 !  ",
         "id"},
        {"risk delete of a rule the warehouse does not hold asks nothing, sends nothing",
         {"--yes", "risk", "delete", "--id", "99"},
         [](const Bytes& r, int) -> std::optional<Bytes> {
             if (r[3] == cmd::DeleteRiskRule) ADD_FAILURE() << "a delete was sent";
             return std::nullopt;
         },
         1,
         "[提示] 没有风控规则 99",
         ""},
        {"risk load answered by a page of another list",
         {"risk", "load", "--sub", "9", "--id", "5"},
         [](const Bytes& r, int) -> std::optional<Bytes> {
             if (r[3] == cmd::AssignedRules) return test::emptyList(cmd::AssignedRules);
             if (r[3] == cmd::LoadRiskRule) return test::emptyList(cmd::GroupList);
             if (r[3] == cmd::RuleAssignmentDone) return FakeServer::resultPacket(0, "");
             return std::nullopt;
         },
         1,
         "[提示] 服务器返回非确认包, 无法确定操作是否失败!",
         ""},
        {"report funds of a group the desk does not hold asks nothing",
         {"report", "funds", "--group", "999", "--date", "20261208"},
         [](const Bytes& r, int) -> std::optional<Bytes> {
             if (r[3] == cmd::FundsReport) ADD_FAILURE() << "a report was asked for";
             return std::nullopt;
         },
         1,
         "[提示] 没有组 999",
         ""},
        {"fee list leaves out the template of no group",
         {"fee", "list"},
         [](const Bytes&, int) -> std::optional<Bytes> { return std::nullopt; },
         0,
         "",
         "无主模板"},
    };
    return all;
}

TEST(ExitStatus, SaysWhetherEverythingAskedForWasDone) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        FakeServer server;
        std::map<uint8_t, int> seen;
        server.respondByDefault([&c, &seen](const Bytes& request) {
            if (auto own = c.answer(request, seen[request[3]]++)) return *own;
            return startup(request);
        });
        std::vector<std::string> args = {
            "--host", server.host(), "--port",     std::to_string(server.port()),
            "--user", "admin",       "--password", "admin"};
        args.insert(args.end(), c.command.begin(), c.command.end());
        const test::CliRun run = test::runCli(args);
        EXPECT_EQ(run.status, c.status) << run.err;
        if (*c.message) EXPECT_TRUE(run.errHas(std::string(c.message) + "\n")) << run.err;
        if (*c.forbiddenOut) EXPECT_EQ(run.out.find(c.forbiddenOut), std::string::npos) << run.out;
    }
}

TEST(ExitStatus, AnExportAsksBeforeItReplacesAFileAndNoKeepsIt) {
    test::ScratchDir dir;
    dir.write("r.csv", "old");
    for (const bool yes : {false, true}) {
        FakeServer server;
        server.respondByDefault([](const Bytes& request) {
            if (request[3] == cmd::OrderExport) return test::emptyList(cmd::OrderExport);
            return startup(request);
        });
        std::vector<std::string> args = {
            "--host",   server.host(),    "--port",     std::to_string(server.port()),
            "--user",   "admin",          "--password", "admin",
            "report",   "orders",         "--group",    "5",
            "--from",   "20261201",       "--to",       "20261208",
            "--export", dir.file("r.csv")};
        if (yes) args.push_back("--yes");
        const test::CliRun run = test::runCli(args);
        EXPECT_TRUE(run.errHas("r.csv文件已经存在，是否替换原文件？")) << run.err;
        EXPECT_EQ(run.status, yes ? 0 : 1) << run.err;
        std::ifstream in(dir.file("r.csv"), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        EXPECT_EQ(text == "old", !yes) << text;
        if (yes) EXPECT_TRUE(run.errHas("已导出 1 页, 0 行")) << run.err;
    }
}

}  // namespace
}  // namespace korvant::cli
