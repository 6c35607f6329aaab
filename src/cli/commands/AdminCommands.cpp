#include <CLI/CLI.hpp>

#include "accounts/administrators/AdministratorForm.h"
#include "accounts/administrators/AdministratorOperations.h"
#include "app/desk/Desk.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/commands/AccountListCommand.h"
#include "cli/commands/AccountSelection.h"
#include "cli/commands/Commands.h"
#include "cli/commands/PasswordOptions.h"

// `admin list|add|modify|delete`: the administrators of a group.
namespace korvant::cli {
namespace {

// A mask as decimal or 0x-hexadecimal text; no value for anything else.
std::optional<uint32_t> parseMask(const std::string& text) {
    try {
        std::size_t used = 0;
        unsigned long value = std::stoul(text, &used, 0);
        if (used != text.size() || value > 0xFFFFFFFFul) return std::nullopt;
        return static_cast<uint32_t>(value);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// `admin add` and `admin modify`: the administrator dialog filled from the
// options. When modifying, options left out keep the record's values.
class AdminEditCommand : public Command {
public:
    explicit AdminEditCommand(bool adding)
        : Command(adding ? "admin add" : "admin modify",
                  adding ? "在组中添加管理员" : "修改组的管理员 (未给出的选项保持不变)"),
          adding_(adding) {}

    void addOptions(CLI::App& app) override {
        target_.add(app, "组织结构树中组的 id (\"组别\")", "管理员账号 (\"账号\")");
        addPasswordOptions(app, password_, passwordStdin_, "密码", "密码");
        app.add_option("--name", name_, "名称 (\"名称\")");
        app.add_option(
               "--permissions", permissions_,
               "权限掩码 (\"权限\"), 十进制或 0x 开头的十六进制; 第 n 位对应勾选列表的第 n 项")
            ->check(CLI::Validator(
                [](std::string& text) {
                    return parseMask(text) ? std::string() : "不是数字: " + text;
                },
                "MASK"));
        app.add_option(
               "--ip", ips_,
               "允许登录的客户端地址 (\"仅允许从以下 IP 登录\"), 最多五个; 每个地址写一次本选项")
            ->expected(1, 5)
            ->allow_extra_args(false);
        app.add_flag("--clear-ips", clearIps_, "不限制登录地址");
        app.add_option("--monitor-from", monitorFrom_, "监控范围起 (\"监控范围\")");
        app.add_option("--monitor-to", monitorTo_, "监控范围止 (\"至\")");
        auto* single = app.add_flag("--single-login", singleLogin_, "取消勾选 \"允许多点登录\"");
        auto* multi = app.add_flag("--multi-login", multiLogin_, "勾选 \"允许多点登录\"");
        single->excludes(multi);
    }

    bool run(CliContext& context) override {
        std::optional<uint32_t> mask;
        if (permissions_) mask = parseMask(*permissions_);
        if (!context.readSecretOption(passwordStdin_, password_, "密码: ")) return false;
        const std::optional<Group> found = target_.findGroup(context);
        if (!found) return false;
        Desk& desk = context.desk();
        const CurrentGroup group = groupOf(*found);
        std::optional<Administrator> record;
        if (!adding_) {
            const std::optional<int> row = findAdministrator(context, *found, target_.account);
            if (!row) return false;
            record = desk.accounts().administrators.at(*row);
        }
        AdministratorForm form =
            adding_ ? makeAddAdministratorForm(desk.reference().groups.records,
                                               desk.session().ownGroupId, {group.id, group.name})
                    : makeModifyAdministratorForm(desk, *record, group);
        fill(form, mask);
        if (!validateAdministratorForm(context.port(), form, todayYmd())) return false;
        return (adding_ ? addAdministrator(desk, group, form)
                        : modifyAdministrator(desk, *record, form))
            .done;
    }

private:
    void fill(AdministratorForm& form, const std::optional<uint32_t>& mask) const {
        if (form.adding) form.account = target_.account;
        if (password_) form.password = *password_;
        if (name_) form.name = *name_;
        if (mask) form.permissionMask = *mask;
        if (clearIps_ || !ips_.empty()) {
            form.ipTexts = {};
            for (std::size_t i = 0; i < ips_.size() && i < form.ipTexts.size(); ++i)
                form.ipTexts[i] = ips_[i];
        }
        if (monitorFrom_) form.monitorFrom = *monitorFrom_;
        if (monitorTo_) form.monitorTo = *monitorTo_;
        if (singleLogin_) form.multipleLogins = false;
        if (multiLogin_) form.multipleLogins = true;
    }

    bool adding_;
    AccountTarget target_;
    std::optional<std::string> password_, name_, permissions_;
    bool passwordStdin_ = false;
    std::vector<std::string> ips_;
    bool clearIps_ = false;
    std::optional<int> monitorFrom_, monitorTo_;
    bool singleLogin_ = false;
    bool multiLogin_ = false;
};

class AdminDeleteCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override {
        target_.add(app, "组织结构树中组的 id", "管理员账号 (\"账号\")");
    }
    bool run(CliContext& context) override {
        const std::optional<Group> group = target_.findGroup(context);
        if (!group) return false;
        const std::optional<int> row = findAdministrator(context, *group, target_.account);
        if (!row) return false;
        return deleteAdministrator(context.desk(), {*row});
    }

private:
    AccountTarget target_;
};

}  // namespace

void addAdminCommands(CommandList& commands) {
    commands.push_back(std::make_unique<AccountListCommand>(AccountList::Administrators,
                                                            "admin list", "输出组的管理员的一页"));
    commands.push_back(std::make_unique<AdminEditCommand>(true));
    commands.push_back(std::make_unique<AdminEditCommand>(false));
    commands.push_back(std::make_unique<AdminDeleteCommand>("admin delete",
                                                            "删除组的管理员 (会询问; --yes 回答)"));
}

}  // namespace korvant::cli
