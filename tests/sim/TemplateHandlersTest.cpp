#include "SimTestClient.h"

namespace korvant::sim::test {
namespace {

constexpr int FeeRow = 56;
constexpr int MarginRow = 100;
constexpr int SubAccountSize = 364;

class Templates : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(admin.login("admin", "admin").size(), 44); }

    Reply page(uint8_t command, int32_t id, int32_t page) {
        return admin.request(command, 12, [&](PacketWriter& w) { w.i32(4, id).i32(8, page); });
    }
    Reply add(uint8_t command, const std::string& name, const std::string& code) {
        return admin.request(command, 84,
                             [&](PacketWriter& w) { w.text(4, 64, name).text(68, 16, code); });
    }
    Reply named(uint8_t command, const std::string& name, const std::string& code, int32_t id) {
        return admin.request(command, 88, [&](PacketWriter& w) {
            w.text(4, 64, name).text(68, 16, code).i32(84, id);
        });
    }
    Reply setFee(const std::string& contract, const std::string& exchange, int32_t id, double open,
                 int32_t discount, int32_t mode) {
        return admin.request(cmd::SetFeeRates, 112, [&](PacketWriter& w) {
            w.text(4, 32, contract).text(36, 16, exchange).i32(52, id).f64(56, open);
            w.i32(104, discount).i32(108, mode);
        });
    }
    Reply load(uint8_t command, const std::string& account, const std::string& name) {
        return admin.request(command, 84,
                             [&](PacketWriter& w) { w.text(4, 16, account).text(20, 64, name); });
    }
    std::unique_ptr<SimServerThread> server = startServer("demo");
    SimClient admin{server->port()};
};

TEST_F(Templates, RatePagesArePositionalOverTheVarietyList) {
    // 27 products × 4 months + a fifth rebar month: two pages of 100.
    Reply first = page(cmd::FeeRates, 1, 0);
    ASSERT_EQ(first.command(), cmd::FeeRates);
    EXPECT_EQ(first.totalPages(), 2);
    EXPECT_EQ(first.records(FeeRow), 100);
    Reply last = page(cmd::MarginRates, 1, 1);
    EXPECT_EQ(last.records(MarginRow), 9);
    // The empty template and an unknown one list zero rows of full length.
    Reply empty = page(cmd::FeeRates, 4, 0);
    EXPECT_EQ(empty.records(FeeRow), 100);
    for (int i = 0; i < 100; ++i)
        for (int v = 0; v < 6; ++v) EXPECT_EQ(getF64(empty.record(i, FeeRow) + 8 * v), 0.0);
    EXPECT_EQ(page(cmd::FeeRates, 999, 0).records(FeeRow), 100);
}

TEST_F(Templates, RatesSetForOneContractComeBackAtItsPosition) {
    Reply varieties = admin.request(cmd::VarietyList, 20, [&](PacketWriter& w) { w.i32(4, 0); });
    int rb2610 = -1;
    for (int i = 0; i < varieties.records(80); ++i)
        if (readPlainText(varieties.record(i, 80), 32) == "rb2610") rb2610 = i;
    ASSERT_GE(rb2610, 0);
    ASSERT_EQ(readPlainText(varieties.record(rb2610 - 1, 80), 32), "rb2609");

    ASSERT_TRUE(setFee("rb2610", "SHFE", 4, 0.5, 1, 1).accepted());
    Reply rates = page(cmd::FeeRates, 4, rb2610 / 100);
    const uint8_t* row = rates.record(rb2610 % 100, FeeRow);
    EXPECT_EQ(getF64(row), 0.5);
    EXPECT_EQ(getI32(row + 48), 1);
    EXPECT_EQ(getI32(row + 52), 1);

    EXPECT_TRUE(setFee("xx9999", "SHFE", 4, 1, 0, 0).refused());
    EXPECT_TRUE(setFee("rb2610", "DCE", 4, 1, 0, 0).refused());
    EXPECT_TRUE(setFee("rb2610", "SHFE", 999, 1, 0, 0).refused());
}

TEST_F(Templates, AddRenameDeleteWithTheirRefusals) {
    Reply added = add(cmd::AddFeeTemplate, "新模板", "02");
    ASSERT_TRUE(added.accepted()) << added.resultText();
    const int32_t id = std::stoi(added.resultText());
    EXPECT_GE(id, 5);
    EXPECT_TRUE(contains(add(cmd::AddFeeTemplate, "新模板", "02").resultText(), "已存在"));
    // The other kind keeps its own names.
    EXPECT_TRUE(add(cmd::AddMarginTemplate, "新模板", "02").accepted());
    EXPECT_TRUE(add(cmd::AddFeeTemplate, "四位组", "0201").refused());
    EXPECT_TRUE(add(cmd::AddFeeTemplate, "", "02").refused());

    EXPECT_TRUE(
        contains(named(cmd::ModifyFeeTemplate, "标准手续费", "02", id).resultText(), "已存在"));
    EXPECT_TRUE(named(cmd::ModifyFeeTemplate, "改名", "02", id).accepted());
    EXPECT_TRUE(named(cmd::ModifyFeeTemplate, "改名", "02", 999).refused());
    EXPECT_TRUE(named(cmd::DeleteFeeTemplate, "改名", "02", id).accepted());
    EXPECT_TRUE(named(cmd::DeleteFeeTemplate, "改名", "02", id).refused());
    // Template 1 is in use by sub-accounts.
    EXPECT_TRUE(named(cmd::DeleteFeeTemplate, "标准手续费", "01", 1).refused());
}

TEST_F(Templates, LoadedTemplatesShowInTheSubAccountList) {
    ASSERT_TRUE(load(cmd::LoadMarginTemplate, "100101", "华东保证金").accepted());
    ASSERT_TRUE(load(cmd::LoadFeeTemplate, "100101", "").accepted());
    auto s = findRecord(admin.subAccounts(5, 0, {.account = "100101"}), SubAccountSize, "100101");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(readPlainText(s + 120, 64), "华东保证金");
    EXPECT_EQ(readPlainText(s + 184, 64), "");
    // Another department's template, and unknown names or accounts.
    EXPECT_TRUE(load(cmd::LoadMarginTemplate, "100101", "华南高保证金").refused());
    EXPECT_TRUE(load(cmd::LoadFeeTemplate, "100101", "没有").refused());
    EXPECT_TRUE(load(cmd::LoadFeeTemplate, "999999", "").refused());
}

}  // namespace
}  // namespace korvant::sim::test
