#include <gtest/gtest.h>

#include "support/TestRecords.h"

#include <vector>

#include "accounts/groups/GroupForm.h"
#include "accounts/groups/GroupRequests.h"
#include "model/Group.h"
#include "protocol/Bytes.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"
#include "support/ScriptedPort.h"

namespace korvant {
namespace {

using test::makeGroup;

std::vector<Group> tree() {
    return {makeGroup(1, 0, "", "根"), makeGroup(2, 1, "01", "一级"),
            makeGroup(3, 2, "0101", "二级")};
}

// Inflates a request built by a writer into its plain bytes.
std::vector<uint8_t> plainOf(const uint8_t* packet, int length) {
    if (packet[2] == FlagPlain) return {packet, packet + length};
    std::vector<uint8_t> out(MaxPacketSize);
    int size = inflatePacket(packet, length, out.data(), static_cast<int>(out.size()));
    out.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
    return out;
}

TEST(GroupForm, NameAndRangeChecks) {
    test::ScriptedPort port;
    GroupForm form = makeAddGroupForm(tree(), tree()[0]);
    EXPECT_FALSE(validateGroupForm(port, form));
    EXPECT_EQ(port.lastMessage().text, "组名不能为空");

    form.name = "新组";
    form.rangeFrom = 100;
    form.rangeTo = 50;
    EXPECT_FALSE(validateGroupForm(port, form));
    EXPECT_EQ(port.lastMessage().text, "起始账号不能小于终止账号");
    EXPECT_EQ(port.lastMessage().caption, "提示");

    form.rangeTo = 100;
    EXPECT_TRUE(validateGroupForm(port, form));
    EXPECT_EQ(port.messages.size(), 2u);
}

TEST(GroupForm, QuotaIsShownForFirstLevelGroupsOnly) {
    std::vector<Group> groups = tree();
    EXPECT_TRUE(makeAddGroupForm(groups, groups[0]).showQuota);   // under the root
    EXPECT_FALSE(makeAddGroupForm(groups, groups[1]).showQuota);  // under a first-level group
    EXPECT_TRUE(makeModifyGroupForm(groups, groups[1]).showQuota);
    EXPECT_FALSE(makeModifyGroupForm(groups, groups[2]).showQuota);
    GroupForm add = makeAddGroupForm(groups, groups[1]);
    EXPECT_EQ(add.parentId, 2);
    EXPECT_EQ(add.parents.size(), 3u);
}

TEST(GroupRequests, ChangeFlags) {
    Group record = makeGroup(3, 2, "0101", "二级");
    record.remark = "旧";
    EXPECT_EQ(groupChangeFlags(record, 2, "旧"), 0);
    EXPECT_EQ(groupChangeFlags(record, 1, "旧"), GroupParentChanged);
    EXPECT_EQ(groupChangeFlags(record, -2, "旧"), 0);
    EXPECT_EQ(groupChangeFlags(record, 2, "新"), GroupRemarkChanged);
    EXPECT_EQ(groupChangeFlags(record, 1, "新"), GroupParentChanged | GroupRemarkChanged);
}

TEST(GroupRequests, AddTravelsCompressedAndHidesTheQuotaBelowTheRoot) {
    std::vector<Group> groups = tree();
    GroupForm form = makeAddGroupForm(groups, groups[1]);
    form.name = "新组";
    form.remark = "备注";
    form.allowedSubAccounts = 50;  // hidden fields: sent as 0
    form.rangeFrom = 1;
    form.rangeTo = 9;
    uint8_t packet[1024];
    int size = writeAddGroup(form, packet, sizeof packet);
    ASSERT_GT(size, 0);
    EXPECT_EQ(packet[2], FlagCompressed);
    EXPECT_EQ(packet[3], 95);
    EXPECT_EQ(PacketHeader::read(packet).length, size);
    std::vector<uint8_t> plain = plainOf(packet, size);
    ASSERT_EQ(plain.size(), 124u);
    EXPECT_EQ(readPlainText(plain.data() + 4, 32), "新组");
    EXPECT_EQ(getI32(plain.data() + 36), 2);
    EXPECT_EQ(readPlainText(plain.data() + 40, 32), "备注");
    for (int offset = 72; offset < 124; ++offset) EXPECT_EQ(plain[offset], 0) << offset;

    GroupForm underRoot = makeAddGroupForm(groups, groups[0]);
    underRoot.name = "一级2";
    underRoot.allowedSubAccounts = 50;
    underRoot.rangeFrom = 1000;
    underRoot.rangeTo = 1999;
    size = writeAddGroup(underRoot, packet, sizeof packet);
    plain = plainOf(packet, size);
    ASSERT_EQ(plain.size(), 124u);
    EXPECT_EQ(getI32(plain.data() + 112), 50);
    EXPECT_EQ(getI32(plain.data() + 116), 1000);
    EXPECT_EQ(getI32(plain.data() + 120), 1999);
}

TEST(GroupRequests, ModifyCarriesFlagsIdAndReferenceValue) {
    Group record = makeGroup(2, 1, "01", "一级");
    record.remark = "旧";
    record.referenceValue = 4711;
    GroupForm form = makeModifyGroupForm(tree(), record);
    form.remark = "新";
    form.allowedSubAccounts = 20;
    form.rangeFrom = 10;
    form.rangeTo = 30;
    uint8_t packet[1024];
    int size = writeModifyGroup(form, record, packet, sizeof packet);
    ASSERT_GT(size, 0);
    EXPECT_EQ(packet[3], 96);
    std::vector<uint8_t> plain = plainOf(packet, size);
    ASSERT_EQ(plain.size(), 129u);
    EXPECT_EQ(plain[4], GroupRemarkChanged);
    EXPECT_EQ(readPlainText(plain.data() + 5, 32), "一级");
    EXPECT_EQ(getI32(plain.data() + 37), 2);
    EXPECT_EQ(getI32(plain.data() + 41), 1);
    EXPECT_EQ(readPlainText(plain.data() + 45, 32), "新");
    EXPECT_EQ(getI32(plain.data() + 77), 4711);
    EXPECT_EQ(getI32(plain.data() + 81), 0);
    EXPECT_EQ(getI32(plain.data() + 117), 20);
    EXPECT_EQ(getI32(plain.data() + 121), 10);
    EXPECT_EQ(getI32(plain.data() + 125), 30);
    EXPECT_EQ(writeModifyGroup(form, record, packet, 100), -1);
}

}  // namespace
}  // namespace korvant
