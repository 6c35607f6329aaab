#include <gtest/gtest.h>

#include "AccountDeskFixture.h"
#include "accounts/administrators/AdministratorForm.h"
#include "accounts/administrators/AdministratorOperations.h"
#include "accounts/mainaccounts/MainAccountForm.h"
#include "accounts/mainaccounts/MainAccountOperations.h"

// A change the server refuses shows its form again, as it was filled, on a
// front end that asks again; nothing is sent until it is filled again.
namespace korvant {
namespace {

using test::AccountDeskFixture;
using test::Bytes;
using test::FakeServer;

TEST(RefusedForm, AddAdministratorAsksAgainWithTheValuesAsTyped) {
    AccountDeskFixture f;
    f.port.asksAgain = true;
    int refusals = 1;
    f.answer = [&refusals](const Bytes& request) -> Bytes {
        if (request[3] == 98 && refusals-- > 0) return FakeServer::resultPacket(1, "账号已存在");
        return {};
    };
    f.port.queueForm<AdministratorForm>([](AdministratorForm& form) {
        form.account = "op1";
        form.password = "secret";
        form.name = "操作员";
        return true;
    });
    // Shown again with what was typed: only the account is changed.
    f.port.queueForm<AdministratorForm>([](AdministratorForm& form) {
        EXPECT_EQ(form.account, "op1");
        EXPECT_EQ(form.password, "secret");
        EXPECT_EQ(form.name, "操作员");
        form.account = "op2";
        return true;
    });
    EXPECT_TRUE(addAdministrator(f.desk, f.view.state().group));

    // The refused add, then the second one and its re-query; nothing between.
    EXPECT_EQ(f.commands(), (std::vector<int>{98, 98, 97}));
    EXPECT_EQ(AccountDeskFixture::textAt(f.server.requests()[1], 4, 16), "op2");
    EXPECT_EQ(f.port.messageTexts(), std::vector<std::string>{"账号已存在"});
    EXPECT_EQ(f.port.forms.size(), 2u);
}

TEST(RefusedForm, CancelAfterARefusalSendsNothingMore) {
    AccountDeskFixture f;
    f.port.asksAgain = true;
    f.answer = [](const Bytes& request) -> Bytes {
        if (request[3] == 38) return FakeServer::resultPacket(1, "主账号已存在");
        return {};
    };
    f.view.state().group.code = "01";
    f.port.queueForm<MainAccountForm>([](MainAccountForm& form) {
        form.account = "880001";
        form.initialFunds = "1000000";
        return true;
    });
    // The second showing is cancelled (no filler left).
    EXPECT_FALSE(createMainAccount(f.desk, f.view.state().group.code));
    EXPECT_EQ(f.commands(), std::vector<int>{38});
    ASSERT_EQ(f.port.forms.size(), 2u);
    EXPECT_FALSE(f.port.forms[1].accepted);
}

TEST(RefusedForm, AFrontEndThatCannotAskAgainEndsAtTheRefusal) {
    AccountDeskFixture f;  // asksAgain stays off, as on the command line
    f.answer = [](const Bytes& request) -> Bytes {
        if (request[3] == 98) return FakeServer::resultPacket(1, "账号已存在");
        return {};
    };
    f.port.queueForm<AdministratorForm>([](AdministratorForm& form) {
        form.account = "op1";
        form.password = "secret";
        return true;
    });
    f.port.queueForm<AdministratorForm>([](AdministratorForm&) {
        ADD_FAILURE() << "asked again";
        return false;
    });
    EXPECT_FALSE(addAdministrator(f.desk, f.view.state().group));
    EXPECT_EQ(f.commands(), std::vector<int>{98});
    EXPECT_EQ(f.port.forms.size(), 1u);
}

TEST(RefusedForm, ALostAnswerIsNoReasonToAskAgain) {
    AccountDeskFixture f;
    f.port.asksAgain = true;
    // Not an acknowledgement: whether the add happened is unknown.
    f.answer = [](const Bytes& request) -> Bytes {
        if (request[3] == 98) return AccountDeskFixture::listAnswer(97, {});
        return {};
    };
    f.port.queueForm<AdministratorForm>([](AdministratorForm& form) {
        form.account = "op1";
        form.password = "secret";
        return true;
    });
    EXPECT_FALSE(addAdministrator(f.desk, f.view.state().group));
    EXPECT_EQ(f.port.forms.size(), 1u);
    EXPECT_EQ(f.commands(), std::vector<int>{98});
}

}  // namespace
}  // namespace korvant
