#pragma once

#include <memory>
#include <vector>

#include "cli/Command.h"

namespace korvant {
struct TemplateKind;
}

// The commands of korvant-cli: one file per object holds its verbs and adds
// them to the list (commands/AdminCommands.cpp holds `admin list`, `admin
// add`, `admin modify` and `admin delete`). A new object gets a file of its
// own and one line in allCommands().
namespace korvant::cli {

using CommandList = std::vector<std::unique_ptr<Command>>;

void addLoginCommand(CommandList& commands);           // login
void addPasswordCommand(CommandList& commands);        // password
void addGroupCommands(CommandList& commands);          // group list|add|modify
void addAdminCommands(CommandList& commands);          // admin list|add|modify|delete
void addSubAccountCommands(CommandList& commands);     // subaccount list|add|modify|delete
void addMainAccountCommands(CommandList& commands);    // mainaccount list|links|add|…
void addDepositCommands(CommandList& commands);        // deposit sub|main|link
void addDepositRecordsCommand(CommandList& commands);  // deposits
// The same verbs for both kinds of rate template, told apart by the kind's
// data: fee|margin list|rates|set|add|rename|delete|export|import and
// subaccount fee|margin.
void addRateTemplateCommands(CommandList& commands, const TemplateKind& kind);
void addRiskCommands(CommandList& commands);       // risk kinds|list|add|modify|…
void addSettleCommands(CommandList& commands);     // settle start|status|clear|prices|price
void addParamsCommands(CommandList& commands);     // params show|set
void addLogCommand(CommandList& commands);         // log
void addStatementCommands(CommandList& commands);  // statement [batch]
// The `report` group is made of the first word of its commands' names: each
// file adds its own `report ...` commands here.
void addFundsReportCommands(CommandList& commands);    // report funds|netvalue
void addTradingReportCommands(CommandList& commands);  // report trades|orders|positions,
                                                       // position modify

}  // namespace korvant::cli
