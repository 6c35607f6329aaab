#include <gtest/gtest.h>

#include "cli/CliRun.h"

namespace korvant {
namespace {

class RiskCommands : public ::testing::Test {
protected:
    test::SimProcess sim{"demo"};

    void SetUp() override { ASSERT_TRUE(sim.ok()) << sim.error(); }

    test::CliRun run(std::vector<std::string> command, bool yes = false) {
        command.insert(command.begin(), {"--dir", KORVANT_BIN_DIR});
        return test::runAsAdmin(sim, "admin", command, yes);
    }
};

TEST_F(RiskCommands, AddLoadSeeModifyAndUnloadOnASubAccount) {
    test::CliRun added =
        run({"risk", "add", "--category", "7", "--kind", "14", "--products", "cu,al", "--param1",
             "80", "--from", "0900", "--to", "1130", "--forbid-open", "--notify-minutes", "5"});
    ASSERT_EQ(added.status, 0) << added.err;
    ASSERT_EQ(added.out.rfind("id\t", 0), 0u) << added.out;
    const std::string id = added.out.substr(3, added.out.size() - 4);
    const std::string summary = "[09:00-11:30]cu等品种风险度大于80%,禁止开仓";
    EXPECT_TRUE(run({"risk", "list", "--category", "7"}).outHas(id + "\t" + summary + "\t\n"));

    test::CliRun loaded = run({"risk", "load", "--sub", "100110", "--id", id});
    ASSERT_EQ(loaded.status, 0) << loaded.err;
    EXPECT_TRUE(run({"risk", "assigned", "--sub", "100110"}).outHas(id + "\t" + summary + "\n"));

    test::CliRun modified =
        run({"risk", "modify", "--id", id, "--param1", "85", "--allow-open", "--forbid-close"});
    ASSERT_EQ(modified.status, 0) << modified.err;
    test::CliRun assigned = run({"risk", "assigned", "--sub", "100110"});
    EXPECT_TRUE(assigned.outHas(id + "\t[09:00-11:30]cu等品种风险度大于85%,禁止平仓\n"))
        << assigned.out;

    EXPECT_EQ(run({"risk", "unload", "--sub", "100110", "--id", id}).status, 1);  // asks: No
    test::CliRun unloaded = run({"risk", "unload", "--sub", "100110", "--id", id}, true);
    ASSERT_EQ(unloaded.status, 0) << unloaded.err;
    EXPECT_EQ(run({"risk", "assigned", "--sub", "100110"}).out, "序号\t名称\n");
}

TEST_F(RiskCommands, RefusalsKeepTheDialogsMessages) {
    struct Case {
        std::vector<std::string> args;
        const char* err;
    };
    const Case cases[] = {
        {{"risk", "add", "--category", "14", "--kind", "26", "--param1", "90"},
         "[错误] “发送通知”和“强平”至少要填写一种。  "},
        {{"risk", "add", "--category", "7", "--kind", "14", "--forbid-open"},
         "[错误] 请填写“参数1”。  "},
        {{"risk", "add", "--category", "2"}, "[错误] 请选择至少一个交易品种"},
        {{"risk", "add", "--category", "7", "--kind", "26"}, "类别 7 中没有规则种类 26"},
        {{"risk", "up", "--group", "0101", "--id", "4"}, "已经在最前"},
    };
    for (const Case& c : cases) {
        test::CliRun r = run(c.args);
        EXPECT_EQ(r.status, 1) << c.err;
        EXPECT_TRUE(r.errHas(c.err)) << r.err;
    }
    test::CliRun forced = run({"risk", "add", "--category", "14", "--kind", "26", "--param1", "90",
                               "--force-close-percent", "50"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    test::CliRun kinds = run({"risk", "kinds", "--category", "15"});
    EXPECT_TRUE(kinds.outHas("15\t31\t")) << kinds.out;
}

}  // namespace
}  // namespace korvant
