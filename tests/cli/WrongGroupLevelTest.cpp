#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "support/SimProcess.h"

// Operations that the desk offers only in the tabs of one group level refuse
// in a group of another level with a message box, and change nothing.
namespace korvant::cli {
namespace {

// Demo data: group 1 is the root, group 2 (01) first level, group 5 (0101)
// second level, linked to 880101 and 880102.
TEST(WrongGroupLevel, RefusedWithAMessageBoxAndNothingChanged) {
    test::SimProcess sim{"demo"};
    ASSERT_TRUE(sim.ok()) << sim.error();
    auto run = [&sim](const std::vector<std::string>& command) {
        return test::runAsAdmin(sim, "admin", command);
    };
    struct Case {
        std::vector<std::string> command;
        std::string box;
    };
    const std::vector<Case> cases = {
        {{"subaccount", "add", "--group", "2", "--account", "199001", "--password", "pw",
          "--main-account", "880101"},
         "[提示] 添加子账号只能在二级组中进行。"},
        {{"mainaccount", "add", "--group", "5", "--account", "889900"},
         "[提示] 添加主账号只能在一级组中进行。"},
        {{"mainaccount", "add", "--group", "1", "--account", "889900"},
         "[提示] 添加主账号只能在一级组中进行。"},
        {{"mainaccount", "link", "--group", "2", "--account", "880101"},
         "[提示] 关联主账号只能在二级组中进行。"},
    };
    for (const Case& c : cases) {
        test::CliRun outcome = run(c.command);
        EXPECT_EQ(outcome.status, 1) << c.box << '\n' << outcome.err;
        EXPECT_TRUE(outcome.errHas(c.box)) << outcome.err;
    }
    EXPECT_FALSE(run({"mainaccount", "list", "--group", "2"}).outHas("889900"));
}

}  // namespace
}  // namespace korvant::cli
