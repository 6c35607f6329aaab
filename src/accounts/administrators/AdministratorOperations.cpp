#include "accounts/administrators/AdministratorOperations.h"

#include <ctime>

#include "accounts/administrators/AdministratorForm.h"
#include "accounts/administrators/AdministratorRequests.h"
#include "accounts/administrators/AdministratorSort.h"
#include "accounts/administrators/PasswordForm.h"
#include "app/AccountLists.h"
#include "app/ActionDispatcher.h"
#include "app/Desk.h"
#include "app/Exchange.h"
#include "app/Permissions.h"
#include "protocol/Packet.h"

namespace korvant {

namespace {

constexpr int OperationBufferSize = 24796;
constexpr int AnswerBufferSize = 1024;

// Add and modify end with the administrator list of the current group
// queried again at its page, without a filter.
void requeryAdministrators(Desk& desk) {
    MainState& state = desk.mainState();
    state.filter.clearFields();
    int page = desk.accounts().administrators.cursor.last;
    showAccountList(desk, AccountList::Administrators, page < 0 ? 0 : page);
}

// The exchange of add, modify and delete: the answer's length, or -1 after
// the failure was reported (or the program ended).
int sendAdministratorRequest(Desk& desk, const std::vector<uint8_t>& request, int length,
                             std::vector<uint8_t>& answer, const std::string& title,
                             const std::string& failureRow, const Message& lost, bool lostEnds) {
    ExchangeTexts texts;
    texts.receiveFailed = lost;
    texts.receiveFailedEnds = lostEnds;
    texts.failureRowTitle = title;
    texts.failureRowDetail = failureRow;
    answer.assign(AnswerBufferSize, 0);
    return exchange(desk, request.data(), length, answer, texts);
}

const Message NotAcknowledged{"服务器返回非确认包, 无法确定操作是否失败!", "提示",
                              MessageIcon::Warning};

}  // namespace

int32_t todayYmd() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

bool addAdministrator(Desk& desk) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, GatedOperation::AddAdministrator)) return false;
    const CurrentGroup& current = desk.mainState().group;
    if (current.id < 0) return false;

    AdministratorForm form = makeAddAdministratorForm(
        desk.reference().groups.records, desk.session().ownGroupId, {current.id, current.name});
    const int32_t today = todayYmd();
    if (!port.editForm(form, [&port, today](Form& f) {
            return validateAdministratorForm(port, static_cast<AdministratorForm&>(f), today);
        }))
        return false;

    std::vector<uint8_t> request(OperationBufferSize, 0);
    int length =
        writeAddAdministrator(form, current.id, request.data(), static_cast<int>(request.size()));
    if (length <= 0) {
        port.info("组包失败!");
        return false;
    }
    const std::string title = "添加管理员";
    desk.statusList().append(
        title,
        textf("账号:%s, 密码:%s, 权限:%d, 名称:%s, 组:%s", form.account.c_str(),
              form.password.c_str(), static_cast<int>(form.permissionMask), form.name.c_str(),
              current.name.c_str()),
        true);
    const std::string failureRow = textf("添加 %s 失败！", form.account.c_str());
    // A lost connection while adding counts as an answer that says nothing.
    std::vector<uint8_t> answer;
    int received = sendAdministratorRequest(desk, request, length, answer, title, failureRow,
                                            NotAcknowledged, false);
    if (received <= 0) return false;

    AckTexts ack;
    ack.title = title;
    ack.failureRow = failureRow;
    ack.successRow = textf("添加 %s 成功", form.account.c_str());
    ack.parseFailed = "解析数据包失败!";
    if (acknowledge(desk, answer.data(), received, ack) != AckResult::Success) return false;
    requeryAdministrators(desk);
    return true;
}

bool modifyAdministrator(Desk& desk, const std::vector<int>& rows) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, GatedOperation::ModifyAdministrator))
        return false;
    if (rows.size() >= 2) {
        port.info("不支持批量修改。");
        return false;
    }
    const RecordCache<Administrator>& cache = desk.accounts().administrators;
    if (rows.empty() || rows.front() < 0 || rows.front() >= cache.count()) return false;
    const Administrator record = cache.at(rows.front());
    const CurrentGroup& current = desk.mainState().group;

    AdministratorForm form =
        makeModifyAdministratorForm(record, desk.reference().groups.records,
                                    desk.session().ownGroupId, {current.id, current.name});
    const int32_t today = todayYmd();
    if (!port.editForm(form, [&port, today](Form& f) {
            return validateAdministratorForm(port, static_cast<AdministratorForm&>(f), today);
        }))
        return false;
    // The account field is disabled: the record's account is the one changed.
    form.account = record.account;

    std::vector<uint8_t> request(OperationBufferSize, 0);
    int length = writeModifyAdministrator(form, request.data(), static_cast<int>(request.size()));
    if (length <= 0) {
        port.info("组包失败!");
        return false;
    }
    const std::string title = "修改管理员";
    desk.statusList().append(
        title,
        textf("账号:%s, 密码:%s, 权限:%d, 名称:%s", record.account.c_str(), form.password.c_str(),
              static_cast<int>(record.permissionMask), form.name.c_str()),
        true);
    const std::string failureRow = textf("修改 %s 失败！", record.account.c_str());
    std::vector<uint8_t> answer;
    int received =
        sendAdministratorRequest(desk, request, length, answer, title, failureRow,
                                 {"与服务器的连接断开了!", "提示", MessageIcon::Error}, true);
    if (received <= 0) return false;

    AckTexts ack;
    ack.title = title;
    ack.failureRow = failureRow;
    ack.successRow = textf("修改 %s 成功", record.account.c_str());
    ack.parseFailed = "解析数据包失败!";
    if (acknowledge(desk, answer.data(), received, ack) != AckResult::Success) return false;
    requeryAdministrators(desk);
    return true;
}

