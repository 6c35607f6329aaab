#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/lists/GroupChoice.h"
#include "app/port/FrontEndPort.h"
#include "text/Ipv4Text.h"
#include "text/NumberInput.h"

// The administrator dialog ("添加管理员" / "修改"): what the front end shows
// and edits, and what the validator derives from it on OK.
namespace korvant {

struct Group;
struct Administrator;

// Item data of the combo entry "更多...".
inline constexpr int32_t MoreGroupsChoice = -2;

struct AdministratorForm final : Form {
    static constexpr const char* Kind = "administrator";
    const char* kind() const override { return Kind; }

    bool adding = true;  // the account field is disabled when modifying
    std::string caption() const { return adding ? "添加管理员" : "修改"; }

    std::string account;   // "账号：", 15 characters
    std::string password;  // "密码：", 15 characters, plain text
    std::string name;      // "名称：", 31 characters

    // "组别：": "更多...", the cached groups except the own, then the
    // current group again, which is selected. The combo is disabled.
    std::vector<GroupChoice> groups;
    int groupIndex = -1;

    // "权限：" ticks bits 0 to 19; bits above keep their value.
    uint32_t permissionMask = 0;

    // "仅允许从以下 IP 登录（不填则不限制）："
    std::array<std::string, AllowedIpCount> ipTexts;
    // What the two bounds accept: whole numbers, a sign allowed (a negative
    // bound is taken as 0).
    static constexpr NumberInput MonitorInput{0, true, 2147483647.0};

    // "监控范围（有监控权限时有效，起止均为0表示全部）：" from "至" to.
    int32_t monitorFrom = 0;
    int32_t monitorTo = 0;
    bool multipleLogins = true;  // "允许多点登录"

    // Derived by the validator.
    int32_t date = 0;  // yyyymmdd of the day of the change
    AllowedIps allowedIps{};

    // Id of the selected group, MoreGroupsChoice or -1 when none is selected.
    int32_t selectedGroupId() const;
};

// Number of check-list entries of the permission mask.
inline constexpr int PermissionEntryCount = 20;
// The bits of the mask the check-list shows; the others are kept as stored.
inline constexpr uint32_t ListedPermissionBits = (1u << PermissionEntryCount) - 1;

// The mask to send for a record stored with `stored` after the form set
// `edited`: the listed bits as edited, every other bit as stored.
inline uint32_t keepUnlistedPermissionBits(uint32_t edited, uint32_t stored) {
    return (edited & ListedPermissionBits) | (stored & ~ListedPermissionBits);
}

// The add form: everything empty, all permissions clear, several logins
// allowed, the group combo filled around `current`.
AdministratorForm makeAddAdministratorForm(std::span<const Group> groups, int32_t ownGroupId,
                                           const GroupChoice& current);
// The modify form, filled from the selected record.
AdministratorForm makeModifyAdministratorForm(const Administrator& record,
                                              std::span<const Group> groups, int32_t ownGroupId,
                                              const GroupChoice& current);

// OK of the dialog, in order: account, all-digit account (adding only),
// password, date, group, IP packing, monitoring bounds (negative -> 0).
// Shows the refusal through `port` and returns false to keep the dialog open.
bool validateAdministratorForm(FrontEndPort& port, AdministratorForm& form, int32_t today);

// True when `text` is not empty and made only of the digits 0 to 9.
bool isAllDigits(const std::string& text);

}  // namespace korvant
