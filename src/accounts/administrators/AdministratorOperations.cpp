#include "accounts/administrators/AdministratorOperations.h"

#include <ctime>
#include <functional>

#include "accounts/administrators/AdministratorForm.h"
#include "accounts/administrators/AdministratorRequests.h"
#include "accounts/administrators/AdministratorSort.h"
#include "accounts/administrators/PasswordForm.h"
#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "app/exchange/Change.h"
#include "app/exchange/FormRetry.h"
#include "app/lists/AccountListAgain.h"
#include "app/lists/AccountListQuery.h"
#include "app/lists/AccountListSort.h"
#include "app/session/Permissions.h"

namespace korvant {

namespace {

// Add and modify end with the administrator list on screen queried again
// at its page, without a filter.
void requeryAdministrators(Desk& desk) {
    requeryAccountList(desk, AccountList::Administrators, ListRequery::CachedPageUnfiltered);
}

// The change of add, modify and delete: a build failure shows "组包失败!"
// and writes no row; `lost` is shown when the connection breaks.
ChangeSpec administratorChange(const std::string& title, const std::string& account,
                               const std::string& verb, const Message& lost, bool lostEnds) {
    ChangeSpec spec;
    spec.title = title;
    spec.buildFailureRow = BuildFailureRow::None;
    spec.exchange = ExchangeTexts{};
    spec.exchange.buildFailed = {"组包失败!", "提示", MessageIcon::Information};
    spec.exchange.buildFailedEnds = false;
    spec.exchange.receiveFailed = lost;
    spec.exchange.receiveFailedEnds = lostEnds;
    spec.ack.title = title;
    spec.ack.failureRow = textf("%s %s 失败！", verb.c_str(), account.c_str());
    spec.ack.successRow = textf("%s %s 成功", verb.c_str(), account.c_str());
    return spec;
}

const Message NotAcknowledged{"服务器返回非确认包, 无法确定操作是否失败!", "提示",
                              MessageIcon::Warning};

// The one chosen row of the administrators' cache after the gate of
// `operation`: `many` (with its icon) for more; -1 when there is none.
int gatedOneRow(Desk& desk, GatedOperation operation, const std::vector<int>& rows,
                const Message& many) {
    if (!gate(desk.port(), desk.session().permissionMask, operation)) return -1;
    if (rows.size() >= 2) {
        desk.port().showMessage(many);
        return -1;
    }
    const int count = desk.accounts().administrators.count();
    return rows.empty() || rows.front() < 0 || rows.front() >= count ? -1 : rows.front();
}

// Shows `form` until `apply` takes what was typed (checked against today).
bool editAdministrator(Desk& desk, AdministratorForm& form,
                       const std::function<ChangeOutcome(const AdministratorForm&)>& apply) {
    const int32_t today = todayYmd();
    const auto validator = [&desk, today](AdministratorForm& f) {
        return validateAdministratorForm(desk.port(), f, today);
    };
    return editAndApply(desk.port(), form, validator, [&] { return formAttemptOf(apply(form)); });
}

}  // namespace

int32_t todayYmd() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

bool addAdministrator(Desk& desk, const CurrentGroup& group) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, GatedOperation::AddAdministrator)) return false;
    if (group.id < 0) return false;

    AdministratorForm form = makeAddAdministratorForm(
        desk.reference().groups.records, desk.session().ownGroupId, {group.id, group.name});
    return editAdministrator(desk, form, [&](const AdministratorForm& typed) {
        return addAdministrator(desk, group, typed);
    });
}

ChangeOutcome addAdministrator(Desk& desk, const CurrentGroup& group,
                               const AdministratorForm& form) {
    if (!gate(desk, GatedOperation::AddAdministrator)) return {};
    // A lost connection while adding is told as an answer that says
    // nothing; without its connection the desk cannot go on, so the
    // program then ends as after any lost connection.
    ChangeSpec spec =
        administratorChange("添加管理员", form.account, "添加", NotAcknowledged, true);
    spec.startDetail = textf("账号:%s, 密码:%s, 权限:%d, 名称:%s, 组:%s", form.account.c_str(),
                             form.password.c_str(), static_cast<int>(form.permissionMask),
                             form.name.c_str(), group.name.c_str());
    spec.build = [&form, &group](std::span<uint8_t> buffer) {
        return writeAddAdministrator(form, group.id, buffer.data(),
                                     static_cast<int>(buffer.size()));
    };
    spec.requeryList = requeryAdministrators;
    return runChange(desk, spec);
}

bool modifyAdministrator(Desk& desk, const std::vector<int>& rows, const CurrentGroup& current) {
    const int row = gatedOneRow(desk, GatedOperation::ModifyAdministrator, rows,
                                {"不支持批量修改。", "提示", MessageIcon::Information});
    if (row < 0) return false;
    const Administrator record = desk.accounts().administrators.at(row);
    AdministratorForm form = makeModifyAdministratorForm(desk, record, current);
    return editAdministrator(desk, form, [&](const AdministratorForm& typed) {
        return modifyAdministrator(desk, record, typed);
    });
}

