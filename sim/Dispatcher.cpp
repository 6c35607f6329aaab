#include "Dispatcher.h"

#include "Handlers.h"
#include "OperationLog.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant::sim {

void Dispatcher::add(Route route) {
    routes_[route.command] = std::move(route);
}

const Route* Dispatcher::find(uint8_t command) const {
    const Route& route = routes_[command];
    return route.handler ? &route : nullptr;
}

namespace {

// Requests that never change the server's data: the indexes stay valid.
bool readsOnly(uint8_t command) {
    switch (command) {
        case cmd::Login:
        case cmd::GroupList:
        case cmd::MarginTemplateList:
        case cmd::FeeTemplateList:
        case cmd::VarietyList:
        case cmd::RiskStrategyList:
        case cmd::SubAccountList:
        case cmd::MainAccountList:
        case cmd::MainAccountLinks:
        case cmd::AdministratorList:
        case cmd::DepositRecords:
        case cmd::SubAccountFunds:
        case cmd::GroupIdOfCode:
        case cmd::AssignedRules:
        case cmd::Statement:
        case cmd::StatementList:
        case cmd::FundsReport:
        case cmd::FundsExport:
        case cmd::NetValueReport:
        case cmd::OrderReport:
        case cmd::OrderExport:
        case cmd::TradeReport:
        case cmd::TradeExport:
        case cmd::PositionReport:
            return true;
        default:
            return false;
    }
}

}  // namespace

Answer refuse(const Route* route, std::string_view text) {
    if (route != nullptr && route->style == RefusalStyle::Status)
        return statusAnswer(route->command, 0, text);
    return refusal(text);
}

Answer Dispatcher::dispatch(const std::vector<uint8_t>& packet, Context& context) const {
    if (packet.size() < 4) return {};
    uint8_t command = packet[3];
    uint8_t flag = packet[2];
    if (command == cmd::KeepAlive) return {};
    const Route* route = find(command);
    if (route == nullptr) return refusal("不支持的命令");
    std::vector<uint8_t> plain;
    if (flag == FlagCompressed) {
        if (!route->compressible) return refuse(route, "请求格式错误");
        plain.resize(static_cast<std::size_t>(route->size) + 128);
        int size = inflatePacket(packet.data(), static_cast<int>(packet.size()), plain.data(),
                                 static_cast<int>(plain.size()));
        if (size < 0) return refuse(route, "数据包解压失败");
        plain.resize(static_cast<std::size_t>(size));
    } else if (flag == FlagPlain) {
        plain = packet;
    } else {
        return refuse(route, "请求格式错误");
    }
    if (static_cast<int>(plain.size()) != route->size) return refuse(route, "请求长度错误");
    // Nothing but the login (and the keep-alive above) before a login.
    if (command != cmd::Login && !context.connection.loggedIn) return refuse(route, "请先登录");
    const Request request(std::move(plain));
    Answer answer = route->handler(request, context);
    recordOperation(request, answer, *route, context);
    if (!readsOnly(command)) context.state.dropIndexes();
    return answer;
}

Dispatcher makeDispatcher() {
    Dispatcher d;
    addLoginHandlers(d);
    addReferenceListHandlers(d);
    addAccountListHandlers(d);
    addAdministratorHandlers(d);
    addGroupHandlers(d);
    addSubAccountHandlers(d);
    addMainAccountHandlers(d);
    addDepositHandlers(d);
    addServiceHandlers(d);
    addTemplateHandlers(d);
    addRiskHandlers(d);
    addSettlementHandlers(d);
    addTradingParameterHandlers(d);
    addOperationLogHandlers(d);
    addStatementHandlers(d);
    addFundsReportHandlers(d);
    addTradingReportHandlers(d);
    return d;
}

}  // namespace korvant::sim
