#pragma once

// Each area of the protocol registers its handlers with the dispatcher.
namespace korvant::sim {

class Dispatcher;

void addLoginHandlers(Dispatcher& d);
void addReferenceListHandlers(Dispatcher& d);
void addAccountListHandlers(Dispatcher& d);
void addAdministratorHandlers(Dispatcher& d);
void addGroupHandlers(Dispatcher& d);
void addSubAccountHandlers(Dispatcher& d);
void addMainAccountHandlers(Dispatcher& d);
void addDepositHandlers(Dispatcher& d);
void addServiceHandlers(Dispatcher& d);
void addTemplateHandlers(Dispatcher& d);
void addRiskHandlers(Dispatcher& d);
void addSettlementHandlers(Dispatcher& d);
void addTradingParameterHandlers(Dispatcher& d);
void addOperationLogHandlers(Dispatcher& d);
void addStatementHandlers(Dispatcher& d);
void addFundsReportHandlers(Dispatcher& d);
void addTradingReportHandlers(Dispatcher& d);

}  // namespace korvant::sim
