#include <gtest/gtest.h>
#include <zlib.h>

#include "TemplateDeskFixture.h"
#include "app/actions/ActionDispatcher.h"
#include "templates/TemplateForms.h"

namespace korvant::test {
namespace {

RateRow feeRow(std::array<double, 6> values, int discount = 0, int mode = 0) {
    RateRow r;
    std::copy(values.begin(), values.end(), r.values.begin());
    r.discount = discount;
    r.mode = mode;
    return r;
}

TEST(RatePage, CellsOfAChosenTemplateAndOfAnAllZeroOne) {
    TemplateDeskFixture f;
    f.feeRows[7] = {feeRow({1.5, 2, 0, 0.00001, 0.12345, 3}, 1, 1),
                    feeRow({0, 0, 0, 0, 0, 0}, 2, 2)};
    f.chooseNode(feeKind(), TemplateNodeType::Template, "01", 7);
    const RatePage& page = templateView(f.desk, feeKind()).page;
    ASSERT_TRUE(page.enabled());
    ASSERT_EQ(page.rowCount(), 100);
    EXPECT_EQ(page.cells(0), (std::vector<std::string>{"EX", "c0", "1.5", "2", "", "", "0.1235",
                                                       "3", "不优惠", "绝对"}));
    // Modes outside 0…1 read as 0: nothing beyond the two code columns.
    EXPECT_EQ(page.cells(1),
              (std::vector<std::string>{"EX", "c1", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(page.columns().size(), 10u);
    EXPECT_EQ(page.columns()[2].caption, "开仓手续费率(按金额,万分之)");
}

TEST(RatePage, AGroupNodeListsTheContractsOfPageZeroInADisabledList) {
    TemplateDeskFixture f;
    f.feeRows[0] = {feeRow({9, 9, 9, 9, 9, 9})};
    f.chooseNode(feeKind(), TemplateNodeType::Group, "01", 0);
    const RatePage& page = templateView(f.desk, feeKind()).page;
    EXPECT_FALSE(page.enabled());
    ASSERT_EQ(page.rowCount(), 100);
    EXPECT_EQ(page.cells(0)[1], "c0");
    EXPECT_EQ(page.cells(0)[2], "");
    // The request goes out all the same.
    ASSERT_EQ(f.requestsOf(cmd::FeeRates).size(), 1u);
    EXPECT_EQ(getI32(f.requestsOf(cmd::FeeRates)[0].data() + 4), 0);
}

TEST(RatePage, TheLastPageListsOnlyTheContractsLeftAndThePagerTurnsIt) {
    TemplateDeskFixture f(250);
    f.view.state().view = ViewKind::MarginRates;
    f.chooseNode(marginKind(), TemplateNodeType::Template, "01", 5);
    EXPECT_EQ(f.view.state().labelPage, 1);
    EXPECT_EQ(f.view.state().labelTotal, 3);
    f.desk.dispatcher().send(ActionCode::LastPage);
    const RatePage& page = templateView(f.desk, marginKind()).page;
    EXPECT_EQ(page.page(), 2);
    // The answer carries 100 rows; those beyond the contract count are ignored.
    EXPECT_EQ(page.rowCount(), 50);
    EXPECT_EQ(page.cells(49)[1], "c249");
    EXPECT_EQ(f.view.state().labelPage, 3);
    EXPECT_EQ(page.columns().size(), 15u);
}

TEST(RatePage, ACompressedPageIsInflatedBeforeItsRowsAreRead) {
    TemplateDeskFixture f(10);
    f.feeRows[7] = {feeRow({4, 0, 0, 0, 0, 0})};
    f.answer = [&f](const Bytes& request) {
        if (request[3] != cmd::FeeRates) return Bytes{};
        Bytes plain = f.ratePage(feeKind(), 7, 0, 10);
        uLongf size = compressBound(plain.size() - 4);
        Bytes packed(4 + size);
        compress2(packed.data() + 4, &size, plain.data() + 4, plain.size() - 4, 9);
        packed.resize(4 + size);
        putU16(packed.data(), static_cast<uint16_t>(packed.size()));
        packed[2] = 1;
        packed[3] = cmd::FeeRates;
        return packed;
    };
    f.chooseNode(feeKind(), TemplateNodeType::Template, "01", 7);
    EXPECT_EQ(templateView(f.desk, feeKind()).page.cells(0)[2], "4");
}

TEST(RatePage, AnAnswerThatIsNoRatePageListsNoRates) {
    TemplateDeskFixture f(10);
    f.answer = [](const Bytes& request) {
        return request[3] == cmd::FeeRates ? FakeServer::packet(cmd::VarietyList, Bytes(20, 0))
                                           : Bytes{};
    };
    f.chooseNode(feeKind(), TemplateNodeType::Template, "01", 7);
    EXPECT_TRUE(f.port.hasMessage("  错误的数据包, 无法解析 !  "));
    EXPECT_EQ(templateView(f.desk, feeKind()).page.cells(0)[2], "");
}

class RateEdit : public ::testing::Test {
protected:
    void chooseRow(const TemplateKind& kind, int id, int row) {
        f.chooseNode(kind, TemplateNodeType::Template, "01", id);
        templateView(f.desk, kind).selectedRow = row;
    }
    TemplateDeskFixture f;
};

TEST_F(RateEdit, TheDialogIsFilledFromTheRowAndTypingSlipsAreRefused) {
    f.feeRows[7] = {feeRow({1.5, 0, 0, 0, 0, 0}, 1, 1)};
    chooseRow(feeKind(), 7, 0);
    // "1,5" and "2.5x" would be sent as 1 and 2.5: the form is refused and
    // stays open, naming the field; the corrected values are sent.
    f.port.queueForm<RateForm>([](RateForm& form) {
        EXPECT_EQ(form.contract, "c0");
        EXPECT_EQ(form.values[0], "1.5");
        EXPECT_EQ(form.values[1], "");
        EXPECT_TRUE(form.noDiscount);
        EXPECT_TRUE(form.absolute);
        form.values[0] = "1,5";
        return true;
    });
    f.port.queueForm<RateForm>([](RateForm& form) {
        EXPECT_EQ(form.refusedField, "value0");
        form.values[0] = "-0.25";
        form.values[1] = "2.5x";
        return true;
    });
    f.port.queueForm<RateForm>([](RateForm& form) {
        EXPECT_EQ(form.refusedField, "value1");
        form.values[1] = "2.5";
        form.noDiscount = false;
        return true;
    });
    f.desk.dispatcher().send(ActionCode::ModifyFeeRates);
    ASSERT_GE(f.port.messages.size(), 2u);
    EXPECT_EQ(f.port.messages[0].text.rfind(feeKind().values[0].column, 0), 0u)
        << f.port.messages[0].text;
    auto sets = f.requestsOf(cmd::SetFeeRates);
    ASSERT_EQ(sets.size(), 1u);
    const Bytes& r = sets[0];
    ASSERT_EQ(r.size(), 112u);
    EXPECT_EQ(f.textAt(r, 4, 32), "c0");
    EXPECT_EQ(f.textAt(r, 36, 16), "EX");
    EXPECT_EQ(getI32(r.data() + 52), 7);
    EXPECT_EQ(getF64(r.data() + 56), -0.25);
    EXPECT_EQ(getF64(r.data() + 64), 2.5);
    EXPECT_EQ(getI32(r.data() + 104), 0);
    EXPECT_EQ(getI32(r.data() + 108), 1);
    // The row is read again before the change, and the page shown again.
    EXPECT_EQ(f.requestsOf(cmd::FeeRates).size(), 3u);
}

// Another session changes the contract while the dialog is open: the fields
// this user left as shown take the rates read right before the change.
TEST_F(RateEdit, FieldsLeftAsShownKeepAChangeMadeMeanwhile) {
    f.feeRows[7] = {feeRow({1.5, 2, 0, 0, 0, 0}, 1, 1)};
    chooseRow(feeKind(), 7, 0);
    f.port.queueForm<RateForm>([this](RateForm& form) {
        f.feeRows[7] = {feeRow({1.5, 9, 0, 4, 0, 0}, 0, 1)};
        form.values[0] = "0.75";
        form.absolute = false;
        return true;
    });
    f.desk.dispatcher().send(ActionCode::ModifyFeeRates);
    auto sets = f.requestsOf(cmd::SetFeeRates);
    ASSERT_EQ(sets.size(), 1u);
    const struct {
        int offset;
        double value;
    } sent[] = {{56, 0.75}, {64, 9}, {72, 0}, {80, 4}};
    for (const auto& v : sent) EXPECT_EQ(getF64(sets[0].data() + v.offset), v.value) << v.offset;
    EXPECT_EQ(getI32(sets[0].data() + 104), 0);  // changed meanwhile, left as shown
    EXPECT_EQ(getI32(sets[0].data() + 108), 0);  // changed by this user

    // A row that cannot be read again: nothing is sent, the user is told.
    f.answer = [](const Bytes& r) {
        return r[3] == cmd::FeeRates ? FakeServer::resultPacket(1, "拒绝") : Bytes{};
    };
    f.port.clearRecords();
    f.port.queueForm<RateForm>([](RateForm&) { return true; });
    f.desk.dispatcher().send(ActionCode::ModifyFeeRates);
    EXPECT_EQ(f.requestsOf(cmd::SetFeeRates).size(), 1u);
    EXPECT_FALSE(f.port.messages.empty());
}

TEST_F(RateEdit, AllMonthsSendsOneRequestPerMonthOfTheProduct) {
    chooseRow(marginKind(), 5, 7);  // c7: product p1 = c5 … c9
    f.port.queueForm<RateForm>([](RateForm& form) {
        EXPECT_EQ(form.values.size(), 12u);
        for (auto& v : form.values) v = "";
        form.values[11] = "3";
        form.allMonths = true;
        return true;
    });
    // A refused month does not stop the others.
    f.answer = [](const Bytes& request) {
        if (request[3] == cmd::SetMarginRates && readPlainText(request.data() + 4, 32) == "c6")
            return FakeServer::resultPacket(1, "拒绝");
        return Bytes{};
    };
    f.desk.dispatcher().send(ActionCode::ModifyMarginRates);
    auto sets = f.requestsOf(cmd::SetMarginRates);
    ASSERT_EQ(sets.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(sets[i].size(), 156u);
        EXPECT_EQ(f.textAt(sets[i], 4, 32), "c" + std::to_string(5 + i));
        EXPECT_EQ(std::vector<uint8_t>(sets[i].begin() + 52, sets[i].end()),
                  std::vector<uint8_t>(sets[0].begin() + 52, sets[0].end()));
    }
    EXPECT_EQ(getF64(sets[0].data() + 56), 0.0);
    EXPECT_EQ(getF64(sets[0].data() + 144), 3.0);
    EXPECT_TRUE(f.port.hasMessage("拒绝"));
}

TEST_F(RateEdit, WithoutThePermissionOrARowNothingIsSent) {
    chooseRow(feeKind(), 7, -1);
    f.desk.dispatcher().send(ActionCode::ModifyFeeRates);
    EXPECT_TRUE(f.port.forms.empty());
    f.desk.session().permissionMask = 0xFFFFF & ~0x100u;
    templateView(f.desk, feeKind()).selectedRow = 0;
    f.desk.dispatcher().send(ActionCode::ModifyFeeRates);
    EXPECT_TRUE(f.port.hasMessage("  没有权限修改手续费"));
    EXPECT_TRUE(f.requestsOf(cmd::SetFeeRates).empty());
}

}  // namespace
}  // namespace korvant::test