AdministratorForm makeModifyAdministratorForm(Desk& desk, const Administrator& record,
                                              const CurrentGroup& current) {
    return makeModifyAdministratorForm(record, desk.reference().groups.records,
                                       desk.session().ownGroupId, {current.id, current.name});
}

ChangeOutcome modifyAdministrator(Desk& desk, const Administrator& record,
                                  const AdministratorForm& values) {
    if (!gate(desk, GatedOperation::ModifyAdministrator)) return {};
    AdministratorForm form = values;
    // The account field is disabled: the record's account is the one changed.
    form.account = record.account;
    // Whatever a front end handed over, bits outside the check-list travel
    // as the record holds them.
    form.permissionMask = keepUnlistedPermissionBits(form.permissionMask, record.permissionMask);

    ChangeSpec spec =
        administratorChange("修改管理员", record.account, "修改",
                            {"与服务器的连接断开了!", "提示", MessageIcon::Error}, true);
    spec.startDetail =
        textf("账号:%s, 密码:%s, 权限:%d, 名称:%s", record.account.c_str(), form.password.c_str(),
              static_cast<int>(record.permissionMask), form.name.c_str());
    spec.build = [&form](std::span<uint8_t> buffer) {
        return writeModifyAdministrator(form, buffer.data(), static_cast<int>(buffer.size()));
    };
    spec.requeryList = requeryAdministrators;
    return runChange(desk, spec);
}

bool deleteAdministrator(Desk& desk, const std::vector<int>& rows) {
    const int row = gatedOneRow(desk, GatedOperation::DeleteAdministrator, rows,
                                {"管理员不能批量删除。", "提示", MessageIcon::Error});
    if (row < 0) return false;
    const Administrator record = desk.accounts().administrators.at(row);

    if (!desk.port().askYesNo({textf("确认删除以下管理员吗？\n\n管理员: %s    隶属: %s\n",
                                     record.account.c_str(), record.groupName.c_str()),
                               "提示", MessageIcon::Question, true}))
        return false;

    ChangeSpec spec =
        administratorChange("删除管理员", record.account, "删除",
                            {" 与服务器的联接断开了!", "提示", MessageIcon::Error}, true);
    spec.startDetail = textf("账号:%s, 名称:%s, 隶属:%s", record.account.c_str(),
                             record.name.c_str(), record.groupName.c_str());
    spec.build = [&record](std::span<uint8_t> buffer) {
        return writeDeleteAdministrator(record.account, buffer.data(),
                                        static_cast<int>(buffer.size()));
    };
    spec.ack.parseFailed = " 解析数据包失败!";
    spec.requery = Requery::Never;
    if (!runChange(desk, spec).done) return false;
    // The answer may have changed the cache (a routed list): remove the
    // record where it is now.
    RecordCache<Administrator>& cache = desk.accounts().administrators;
    for (int i = 0; i < cache.count(); ++i) {
        if (cache.at(i).account == record.account) {
            removeAdministrator(cache, i);
            break;
        }
    }
    desk.notify(DeskChange::AccountList);
    return true;
}

bool changeOwnPassword(Desk& desk) {
    FrontEndPort& port = desk.port();
    PasswordForm form;
    return port.editForm(form, [&port](PasswordForm& f) {
        return validatePasswordForm(port, f);
    }) && changeOwnPassword(desk, form);
}

bool changeOwnPassword(Desk& desk, const PasswordForm& form) {
    FrontEndPort& port = desk.port();
    ChangeSpec spec;
    spec.build = [&form](std::span<uint8_t> buffer) {
        return writeChangePassword(form.current, form.next, buffer.data(),
                                   static_cast<int>(buffer.size()));
    };
    spec.exchange = ExchangeTexts{};
    spec.exchange.buildFailed = {"组包失败!", "提示", MessageIcon::Information};
    spec.exchange.buildFailedEnds = false;
    spec.exchange.receiveFailed = {"服务器返回非确认包, 无法确定操作是否成功!", "提示",
                                   MessageIcon::Warning};
    spec.exchange.receiveFailedEnds = false;
    spec.ack.writeRows = false;
    spec.ack.parseFailed = " 解析数据包失败!";
    spec.ack.notAcknowledged = "服务器返回非确认包, 无法确定操作是否成功!";
    spec.requery = Requery::Never;
    const ChangeOutcome outcome = runChange(desk, spec);
    // An acknowledgement that cannot be dispatched still changed the password.
    if (!outcome.done && outcome.result != AckResult::ParseFailed) return false;
    port.info("更改密码成功! 下次登陆请使用新密码!");
    return true;
}

void registerAdministratorActions(Desk& desk) {
    ActionDispatcher& d = desk.dispatcher();
    d.registerHandler(ActionCode::ChangePassword,
                      [&desk](const ActionMessage&) { changeOwnPassword(desk); });
    registerColumnSorter<AdministratorSorter>(desk, AccountList::Administrators,
                                              &AccountCaches::administrators);
}

}  // namespace korvant
