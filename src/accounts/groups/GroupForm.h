#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/lists/GroupChoice.h"
#include "app/port/FrontEndPort.h"
#include "text/NumberInput.h"

// The group dialog ("添加组" / "修改组").
namespace korvant {

struct Group;

struct GroupForm final : Form {
    static constexpr const char* Kind = "group";
    const char* kind() const override { return Kind; }

    bool adding = true;
    std::string caption() const { return adding ? "添加组" : "修改组"; }

    std::string name;    // "名称:", at most 31 characters are sent
    std::string remark;  // "备注:", at most 31 characters are sent

    // "隶属:": every cached group, the parent preselected; always disabled.
    std::vector<GroupChoice> parents;
    int32_t parentId = 0;

    // What the three number fields accept: whole numbers of a 32-bit field.
    static constexpr NumberInput CountFieldInput = CountInput;

    // "允许子账号数量:" and "范围:" ... "到", shown for a first-level group only.
    bool showQuota = false;
    int32_t allowedSubAccounts = 0;
    int32_t rangeFrom = 0;
    int32_t rangeTo = 0;
};

// Adding under `parent`: the quota and range are shown when the parent is
// the root (empty code).
GroupForm makeAddGroupForm(std::span<const Group> groups, const Group& parent);
// Modifying `record`: prefilled; the quota and range are shown for a
// 2-character code.
GroupForm makeModifyGroupForm(std::span<const Group> groups, const Group& record);

// OK: a name, and a range whose end is not below its start.
bool validateGroupForm(FrontEndPort& port, GroupForm& form);

}  // namespace korvant