bool deleteAdministrator(Desk& desk, const std::vector<int>& rows) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, GatedOperation::DeleteAdministrator))
        return false;
    if (rows.size() >= 2) {
        port.error("管理员不能批量删除。");
        return false;
    }
    RecordCache<Administrator>& cache = desk.accounts().administrators;
    if (rows.empty() || rows.front() < 0 || rows.front() >= cache.count()) return false;
    const int row = rows.front();
    const Administrator record = cache.at(row);

    if (!port.askYesNo({textf("确认删除以下管理员吗？\n\n管理员: %s    隶属: %s\n",
                              record.account.c_str(), record.groupName.c_str()),
                        "提示", MessageIcon::Question}))
        return false;

    std::vector<uint8_t> request(OperationBufferSize, 0);
    int length =
        writeDeleteAdministrator(record.account, request.data(), static_cast<int>(request.size()));
    if (length <= 0) {
        port.info("组包失败!");
        return false;
    }
    const std::string title = "删除管理员";
    desk.statusList().append(title,
                             textf("账号:%s, 名称:%s, 隶属:%s", record.account.c_str(),
                                   record.name.c_str(), record.groupName.c_str()),
                             true);
    const std::string failureRow = textf("删除 %s 失败！", record.account.c_str());
    std::vector<uint8_t> answer;
    int received =
        sendAdministratorRequest(desk, request, length, answer, title, failureRow,
                                 {" 与服务器的联接断开了!", "提示", MessageIcon::Error}, true);
    if (received <= 0) return false;

    AckTexts ack;
    ack.title = title;
    ack.failureRow = failureRow;
    ack.successRow = textf("删除 %s 成功", record.account.c_str());
    ack.parseFailed = " 解析数据包失败!";
    if (acknowledge(desk, answer.data(), received, ack) != AckResult::Success) return false;
    // The answer may have changed the cache (a routed list): remove the
    // record where it is now.
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
    if (!port.editForm(form, [&port](Form& f) {
            return validatePasswordForm(port, static_cast<PasswordForm&>(f));
        }))
        return false;

    std::vector<uint8_t> request(OperationBufferSize, 0);
    int length = writeChangePassword(form.current, form.next, request.data(),
                                     static_cast<int>(request.size()));
    ExchangeTexts texts;
    texts.buildFailed = {"组包失败!", "提示", MessageIcon::Information};
    texts.buildFailedEnds = false;
    texts.receiveFailed = {"服务器返回非确认包, 无法确定操作是否成功!", "提示",
                           MessageIcon::Warning};
    texts.receiveFailedEnds = false;
    std::vector<uint8_t> answer(AnswerBufferSize, 0);
    int received = exchange(desk, request.data(), length, answer, texts);
    if (received <= 0) return false;

    AckTexts ack;
    ack.writeRows = false;
    ack.parseFailed = " 解析数据包失败!";
    ack.notAcknowledged = "服务器返回非确认包, 无法确定操作是否成功!";
    AckResult result = acknowledge(desk, answer.data(), received, ack);
    if (result != AckResult::Success && result != AckResult::ParseFailed) return false;
    port.info("更改密码成功! 下次登陆请使用新密码!");
    return true;
}

void registerAdministratorActions(Desk& desk) {
    ActionDispatcher& d = desk.dispatcher();
    d.registerHandler(ActionCode::AddAdministrator,
                      [&desk](const ActionMessage&) { addAdministrator(desk); });
    d.registerHandler(ActionCode::ModifyAdministrator, [&desk](const ActionMessage&) {
        modifyAdministrator(desk, desk.mainState().selectedRows);
    });
    d.registerHandler(ActionCode::DeleteAdministrator, [&desk](const ActionMessage&) {
        deleteAdministrator(desk, desk.mainState().selectedRows);
    });
    d.registerHandler(ActionCode::ChangePassword,
                      [&desk](const ActionMessage&) { changeOwnPassword(desk); });
}

}  // namespace korvant
