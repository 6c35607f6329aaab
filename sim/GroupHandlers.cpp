#include <algorithm>

#include "Dispatcher.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "protocol/CommandCode.h"

// Adding and changing groups. The root has an empty code, a first-level
// group a code of two digits, a second-level group its parent's code and two
// more digits. Only first-level groups carry a quota and a number range.
namespace korvant::sim {
namespace {

bool siblingNamed(const SimState& s, int32_t parentId, const std::string& name, int32_t self) {
    return std::any_of(s.groups.begin(), s.groups.end(), [&](const Group& g) {
        return g.parentId == parentId && g.name == name && g.id != self;
    });
}

std::string nextCode(SimState& s, const Group& parent) {
    for (int n = 1; n <= 99; ++n) {
        std::string code = parent.code + format("%02d", n);
        if (!s.findGroupByCode(code)) return code;
    }
    return {};
}

// The range of a first-level group: from <= to, no overlap with another
// first-level group. An empty range (0 to 0) does not restrict numbers.
std::string checkRange(const SimState& s, int32_t from, int32_t to, int32_t self) {
    if (from < 0 || to < 0) return "账号范围不能为负数";
    if (to < from) return "起始账号不能大于终止账号";
    if (from == 0 && to == 0) return {};
    for (const auto& g : s.groups) {
        if (g.id == self || g.level() != 1 || (g.rangeFrom == 0 && g.rangeTo == 0)) continue;
        if (from <= g.rangeTo && g.rangeFrom <= to)
            return format("账号范围与 %s 的范围 %d 至 %d 重叠", g.name.c_str(), g.rangeFrom,
                          g.rangeTo);
    }
    return {};
}

// 95 (compressed): name 4, parent id 36, remark 40, quota 112, range 116 and
// 120. The answer carries the new group's id at 4.
Answer addGroup(const Request& r, Context& c) {
    if (!permitted(c, 0x8)) return refusal("没有添加组的权限");
    std::string name = r.text(4, 32);
    int32_t parentId = r.i32(36);
    if (name.empty()) return refusal("组名不能为空");
    Group* parent = c.state.findGroup(parentId);
    if (parent == nullptr) return refusal("上级组不存在");
    if (parent->level() >= 2) return refusal("二级组下不能再添加组");
    if (!manages(c, parentId)) return refusal("不能在管辖范围以外添加组");
    if (siblingNamed(c.state, parentId, name, 0))
        return refusal(format("组 %s 已存在", name.c_str()));
    Group g;
    g.parentId = parentId;
    g.name = name;
    g.remark = r.text(40, 32);
    g.code = nextCode(c.state, *parent);
    if (g.code.empty()) return refusal("组代码已用完");
    if (parent->level() == 0) {
        g.allowedSubAccounts = r.i32(112);
        g.rangeFrom = r.i32(116);
        g.rangeTo = r.i32(120);
        if (g.allowedSubAccounts < 0) return refusal("允许子账号数量不能为负数");
        std::string problem = checkRange(c.state, g.rangeFrom, g.rangeTo, 0);
        if (!problem.empty()) return refusal(problem);
    }
    g.id = c.state.nextGroupId++;
    g.reference = g.id;
    c.state.groups.push_back(g);
    return valueAnswer(cmd::AddGroup, g.id);
}

// 96 (compressed): change flags 4 (0x01 parent, 0x10 remark), name 5, id 37,
// parent 41, remark 45, reference 77, quota 117, range 121 and 125.
Answer modifyGroup(const Request& r, Context& c) {
    if (!permitted(c, 0x10)) return refusal("没有修改组的权限");
    uint8_t flags = r.u8(4);
    int32_t id = r.i32(37);
    Group* g = c.state.findGroup(id);
    if (g == nullptr) return refusal("组不存在");
    if (!manages(c, id)) return refusal("不能修改管辖范围以外的组");
    std::string name = r.text(5, 32);
    if (name.empty()) return refusal("组名不能为空");
    // Codes and number ranges follow the tree, so a group keeps its parent.
    int32_t parentId = g->parentId;
    if ((flags & 0x01) && r.i32(41) != -2 && r.i32(41) != parentId)
        return refusal("不能调整组的上级组");
    if (siblingNamed(c.state, parentId, name, id))
        return refusal(format("组 %s 已存在", name.c_str()));
    if (g->level() == 1) {
        int32_t allowed = r.i32(117), from = r.i32(121), to = r.i32(125);
        if (allowed < 0) return refusal("允许子账号数量不能为负数");
        std::string problem = checkRange(c.state, from, to, id);
        if (!problem.empty()) return refusal(problem);
        int count = 0;
        for (const auto& s : c.state.subAccounts) {
            if (s.groupId == id || !c.state.isWithin(s.groupId, id)) continue;
            ++count;
            if ((from != 0 || to != 0) && (s.number < from || s.number > to))
                return refusal(format("子账号 %d 不在新的范围内", s.number));
        }
        if (allowed > 0 && allowed < count)
            return refusal(format("允许子账号数量不能少于现有的 %d 个", count));
        g->allowedSubAccounts = allowed;
        g->rangeFrom = from;
        g->rangeTo = to;
    }
    g->name = name;
    if (flags & 0x10) g->remark = r.text(45, 32);
    return done();
}

}  // namespace

void addGroupHandlers(Dispatcher& d) {
    d.add({cmd::AddGroup, 124, true, RefusalStyle::Result, addGroup});
    d.add({cmd::ModifyGroup, 129, true, RefusalStyle::Result, modifyGroup});
}

}  // namespace korvant::sim
