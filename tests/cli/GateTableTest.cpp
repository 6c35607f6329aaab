#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/DeskAnswers.h"
#include "app/session/Permissions.h"
#include "cli/CliRun.h"
#include "cli/CommandGates.h"
#include "cli/commands/Commands.h"
#include "support/FakeServer.h"

// What a script may do is what the desk offers the same administrator: a
// command whose view or operation needs a bit the mask lacks prints the
// refusal, exits 1 and sends nothing after the start-up; with the bit it
// gets past the check. Every command has a row in the gate table.
namespace korvant::cli {
namespace {

using test::Bytes;
using test::CliRun;
using test::FakeServer;

constexpr uint32_t Everything = 0xFFFFF;

struct Case {
    std::vector<std::string> args;
    uint32_t withoutBits;  // the bits taken from the mask
    std::string refusal;
};

std::vector<Case> cases() {
    const auto op = [](GatedOperation o) { return requiredBit(o); };
    const auto text = [](GatedOperation o) { return std::string(refusalText(o)); };
    using O = GatedOperation;
    const std::string accounts = viewRefusalText(ViewKind::Accounts);
    const std::string reports = viewRefusalText(ViewKind::Reports);
    return {
        // The operations, each without its own bit only.
        {{"admin", "add", "--group", "1", "--account", "boss", "--password", "x"},
         op(O::AddAdministrator),
         text(O::AddAdministrator)},
        {{"admin", "modify", "--group", "1", "--account", "boss"},
         op(O::ModifyAdministrator),
         text(O::ModifyAdministrator)},
        {{"admin", "delete", "--group", "1", "--account", "boss"},
         op(O::DeleteAdministrator),
         text(O::DeleteAdministrator)},
        {{"group", "add", "--parent", "1", "--name", "x"}, op(O::AddGroup), text(O::AddGroup)},
        {{"group", "modify", "--group", "2", "--name", "x"},
         op(O::ModifyGroup),
         text(O::ModifyGroup)},
        {{"subaccount", "add", "--group", "5", "--account", "9", "--password", "x"},
         op(O::AddSubAccount),
         text(O::AddSubAccount)},
        {{"subaccount", "modify", "--group", "5", "--account", "9"},
         op(O::ModifySubAccount),
         text(O::ModifySubAccount)},
        {{"subaccount", "delete", "--group", "5", "--account", "9"},
         op(O::DeleteSubAccount),
         text(O::DeleteSubAccount)},
        {{"mainaccount", "add", "--group", "2", "--account", "m1"},
         op(O::AddMainAccount),
         text(O::AddMainAccount)},
        {{"mainaccount", "unlink", "--group", "5", "--account", "m1"},
         op(O::DeleteMainAccount),
         text(O::DeleteMainAccount)},
        {{"deposit", "sub", "--group", "5", "--account", "9", "--available", "1"},
         op(O::Deposit),
         text(O::Deposit)},
        {{"fee", "set", "--template", "20", "--contract", "cu"},
         op(O::ModifyFeeRates),
         text(O::ModifyFeeRates)},
        {{"fee", "export", "--template", "20", "--file", "/nonexistent/x.csv"},
         op(O::ExportFeeRates),
         text(O::ExportFeeRates)},
        {{"fee", "import", "--group", "01", "--file", "/nonexistent/x.csv"},
         op(O::ImportFeeRates),
         text(O::ImportFeeRates)},
        {{"margin", "set", "--template", "10", "--contract", "cu"},
         op(O::ModifyMarginRates),
         text(O::ModifyMarginRates)},
        {{"margin", "export", "--template", "10", "--file", "/nonexistent/x.csv"},
         op(O::ExportMarginRates),
         text(O::ExportMarginRates)},
        {{"margin", "import", "--group", "01", "--file", "/nonexistent/x.csv"},
         op(O::ImportMarginRates),
         text(O::ImportMarginRates)},
        {{"risk", "add", "--category", "1", "--kind", "1"},
         op(O::AddRiskStrategy),
         text(O::AddRiskStrategy)},
        {{"risk", "modify", "--id", "1"}, op(O::ModifyRiskStrategy), text(O::ModifyRiskStrategy)},
        {{"risk", "delete", "--id", "1"}, op(O::DeleteRiskStrategy), text(O::DeleteRiskStrategy)},
        {{"risk", "load", "--sub", "9", "--id", "1"},
         op(O::LoadRiskStrategy),
         text(O::LoadRiskStrategy)},
        {{"risk", "assigned", "--sub", "9"}, op(O::LoadRiskStrategy), text(O::LoadRiskStrategy)},
        {{"settle", "start"}, op(O::Settlement), text(O::Settlement)},
        {{"settle", "status"}, op(O::Settlement), text(O::Settlement)},
        {{"settle", "clear"}, op(O::Settlement), text(O::Settlement)},
        {{"settle", "prices", "--date", "20261208"}, op(O::Settlement), text(O::Settlement)},
        {{"params", "show"}, op(O::Settlement), text(O::Settlement)},
        {{"position", "modify", "--date", "20261208", "--account", "9", "--row", "1", "--volume",
          "1"},
         op(O::ModifyPositions),
         text(O::ModifyPositions)},
        // The views: every bit that opens the view taken away.
        {{"admin", "list", "--group", "1"}, 0x3f, accounts},
        {{"subaccount", "list", "--group", "5"}, 0x3f, accounts},
        {{"fee", "list"}, perm::FeeRates, viewRefusalText(ViewKind::FeeRates)},
        {{"margin", "rates", "--template", "10"},
         perm::MarginRates,
         viewRefusalText(ViewKind::MarginRates)},
        {{"risk", "list", "--category", "1"}, perm::RiskControl, viewRefusalText(ViewKind::Risk)},
        {{"report", "funds", "--group", "5", "--date", "20261208"}, perm::Reports, reports},
        {{"report", "orders", "--group", "5", "--date", "20261208"}, perm::Reports, reports},
        {{"statement", "--account", "9", "--day", "20261208"}, perm::Reports, reports},
        {{"deposits", "--from", "20261201", "--to", "20261208"}, perm::Reports, reports},
        {{"log", "--from", "2026-12-01 00:00", "--to", "2026-12-08 00:00"},
         perm::LoginMonitor | perm::ViewLogs,
         viewRefusalText(ViewKind::Logs)},
    };
}

struct GateRun {
    CliRun cli;
    std::size_t requests = 0;
};

GateRun runWithMask(uint32_t mask, const std::vector<std::string>& command) {
    FakeServer server;
    server.respondByDefault(
        [mask](const Bytes& request) { return test::startupAnswer(request, mask); });
    std::vector<std::string> args = {
        "--host",     server.host(), "--port", std::to_string(server.port()), "--user", "admin",
        "--password", "admin",       "--yes"};
    args.insert(args.end(), command.begin(), command.end());
    GateRun run;
    run.cli = test::runCli(args);
    run.requests = server.requests().size();
    return run;
}

TEST(GateTable, AMissingBitRefusesBeforeAnythingIsSentAndTheBitLetsThrough) {
    for (const Case& c : cases()) {
        const std::string name = c.args[0] + " " + c.args[1];
        const uint32_t mask = Everything & ~c.withoutBits;
        // The start-up alone with this mask: the login, the reference lists
        // and what the first view it opens asks for.
        const std::size_t startUp = runWithMask(mask, {"login"}).requests;
        const GateRun refused = runWithMask(mask, c.args);
        EXPECT_EQ(refused.cli.status, 1) << name << "\n" << refused.cli.err;
        EXPECT_TRUE(refused.cli.errHas(c.refusal)) << name << "\n" << refused.cli.err;
        EXPECT_EQ(refused.requests, startUp) << name;

        const GateRun passed = runWithMask(Everything, c.args);
        EXPECT_FALSE(passed.cli.errHas(c.refusal)) << name << "\n" << passed.cli.err;
    }
}

TEST(GateTable, EveryCommandAndEveryGatedOperationIsInTheTable) {
    std::set<GatedOperation> gated;
    for (const auto& command : allCommands()) {
        const std::optional<CommandGate> gate = commandGate(command->name());
        EXPECT_TRUE(gate) << command->name();
        if (gate && gate->operation) gated.insert(*gate->operation);
    }
    // The risk rules of the assignment dialog are the desk's only.
    for (GatedOperation op : {GatedOperation::AddRiskStrategy, GatedOperation::ModifyPositions,
                              GatedOperation::Settlement, GatedOperation::Deposit})
        EXPECT_TRUE(gated.count(op));
}

}  // namespace
}  // namespace korvant::cli
