#include <gtest/gtest.h>

#include "AccountDeskFixture.h"
#include "accounts/deposits/DepositOperations.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "accounts/subaccounts/SubAccountOperations.h"

namespace korvant {
namespace {

using test::AccountDeskFixture;

// Operations that only the tabs of one group level offer refuse in a group
// of another level and send nothing.
TEST(GroupLevelRule, OperationsOfAnotherLevelRefuseAndSendNothing) {
    struct Case {
        std::string code;
        std::function<bool(Desk&, const CurrentGroup&)> run;
        std::string message;
    };
    SubAccount sub;
    sub.account = "10001";
    MainAccount main;
    main.account = "M1";
    main.initialFunds = 100;
    MainAccountLink link{"M1", 10};
    const std::vector<Case> cases = {
        {"", [](Desk& d, const CurrentGroup& g) { return addSubAccount(d, g); },
         "添加子账号只能在二级组中进行。"},
        {"01", [](Desk& d, const CurrentGroup& g) { return addSubAccount(d, g); },
         "添加子账号只能在二级组中进行。"},
        {"", [](Desk& d, const CurrentGroup& g) { return createMainAccount(d, g.code); },
         "添加主账号只能在一级组中进行。"},
        {"0101", [](Desk& d, const CurrentGroup& g) { return createMainAccount(d, g.code); },
         "添加主账号只能在一级组中进行。"},
        {"01", [](Desk& d, const CurrentGroup& g) { return linkMainAccount(d, g.code); },
         "关联主账号只能在二级组中进行。"},
        {"01", [](Desk& d, const CurrentGroup&) { return unlinkMainAccount(d, "01", "M1"); },
         "取消关联主账号只能在二级组中进行。"},
        {"01", [&sub](Desk& d, const CurrentGroup& g) { return depositSubAccount(d, g, &sub); },
         "子账号出入金只能在二级组中进行。"},
        {"0101",
         [&main](Desk& d, const CurrentGroup& g) { return depositMainAccount(d, g, &main); },
         "主账号出入金只能在一级组中进行。"},
        {"", [&main](Desk& d, const CurrentGroup& g) { return depositMainAccount(d, g, &main); },
         "主账号出入金只能在一级组中进行。"},
        {"01", [&link](Desk& d, const CurrentGroup& g) { return depositLink(d, g, &link); },
         "关联主账号出入金只能在二级组中进行。"},
    };
    for (const Case& c : cases) {
        AccountDeskFixture f;
        f.view.state().group.code = c.code;
        EXPECT_FALSE(c.run(f.desk, f.view.state().group)) << c.message;
        EXPECT_TRUE(f.server.requests().empty()) << c.message;
        EXPECT_EQ(f.port.messageTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(f.port.lastMessage().caption, "提示");
    }
}

}  // namespace
}  // namespace korvant
