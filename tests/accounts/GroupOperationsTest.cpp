#include <gtest/gtest.h>

#include "support/TestRecords.h"

#include "AccountDeskFixture.h"
#include "accounts/groups/GroupForm.h"
#include "accounts/groups/GroupOperations.h"
#include "model/Group.h"
#include "protocol/Bytes.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

using test::makeGroup;

using test::AccountDeskFixture;
using test::Bytes;
using test::FakeServer;

// A desk whose group cache holds a root, a first-level and a second-level
// group; the server answers the group reload with `reloaded`.
struct GroupFixture : AccountDeskFixture {
    RecordArray<Group> reloaded;

    GroupFixture() {
        desk.reference().groups.records = {makeGroup(1, 0, "", "根"), makeGroup(2, 1, "01", "一级"),
                                           makeGroup(12, 2, "0101", "二级组")};
        desk.session().ownGroupId = 1;
        reloaded = desk.reference().groups.records;
    }

    Bytes groupList() const {
        std::vector<Bytes> records;
        for (const Group& g : reloaded) {
            Bytes r(Group::WireSize, 0);
            g.toWire(r.data());
            records.push_back(r);
        }
        return listAnswer(94, records);
    }
};

std::function<bool(GroupForm&)> named(const std::string& name) {
    return [name](GroupForm& form) {
        form.name = name;
        return true;
    };
}

TEST(GroupOperations, AddTreatsEveryResultPacketAsFailure) {
    GroupFixture f;
    f.view.state().group.id = 2;
    f.answer = [](const Bytes&) { return FakeServer::resultPacket(0, "组名重复"); };
    f.port.queueForm<GroupForm>(named("新组"));
    addGroup(f.desk, f.view.state().group.id);
    EXPECT_EQ(f.commands(), std::vector<int>{95});
    EXPECT_EQ(f.server.requests()[0][2], FlagCompressed);
    EXPECT_EQ(f.statusDetails(), std::vector<std::string>{"添加 新组 失败！组名重复"});
    EXPECT_EQ(f.port.lastMessage().text, "组名重复");
    EXPECT_EQ(f.port.lastMessage().icon, MessageIcon::Error);
}

TEST(GroupOperations, AddDecodesTheNewIdAndReloadsAllGroups) {
    GroupFixture f;
    f.view.state().group.id = 2;
    f.reloaded.push_back(makeGroup(13, 2, "0102", "新组"));
    f.answer = [&f](const Bytes& request) -> Bytes {
        if (request[3] == 95) {
            Bytes body(4, 0);
            putI32(body.data(), 13);
            return FakeServer::packet(95, body);
        }
        if (request[3] == 94) return f.groupList();
        return {};
    };
    std::vector<DeskChange> changes;
    f.desk.subscribe([&changes](DeskChange c) { changes.push_back(c); });
    f.port.queueForm<GroupForm>(named("新组"));
    addGroup(f.desk, f.view.state().group.id);
    EXPECT_EQ(f.commands(), (std::vector<int>{95, 94}));
    EXPECT_EQ(f.statusDetails(), std::vector<std::string>{"添加组:新组成功！"});
    EXPECT_EQ(f.desk.reference().groups.count(), 4);
    EXPECT_EQ(f.view.state().group.id, -1);
    EXPECT_NE(std::find(changes.begin(), changes.end(), DeskChange::Groups), changes.end());
    EXPECT_TRUE(f.port.messages.empty());
}

TEST(GroupOperations, ModifyOwnGroupIsRefusedBeforeTheDialog) {
    GroupFixture f;
    f.desk.session().ownGroupId = 12;
    modifyGroup(f.desk, f.view.state().group.id);
    EXPECT_EQ(f.port.messageTexts(), std::vector<std::string>{" 没有权限修改自身组! "});
    EXPECT_TRUE(f.port.forms.empty());
    EXPECT_TRUE(f.server.requests().empty());

    f.desk.session().permissionMask = 0x8;
    modifyGroup(f.desk, f.view.state().group.id);
    EXPECT_EQ(f.port.lastMessage().text, "  没有权限修改组");

    deleteGroup(f.desk);
    EXPECT_EQ(f.port.lastMessage().text, "组不允许删除");
    EXPECT_TRUE(f.server.requests().empty());
}

TEST(GroupOperations, ModifyRowsForRefusalAndSuccess) {
    GroupFixture f;
    f.answer = [](const Bytes&) { return FakeServer::resultPacket(2, "范围冲突"); };
    f.port.queueForm<GroupForm>([](GroupForm& form) {
        EXPECT_FALSE(form.showQuota);
        form.remark = "新备注";
        form.rangeFrom = 5;  // hidden for a second-level group: kept as it was
        return true;
    });
    modifyGroup(f.desk, f.view.state().group.id);
    ASSERT_EQ(f.commands(), std::vector<int>{96});
    std::vector<uint8_t> plain(MaxPacketSize);
    const Bytes request = f.server.requests()[0];
    ASSERT_EQ(inflatePacket(request.data(), static_cast<int>(request.size()), plain.data(),
                            static_cast<int>(plain.size())),
              129);
    EXPECT_EQ(plain[4], 0x10);
    EXPECT_EQ(getI32(plain.data() + 121), 0);
    EXPECT_EQ(f.statusDetails(), std::vector<std::string>{"修改 二级组 失败！范围冲突"});

    f.answer = [&f](const Bytes& request) -> Bytes {
        if (request[3] == 94) return f.groupList();
        return {};
    };
    f.port.queueForm<GroupForm>(named("改名"));
    modifyGroup(f.desk, f.view.state().group.id);
    EXPECT_EQ(f.commands(), (std::vector<int>{96, 96, 94}));
    EXPECT_EQ(f.statusDetails().back(), "修改组:改名成功！");
}

}  // namespace
}  // namespace korvant
