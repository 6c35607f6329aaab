#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "support/ScratchFolder.h"
#include "support/SimProcess.h"

// The commands build their dialogs' values from their options and call the
// operations with them: no command of any family asks for a form, whether
// it succeeds or a check refuses its values.
namespace korvant::cli {
namespace {

struct Case {
    std::vector<std::string> command;
    int status;
};

TEST(NoDialog, NoCommandAsksForAForm) {
    test::SimProcess sim{"demo"};
    ASSERT_TRUE(sim.ok()) << sim.error();
    const test::ScratchFolder scratch("nodialog");
    const std::filesystem::path file = scratch.path() / "deposits.csv";
    const std::vector<Case> cases = {
        {{"login"}, 0},
        {{"group", "list"}, 0},
        {{"admin", "list", "--group", "1"}, 0},
        {{"subaccount", "list", "--group", "5"}, 0},
        {{"mainaccount", "list", "--group", "2"}, 0},
        {{"fee", "list"}, 0},
        {{"margin", "rates", "--template", "1"}, 0},
        {{"risk", "list", "--category", "7"}, 0},
        {{"risk", "assigned", "--sub", "100110"}, 0},
        {{"mainaccount", "subaccounts", "--group", "2", "--account", "none"}, 1},
        {{"deposit", "sub", "--group", "5", "--account", "100101", "--available", "1"}, 0},
        {{"deposit", "sub", "--group", "5", "--account", "100101"}, 1},
        {{"deposits", "--from", "20000101", "--to", "20991231"}, 0},
        {{"deposits", "--from", "20000101", "--to", "20991231", "--export", file.string()}, 0},
        {{"log", "--from", "2000-01-01 00:00:00", "--to", "2099-12-31 23:59:59"}, 0},
        {{"params", "show"}, 0},
        {{"params", "set", "--auto-settle", "0"}, 0},
        {{"params", "set", "--window", "1515-1700"}, 1},
        {{"params", "set", "--half-fee", "zz"}, 1},
        {{"settle", "start", "--wait", "--interval", "10"}, 0},
        {{"settle", "status"}, 0},
        {{"password", "--current", "admin", "--new", "a1", "--confirm", "a2"}, 1},
        {{"password", "--current", "admin", "--new", "admin"}, 0},
    };
    for (const Case& c : cases) {
        const test::CliRun run = test::runAsAdmin(sim, "admin", c.command);
        SCOPED_TRACE(c.command[0] + " " + (c.command.size() > 1 ? c.command[1] : "") + "\n" +
                     run.err);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.forms, 0);
    }
    // A login refused by the dialog's own checks asks for no form either.
    const test::CliRun empty = test::runCli(
        {"--host", sim.host(), "--port", std::to_string(sim.port()), "--user", "", "login"});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.forms, 0);
    EXPECT_TRUE(empty.errHas("请填写管理员账号。")) << empty.err;
}

}  // namespace
}  // namespace korvant::cli
