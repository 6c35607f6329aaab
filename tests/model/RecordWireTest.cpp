#include <gtest/gtest.h>

#include <vector>

#include "WireBytes.h"
#include "model/Administrator.h"
#include "model/ContractVariety.h"
#include "model/Group.h"
#include "model/MainAccount.h"
#include "model/RateTemplate.h"
#include "model/RiskStrategy.h"
#include "model/SubAccount.h"

namespace korvant {
namespace {

using test::putGbk;

TEST(RecordWire, GroupReadsEveryFieldAtItsOffset) {
    std::vector<uint8_t> r(Group::WireSize, 0);
    putGbk(r, 0, "期货一部");
    putI32(r.data() + 32, 17);
    putGbk(r, 36, "别名");
    putI32(r.data() + 68, 1);
    putGbk(r, 72, "TAG");
    putGbk(r, 88, "备注文字");
    putI32(r.data() + 120, 555);
    putI32(r.data() + 124, -9);
    putGbk(r, 128, "0102");
    putI32(r.data() + 144, 300);
    putI32(r.data() + 148, 1000);
    putI32(r.data() + 152, 1299);

    Group g = Group::fromWire(r.data());
    EXPECT_EQ(g.name, "期货一部");
    EXPECT_EQ(g.id, 17);
    EXPECT_EQ(g.alias, "别名");
    EXPECT_EQ(g.parentId, 1);
    EXPECT_EQ(g.tag, "TAG");
    EXPECT_EQ(g.remark, "备注文字");
    EXPECT_EQ(g.referenceValue, 555);
    EXPECT_EQ(g.extraValue, -9);
    EXPECT_EQ(g.groupCode, "0102");
    EXPECT_EQ(g.level(), 4);
    EXPECT_EQ(g.allowedSubAccounts, 300);
    EXPECT_EQ(g.subAccountFrom, 1000);
    EXPECT_EQ(g.subAccountTo, 1299);

    std::vector<uint8_t> back(Group::WireSize, 0xAA);
    g.toWire(back.data());
    EXPECT_EQ(back, r);

    // The dispatcher's copy keeps five fields only.
    Group p = Group::partialFromWire(r.data());
    EXPECT_EQ(p.name, "期货一部");
    EXPECT_EQ(p.id, 17);
    EXPECT_EQ(p.alias, "别名");
    EXPECT_EQ(p.parentId, 1);
    EXPECT_EQ(p.remark, "备注文字");
    EXPECT_EQ(p.tag, "");
    EXPECT_EQ(p.groupCode, "");
    EXPECT_EQ(p.referenceValue, 0);
    EXPECT_EQ(p.extraValue, 0);
    EXPECT_EQ(p.allowedSubAccounts, 0);
    EXPECT_EQ(p.subAccountTo, 0);
}

TEST(RecordWire, TextFieldsAreGbkUpToTheFirstNulOrTheFieldEnd) {
    std::vector<uint8_t> r(Group::WireSize, 0);
    // "测试" in GBK, written by hand.
    const uint8_t test[] = {0xB2, 0xE2, 0xCA, 0xD4};
    std::memcpy(r.data(), test, sizeof test);
    // A group code that fills its 16 bytes without a NUL stops at the field
    // end, not in the next field.
    std::memset(r.data() + 128, 'A', 16);
    putI32(r.data() + 144, 0x42424242);
    Group g = Group::fromWire(r.data());
    EXPECT_EQ(g.name, "测试");
    EXPECT_EQ(g.groupCode, std::string(16, 'A'));
}

TEST(RecordWire, TemplatesAndVarieties) {
    std::vector<uint8_t> t(RateTemplate::WireSize, 0);
    putI32(t.data(), 42);
    putGbk(t, 4, "标准保证金模板");
    putGbk(t, 68, "01");
    MarginTemplate m = MarginTemplate::fromWire(t.data());
    FeeTemplate f = FeeTemplate::fromWire(t.data());
    EXPECT_EQ(m.id, 42);
    EXPECT_EQ(m.name, "标准保证金模板");
    EXPECT_EQ(m.groupCode, "01");
    EXPECT_EQ(f.name, m.name);
    std::vector<uint8_t> back(RateTemplate::WireSize, 0xFF);
    f.toWire(back.data());
    EXPECT_EQ(back, t);

    std::vector<uint8_t> v(ContractVariety::WireSize, 0);
    putGbk(v, 0, "rb2501");
    putGbk(v, 32, "rb");
    putGbk(v, 64, "SHFE");
    ContractVariety c = ContractVariety::fromWire(v.data());
    EXPECT_EQ(c.contractCode, "rb2501");
    EXPECT_EQ(c.productCode, "rb");
    EXPECT_EQ(c.exchangeCode, "SHFE");
    std::vector<uint8_t> vb(ContractVariety::WireSize, 0xFF);
    c.toWire(vb.data());
    EXPECT_EQ(vb, v);

    std::vector<uint8_t> s(RiskStrategy::WireSize);
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<uint8_t>(i * 7);
    RiskStrategy rs = RiskStrategy::fromWire(s.data());
    std::vector<uint8_t> sb(RiskStrategy::WireSize, 0);
    rs.toWire(sb.data());
    EXPECT_EQ(sb, s);
}

TEST(RecordWire, AdministratorKeepsTheAddressesAsOnTheWire) {
    std::vector<uint8_t> r(Administrator::WireSize, 0);
    putGbk(r, 0, "admin01");
    putGbk(r, 16, "pw");
    putU32(r.data() + 32, 0x80000003u);
    putGbk(r, 36, "根组");
    putI32(r.data() + 68, 1);
    putGbk(r, 72, "张三");
    putI32(r.data() + 104, 1);
    // 192.168.1.20 in network byte order: the octets in wire order.
    const uint8_t ip[] = {192, 168, 1, 20};
    std::memcpy(r.data() + 108, ip, 4);
    putI32(r.data() + 128, 100);
    putI32(r.data() + 132, 200);

    Administrator a = Administrator::fromWire(r.data());
    EXPECT_EQ(a.account, "admin01");
    EXPECT_EQ(a.password, "pw");
    EXPECT_EQ(a.permissionMask, 0x80000003u);
    EXPECT_EQ(a.groupName, "根组");
    EXPECT_EQ(a.groupId, 1);
    EXPECT_EQ(a.name, "张三");
    EXPECT_EQ(a.multiLogin, 1);
    EXPECT_EQ(a.allowedIps[0], 192u | (168u << 8) | (1u << 16) | (20u << 24));
    for (int i = 1; i < Administrator::IpCount; ++i) EXPECT_EQ(a.allowedIps[i], 0u);
    EXPECT_EQ(a.monitorFrom, 100);
    EXPECT_EQ(a.monitorTo, 200);

    std::vector<uint8_t> back(Administrator::WireSize, 0xEE);
    a.toWire(back.data());
    EXPECT_EQ(back, r);
}

TEST(RecordWire, MainAccountsAndLinks) {
    std::vector<uint8_t> r(MainAccount::WireSize, 0);
    putGbk(r, 0, "M001");
    putF64(r.data() + 16, 1e6);
    putF64(r.data() + 24, 250000.5);
    putF64(r.data() + 32, 300000);
    putF64(r.data() + 40, 12.25);
    for (int i = 0; i < 5; ++i) putF64(r.data() + 48 + 8 * i, 0.0001 * (i + 1));
    MainAccount m = MainAccount::fromWire(r.data());
    EXPECT_EQ(m.account, "M001");
    EXPECT_DOUBLE_EQ(m.initialFunds, 1e6);
    EXPECT_DOUBLE_EQ(m.distributableFunds, 250000.5);
    EXPECT_DOUBLE_EQ(m.startInvestment, 300000);
    EXPECT_DOUBLE_EQ(m.priorityFunds, 12.25);
    EXPECT_DOUBLE_EQ(m.feeRates[0], 0.0001);
    EXPECT_DOUBLE_EQ(m.feeRates[4], 0.0005);
    std::vector<uint8_t> back(MainAccount::WireSize, 1);
    m.toWire(back.data());
    EXPECT_EQ(back, r);

    std::vector<uint8_t> l(MainAccountLink::WireSize, 0);
    putGbk(l, 0, "M002");
    putF64(l.data() + 16, -3.5);
    MainAccountLink link = MainAccountLink::fromWire(l.data());
    EXPECT_EQ(link.account, "M002");
    EXPECT_DOUBLE_EQ(link.distributableFunds, -3.5);
    std::vector<uint8_t> lb(MainAccountLink::WireSize, 1);
    link.toWire(lb.data());
    EXPECT_EQ(lb, l);
}

TEST(RecordWire, SubAccountReadsAll364Bytes) {
    std::vector<uint8_t> r(SubAccount::WireSize, 0);
    putGbk(r, 0, "800123");
    putGbk(r, 16, "secret");
    putGbk(r, 32, "二级组甲");
    putI32(r.data() + 64, 23);
    putGbk(r, 68, "李四");
    putI32(r.data() + 100, 20240131);
    putGbk(r, 104, "M001");
    putGbk(r, 120, "保证金模板A");
    putGbk(r, 184, "手续费模板B");
    putF64(r.data() + 248, 50000);
    putGbk(r, 256, "00-1A-2B-3C-4D-5E");
    putF64(r.data() + 288, 1000.125);
    putGbk(r, 296, "长备注：中文与ASCII混排");
    putI32(r.data() + 360, 0x7);

    SubAccount s = SubAccount::fromWire(r.data());
    EXPECT_EQ(s.account, "800123");
    EXPECT_EQ(s.password, "secret");
    EXPECT_EQ(s.groupName, "二级组甲");
    EXPECT_EQ(s.groupId, 23);
    EXPECT_EQ(s.name, "李四");
    EXPECT_EQ(s.openDate, 20240131);
    EXPECT_EQ(s.mainAccount, "M001");
    EXPECT_EQ(s.marginTemplate, "保证金模板A");
    EXPECT_EQ(s.feeTemplate, "手续费模板B");
    EXPECT_DOUBLE_EQ(s.startInvestment, 50000);
    EXPECT_EQ(s.mac, "00-1A-2B-3C-4D-5E");
    EXPECT_DOUBLE_EQ(s.priorityFunds, 1000.125);
    EXPECT_EQ(s.remark, "长备注：中文与ASCII混排");
    EXPECT_EQ(s.options, 0x7);

    std::vector<uint8_t> back(SubAccount::WireSize, 0x55);
    s.toWire(back.data());
    EXPECT_EQ(back, r);
}

}  // namespace
}  // namespace korvant
