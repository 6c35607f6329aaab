#include "OperationLog.h"

#include <chrono>
#include <ctime>
#include <functional>
#include <map>

#include "HandlerSupport.h"
#include "protocol/CommandCode.h"

namespace korvant::sim {
namespace {

struct Logged {
    int32_t kind;
    const char* operation;
    std::function<std::string(const Request&)> remark;
};

std::function<std::string(const Request&)> field(const char* label, int offset, int width) {
    return [label, offset, width](const Request& r) {
        return std::string(label) + r.text(offset, width);
    };
}

std::function<std::string(const Request&)> none() {
    return [](const Request&) { return std::string(); };
}

const std::map<uint8_t, Logged>& loggedCommands() {
    using namespace logkind;
    static const std::map<uint8_t, Logged> table = {
        {cmd::AddGroup, {Groups, "添加组", field("名称:", 4, 32)}},
        {cmd::ModifyGroup, {Groups, "修改组", field("名称:", 5, 32)}},
        {cmd::AddSubAccount, {Accounts, "添加子账号", field("账号:", 4, 16)}},
        {cmd::ModifySubAccount, {Accounts, "修改子账号", field("账号:", 80, 16)}},
        {cmd::DeleteSubAccount, {Accounts, "删除子账号", field("账号:", 4, 16)}},
        {cmd::AddMainAccount, {Accounts, "添加主账号", field("主账号:", 4, 16)}},
        {cmd::ModifyMainAccount, {Accounts, "修改主账号", field("主账号:", 4, 16)}},
        {cmd::DeleteMainAccount, {Accounts, "删除主账号", field("主账号:", 4, 16)}},
        {cmd::LinkMainAccount, {Accounts, "关联主账号", field("主账号:", 4, 16)}},
        {cmd::UnlinkMainAccount, {Accounts, "取消关联主账号", field("主账号:", 4, 16)}},
        {cmd::AddAdministrator, {Administrators, "添加管理员", field("账号:", 4, 16)}},
        {cmd::ModifyAdministrator, {Administrators, "修改管理员", field("账号:", 6, 16)}},
        {cmd::DeleteAdministrator, {Administrators, "删除管理员", field("账号:", 4, 16)}},
        {cmd::ChangePassword, {Administrators, "修改密码", none()}},
        {cmd::SubAccountDeposit, {Deposits, "出入金", field("子账号:", 20, 32)}},
        {cmd::MainAccountDeposit, {Deposits, "出入金", field("主账号:", 20, 16)}},
        {cmd::LinkDeposit, {Deposits, "出入金", field("主账号:", 20, 32)}},
        {cmd::AddRiskRule, {RiskRules, "添加风控规则", none()}},
        {cmd::ModifyRiskRule, {RiskRules, "修改风控规则", none()}},
        {cmd::DeleteRiskRule, {RiskRules, "删除风控规则", none()}},
        {cmd::LoadRiskRule, {RiskRules, "加载风控规则", none()}},
        {cmd::UnloadRiskRule, {RiskRules, "卸载风控规则", none()}},
        {cmd::MoveRuleUp, {RiskRules, "上移风控规则", none()}},
        {cmd::MoveRuleDown, {RiskRules, "下移风控规则", none()}},
        {cmd::AddFeeTemplate, {Fees, "添加手续费模板", none()}},
        {cmd::ModifyFeeTemplate, {Fees, "修改手续费模板", none()}},
        {cmd::DeleteFeeTemplate, {Fees, "删除手续费模板", none()}},
        {cmd::LoadFeeTemplate, {Fees, "加载手续费模板", none()}},
        {cmd::SetFeeRates, {Fees, "修改手续费率", none()}},
        {cmd::SetCloseTodayFees, {Fees, "修改平今手续费", field("品种:", 4, 2048)}},
        {cmd::AddMarginTemplate, {Margins, "添加保证金模板", none()}},
        {cmd::ModifyMarginTemplate, {Margins, "修改保证金模板", none()}},
        {cmd::DeleteMarginTemplate, {Margins, "删除保证金模板", none()}},
        {cmd::LoadMarginTemplate, {Margins, "加载保证金模板", none()}},
        {cmd::SetMarginRates, {Margins, "修改保证金率", none()}},
        {cmd::ModifyPositions, {Positions, "修改持仓", none()}},
        {cmd::StartSettlement, {SettlementWork, "开始结算", none()}},
        {cmd::ClearSettlement, {SettlementWork, "清除结算数据", none()}},
        {cmd::SetSettlementPrice,
         {SettlementWork, "修改结算价",
          [](const Request& r) {
              return r.text(8, 16) + " " + r.text(24, 32) + " " + format("%.3f", r.f64(56));
          }}},
        {cmd::SetTradingParameters, {SettlementWork, "修改交易参数", none()}},
    };
    return table;
}

// Whether the answer reports the change as done.
bool carriedOut(const Answer& answer, const Route& route) {
    if (answer.size() < 5) return false;
    if (answer[3] == cmd::Result) return answer[4] == 0;
    if (route.style == RefusalStyle::Status)
        return answer.size() >= 8 && getI32(answer.data() + 4) == 1;
    if (answer[3] == cmd::StartSettlement || answer[3] == cmd::ClearSettlement)
        return answer[4] != 0;
    return true;
}

std::string dottedAddress(uint32_t ip) {
    if (ip == 0) return {};
    return format("%u.%u.%u.%u", ip & 0xFF, (ip >> 8) & 0xFF, (ip >> 16) & 0xFF, ip >> 24);
}

}  // namespace

void appendLog(Context& c, int32_t kind, const std::string& operation, const std::string& remark) {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    LogRecord record;
    record.administrator = c.connection.account;
    if (const Administrator* a = operatorOf(c))
        if (const Group* g = c.state.findGroup(a->groupId)) record.groupCode = g->code;
    record.operation = operation;
    record.remark = remark;
    record.dateTime =
        format("%04d-%02d-%02d %02d:%02d:%02d.%03d", local.tm_year + 1900, local.tm_mon + 1,
               local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(millis));
    record.sortTime = (local.tm_year + 1900) * 10000000000LL + (local.tm_mon + 1) * 100000000LL +
                      local.tm_mday * 1000000LL + local.tm_hour * 10000LL + local.tm_min * 100LL +
                      local.tm_sec;
    record.ip = dottedAddress(c.connection.peerAddress);
    record.mac = c.connection.mac;
    record.kind = kind;
    c.state.operationLog.append(std::move(record));
}

void recordOperation(const Request& request, const Answer& answer, const Route& route, Context& c) {
    const auto& table = loggedCommands();
    auto it = table.find(route.command);
    if (it == table.end() || !carriedOut(answer, route)) return;
    appendLog(c, it->second.kind, it->second.operation, it->second.remark(request));
}

}  // namespace korvant::sim
